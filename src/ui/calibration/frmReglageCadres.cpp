#include "ui/calibration/frmReglageCadres.h"

#include "core/AppState.h"
#include "core/calibration/ChooserFrames.h"
#include "core/model/PrintItems.h"
#include "core/print/PrintLayoutFile.h"
#include "ui/EndOfRun.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/calibration/CalibrationHelp.h"
#include "ui/calibration/frmEspace.h"
#include "ui/calibration/frmPositionCadre.h"
#include "ui/calibration/frmReglageGeneral.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString itemTitle(int item)
{
    return QString::fromUtf16(PrintItems::item(item).title);
}

// Frame boxes side by side where they are short, as they stand on the form.
QList<QStringList> frameRows(PrintSide side)
{
    if (side == PrintSide::Recto)
        return {{QStringLiteral("Cadre A")},
                {QStringLiteral("Cadre B1"), QStringLiteral("Cadre B3")},
                {QStringLiteral("Cadre B2")},
                {QStringLiteral("Cadre C")}};
    return {{QStringLiteral("Cadre D")},
            {QStringLiteral("Cadre E"), QStringLiteral("Cadre J")},
            {QStringLiteral("Cadre H")},
            {QStringLiteral("Cadre I")},
            {QStringLiteral("Cadre L")}};
}

} // namespace

frmReglageCadres::frmReglageCadres(Session &session, PrintSide side, ChooserHooks hooks,
                                   QWidget *parent)
    : QDialog(parent), m_session(session), m_side(side), m_hooks(std::move(hooks))
{
    // Without the layout in memory, "Quitter" would write empty tables over the driver's file.
    ensureLoaded(session.state.printLayout, session.state.config.dataFolder());
    EndOfRun::watch();
    setModal(true);
    setWindowTitle(
        side == PrintSide::Recto
            ? QStringLiteral("REGLAGE PRECIS DE CHAQUE CADRE SUR L'IMPRIMANTE")
            : QStringLiteral("REGLAGE PRECIS DE CHAQUE CADRE  VERSO DU BULLETIN SUR L'IMPRIMANTE"));

    auto *column = new QVBoxLayout(this);
    column->setSpacing(4);
    auto *click = new QLabel(
        QStringLiteral("CLIQUEZ SUR LE CADRE QUE VOUS                    VOULEZ MODIFIER"), this);
    QFont bold = click->font();
    bold.setBold(true);
    click->setFont(bold);
    click->setAlignment(Qt::AlignCenter);
    column->addWidget(click);

    // The frames scroll where the screen is too small for them all (a large desktop font); the
    // commands under them stay in sight.
    auto *frames = new QWidget(this);
    auto *frameColumn = new QVBoxLayout(frames);
    frameColumn->setContentsMargins(0, 0, 0, 0);
    frameColumn->setSpacing(column->spacing());

    // One box per frame of the form, its buttons in the rows of the table.
    QMap<QString, QGroupBox *> boxes;
    QMap<QString, QList<QHBoxLayout *>> rows;
    for (const ChooserFrames::Button &b : ChooserFrames::buttons(side)) {
        const QString frame = QString::fromUtf16(b.frame);
        if (!boxes.contains(frame)) {
            auto *box = new QGroupBox(frame, frames);
            new QVBoxLayout(box);
            box->layout()->setSpacing(2);
            box->layout()->setContentsMargins(4, 2, 4, 4);
            boxes.insert(frame, box);
        }
        QList<QHBoxLayout *> &boxRows = rows[frame];
        while (boxRows.size() <= b.row) {
            auto *row = new QHBoxLayout;
            row->setSpacing(2);
            static_cast<QVBoxLayout *>(boxes[frame]->layout())->addLayout(row);
            boxRows << row;
        }
        auto *button = new QPushButton(QString::fromUtf16(b.caption), boxes[frame]);
        button->setProperty("item", b.item);
        button->setToolTip(itemTitle(b.item));
        button->setAutoDefault(false);
        boxRows[b.row]->addWidget(button);
        m_frameButtons << button;
        const int item = b.item;
        connect(button, &QPushButton::clicked, this, [this, item] {
            frmPositionCadre position(m_session, itemTitle(item), this);
            position.exec();
        });
    }
    for (QList<QHBoxLayout *> &boxRows : rows)
        for (QHBoxLayout *row : boxRows)
            row->addStretch();
    // Tab goes through the frames as they read, box after box along each row: B3 beside B1
    // comes before B2 under them, where the order of making them would come back up to it.
    QList<QWidget *> order;
    for (const QStringList &line : frameRows(side)) {
        auto *row = new QHBoxLayout;
        for (const QString &frame : line) {
            if (!boxes.contains(frame)) continue;
            row->addWidget(boxes[frame], 1);
            for (QPushButton *b : std::as_const(m_frameButtons))
                if (b->parentWidget() == boxes[frame]) order << b;
        }
        frameColumn->addLayout(row);
    }
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(frames);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // the keys go from button to button
    scroll->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    column->addWidget(scroll, 1);

    if (side == PrintSide::Recto) {
        addCommand(QString::fromUtf16(u"Espace entre les caractères"),
                   [this] { openSpacing(itemTitle(PrintItems::CharPitch)); });
        addCommand(QString::fromUtf16(u"Espace  en hauteur des cadres B2 (Entre 2 Tâche)"),
                   [this] { openSpacing(itemTitle(PrintItems::RowPitchB2)); });
        addCommand(QString::fromUtf16(u"Espace en hauteur des cadres C (Entre 2 trains)"),
                   [this] { openSpacing(itemTitle(PrintItems::LinePitchC)); });
    } else {
        addCommand(QStringLiteral("Espace entre les lignes"), [this] {
            openSpacing(QString::fromUtf16(PrintItems::item(PrintItems::VersoObsWidth).titleY));
        });
        addCommand(QStringLiteral("LONGUEUR DU TEXTE  OBSERVATIONS  DU MECANICIEN"), [this] {
            openSpacing(Calibration::observationLengthTitle());
            if (m_hooks.layoutChanged) m_hooks.layoutChanged();
        });
    }
    addCommand(QString::fromUtf16(u"Déplacement général de tous les cadres en hauteur et largeur"),
               [this] { openShift(Calibration::shiftTitle(m_side)); });
    addCommand(QStringLiteral("Calibrage Ecran-Imprimante"),
               [this] { openShift(Calibration::screenCalibrationTitle(m_side)); });
    commandButton(QStringLiteral("Calibrage Ecran-Imprimante"))->setVisible(m_hooks.fromPreview);
    addCommand(QString::fromUtf16(u"Paramétres par défaut"), [this] {
        Calibration::restoreDefaults(m_session.state.printLayout, m_side, m_session.prompts);
        if (m_hooks.layoutChanged) m_hooks.layoutChanged();
    });
    if (side == PrintSide::Recto)
        addCommand(QStringLiteral("Aide"), [this] { CalibrationHelp::open(m_session); });
    addCommand(QStringLiteral("Quitter"), [this] { quit(); });

    // Two columns, so that the long captions stay whole, or one where two would be wider than
    // the screen; a hidden button leaves no hole.
    auto *commands = new QGridLayout;
    commands->setSpacing(4);
    QList<QPushButton *> shown;
    for (QPushButton *b : std::as_const(m_commands))
        if (!(b->isHidden() && b->testAttribute(Qt::WA_WState_ExplicitShowHide))) shown << b;
    int widest[2] = {0, 0};
    for (qsizetype i = 0; i < shown.size(); ++i)
        widest[i % 2] = qMax(widest[i % 2], shown[i]->sizeHint().width());
    const QMargins margins = column->contentsMargins();
    const int twoColumns =
        widest[0] + widest[1] + commands->spacing() + margins.left() + margins.right();
    const int perRow = fitsScreen(this, QSize(twoColumns, 0)) ? 2 : 1;
    for (qsizetype i = 0; i < shown.size(); ++i)
        commands->addWidget(shown[i], int(i / perRow), int(i % perRow));
    column->addLayout(commands);
    for (QPushButton *b : std::as_const(m_commands))
        order << b;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Qt bounds a scroll area's wish to some lines of text: the window asks for all the frames.
    QSize wanted = sizeHint();
    wanted.setWidth(
        qMax(wanted.width(), frames->sizeHint().width() + margins.left() + margins.right()));
    wanted.rheight() += qMax(0, frames->sizeHint().height() - scroll->sizeHint().height());
    if (!fitsScreen(this, wanted)) // and room for the scroll bar beside them
        wanted.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    resizeWithinScreen(this, wanted);
}

