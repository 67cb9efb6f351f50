#include "ui/roster/frmCheminDossier.h"

#include "core/base/Drives.h"
#include "core/base/Paths.h"
#include "core/roster/CaraibeConversion.h"
#include "ui/NamedBy.h"
#include "ui/WithinScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

// The folder name echoed under the box: however long the name, it takes the width the window
// has and shows its two ends, so that the window never grows past the screen.
class NameEcho : public QLabel
{
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawText(contentsRect(), int(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width()));
    }
};

} // namespace

frmCheminDossier::frmCheminDossier(CaraibeConversion &conversion, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_conversion(conversion), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("CHOIX DU LECTEUR "));
    auto *column = new QVBoxLayout(this);

    m_rosterLine = new QLabel(this);
    m_validityLine = new QLabel(this);
    m_rosterLine->setTextFormat(Qt::PlainText);
    m_validityLine->setTextFormat(Qt::PlainText);
    column->addWidget(m_rosterLine);
    column->addWidget(m_validityLine);

    auto *instruction = new QLabel(
        QStringLiteral("VEUILLEZ CHOISIR LE LECTEUR OU SERA CREER LE DOSSIER ROULEMENT KERBO ET  "
                       "INSCRIRE LE NOM DU DOSSIER DANS LE CADRE NOM DU  DOSSIER"),
        this);
    instruction->setWordWrap(true);
    column->addWidget(instruction);

    auto *grid = new QGridLayout;
    m_drives = new QComboBox(this);
    for (const QString &root : Drives::list(Drives::Use::Write))
        m_drives->addItem(Drives::label(root), Paths::CheckPath(root));
    grid->addWidget(captionFor(m_drives, QStringLiteral("CHOISIR LE LECTEUR")), 0, 0);
    grid->addWidget(m_drives, 1, 0);

    grid->addWidget(new QLabel(QStringLiteral("INSCRIRE LE NOM DU DOSSIER "), this), 2, 0);
    auto *frame = new QGridLayout;
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtNomDossier"));
    frame->addWidget(captionFor(m_name, QStringLiteral("NOM DU DOSSIER")), 0, 0);
    frame->addWidget(m_name, 1, 0);
    grid->addLayout(frame, 3, 0);

    grid->addWidget(new QLabel(QStringLiteral("LE DOSSIER A CREER AURA POUR NOM"), this), 4, 0);
    m_shown = new NameEcho(this);
    m_shown->setTextFormat(Qt::PlainText);
    QFont bold = m_shown->font();
    bold.setBold(true);
    m_shown->setFont(bold);
    grid->addWidget(m_shown, 5, 0);
    grid->addWidget(new QLabel(QStringLiteral("SI C'EST BON CLIQUEZ SUR CONVERTIR"), this), 6, 0);
    column->addLayout(grid);

    // The characters that no folder name may hold are swallowed, typed or pasted.
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) {
        const QString name = CaraibeConversion::folderName(text);
        if (name != text) {
            const int cursor = m_name->cursorPosition() - int(text.size() - name.size());
            m_name->setText(name);
            m_name->setCursorPosition(std::max(0, cursor));
            return;
        }
        m_shown->setText(name);
    });

    auto *buttons = new QHBoxLayout;
    m_convert = new QPushButton(QStringLiteral("Convertir"), this);
    auto *cancel = new QPushButton(QStringLiteral("Annuler "), this);
    m_convert->setDefault(true);
    connect(m_convert, &QPushButton::clicked, this, &frmCheminDossier::convert);
    connect(cancel, &QPushButton::clicked, this, &frmCheminDossier::reject);
    buttons->addStretch();
    buttons->addWidget(m_convert);
    buttons->addWidget(cancel);
    buttons->addStretch();
    column->addLayout(buttons);
    holdWidthForTitle(this);
}

void frmCheminDossier::showEvent(QShowEvent *event)
{
    // At every opening: the drive is usually right, the name is what the driver comes to type,
    // and a name left from an earlier opening is replaced by what he types.
    m_name->setFocus();
    m_name->selectAll();
    // Qt opens a window at two thirds of the screen's height at most, and counts the wrapped
    // instruction's lines in none of its minimums: with a large desktop font the boxes under it
    // were squeezed out of sight.
    if (const int wanted = layout()->totalHeightForWidth(width()); wanted > height())
        resize(width(), wanted);
    QDialog::showEvent(event);
}

void frmCheminDossier::showHeader(const QString &rosterLine, const QString &validityLine)
{
    m_rosterLine->setText(rosterLine);
    m_validityLine->setText(validityLine);
}

void frmCheminDossier::clearName() { m_name->clear(); }

void frmCheminDossier::convert()
{
    const auto busy = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    switch (m_conversion.convert(m_drives->currentData().toString(), m_name->text(), m_prompts,
                                 QDate::currentDate(), busy)) {
    case CaraibeConversion::Outcome::NameMissing:
    case CaraibeConversion::Outcome::Failed:
        break;
    case CaraibeConversion::Outcome::FolderExists:
        clearName();
        break;
    case CaraibeConversion::Outcome::Done:
        clearName();
        accept();
        break;
    }
}