void frmReglageCadres::addCommand(const QString &caption, const std::function<void()> &run)
{
    auto *button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, run);
    m_commands << button;
}

QPushButton *frmReglageCadres::frameButton(int item) const
{
    for (QPushButton *b : m_frameButtons)
        if (b->property("item").toInt() == item) return b;
    return nullptr;
}

QPushButton *frmReglageCadres::commandButton(const QString &caption) const
{
    for (QPushButton *b : m_commands)
        if (b->text() == caption) return b;
    return nullptr;
}

void frmReglageCadres::openSpacing(const QString &title)
{
    frmEspace spacing(m_session, title, this);
    spacing.exec();
}

void frmReglageCadres::openShift(const QString &title)
{
    frmReglageGeneral shift(m_session, title, this);
    shift.exec();
}

void frmReglageCadres::reject()
{
    // The run ending with the chooser open: what it holds was never confirmed by "Quitter".
    if (EndOfRun::underway())
        QDialog::reject();
    else
        quit();
}

void frmReglageCadres::quit()
{
    if (m_quitting) return;
    m_quitting = true;
    if (m_side == PrintSide::Recto && m_hooks.refresh) m_hooks.refresh();
    Calibration::saveAndReload(m_session.state.printLayout, m_session.state.config.dataFolder(),
                               m_session.prompts);
    if (m_side == PrintSide::Verso && m_hooks.refresh) m_hooks.refresh();
    m_quitting = false;
    QDialog::reject();
}
