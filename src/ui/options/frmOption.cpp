#include "ui/options/frmOption.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "ui/CodePageInput.h"
#include "ui/PaperColours.h"
#include "ui/Session.h"
#include "ui/TypedUpperCase.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace K = ConfigKeys;

namespace
{

const QString LocCaption = QStringLiteral(
    " Tous les parcours EV transformés en LOC                         (Si  prévu par des "
    "accords locaux )                              ");

} // namespace

frmOption::frmOption(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("OPTIONS DE L'EDITEUR"));
    auto *grid = new QGridLayout(this);
    // The window grows and shrinks with the railcar boxes.
    grid->setSizeConstraint(QLayout::SetFixedSize);
    int row = 0;
    auto *hint = new QLabel(QStringLiteral(" CLIQUER OU MODIFIER L'OPTION DE VOTRE CHOIX"), this);
    grid->addWidget(hint, row++, 0, 1, 2);

    auto addCheck = [&](const char *key, const QString &caption) {
        auto *box = new QCheckBox(caption, this);
        m_checks.insert(QLatin1String(key), box);
        grid->addWidget(box, row++, 0, 1, 2);
        return box;
    };
    auto addText = [&](const char *key, const QString &caption) {
        auto *label = new QLabel(caption, this);
        auto *edit = new QLineEdit(this);
        label->setBuddy(edit);
        new TypedUpperCase(edit);
        CodePageInput::watch(edit);
        edit->installEventFilter(this);
        m_texts.insert(QLatin1String(key), edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1);
        return QList<QWidget *>{label, edit};
    };

    addCheck(K::Enaug, QStringLiteral("  Entrée automatique des gares"));
    addCheck(K::Eneng, QStringLiteral("  Entrée automatique des engins"));
    addCheck(K::PasImpB1, QStringLiteral("  Ne pas imprimer le cadre B1"));
    addCheck(K::PasImpB2, QStringLiteral("  Ne pas imprimer le cadre B2"));
    QCheckBox *railcar =
        addCheck(K::Enaut, QStringLiteral("  Editeur en mode automotrice (ou autorail)"));
    m_railcar << addText(K::Emtaut, QStringLiteral(" Inscrire l'Emt des automotrices"));
    m_railcar << addText(K::Nbvhe,
                         QStringLiteral(" Inscrire le nombre de véhicule  par automotrice"));
    m_railcar << addText(K::LettreAutom,
                         QStringLiteral(" Inscrire la letrre ( ou chiffre ) des automotrices"));
    m_railcar << addText(K::IndCompo, QStringLiteral(" Inscrire l'indice de composition"));
    addCheck(K::Calendrier, QStringLiteral("  Calendrier au chargement d'une journée générique"));
    addText(K::PrefixTrain, QStringLiteral("Faire précéder les numeros de train du nombre"));

    // The caption of LOC is laid out on two lines by its blanks, as a wrapping label does.
    auto *loc = new QCheckBox(this);
    m_checks.insert(QLatin1String(K::Loc), loc);
    auto *locCaption = new QLabel(LocCaption, this);
    locCaption->setObjectName(QStringLiteral("locCaption"));
    locCaption->setTextFormat(Qt::PlainText);
    locCaption->setWordWrap(true);
    // Wide enough for the first sentence and its blanks: the note in brackets goes below.
    const QString firstLine = LocCaption.left(LocCaption.indexOf(u'('));
    locCaption->setFixedWidth(locCaption->fontMetrics().horizontalAdvance(firstLine) + 8);
    locCaption->setBuddy(loc);
    locCaption->installEventFilter(this);
    auto *locRow = new QHBoxLayout;
    locRow->addWidget(loc, 0, Qt::AlignTop);
    locRow->addWidget(locCaption, 0, Qt::AlignLeft);
    locRow->addStretch();
    grid->addLayout(locRow, row++, 0, 1, 2);

    m_confirm = new QPushButton(QStringLiteral("Valider"), this);
    // Enter in any box confirms, as in any settings window.
    m_confirm->setAutoDefault(false);
    m_confirm->setDefault(true);
    grid->addWidget(m_confirm, row++, 0, 1, 2, Qt::AlignCenter);

    connect(railcar, &QCheckBox::toggled, this, &frmOption::showRailcarBoxes);
    connect(m_confirm, &QPushButton::clicked, this, &frmOption::confirm);

    display(OptionValues::inUse(session.state));
}

void frmOption::display(const OptionValues &v)
{
    check(K::Enaug)->setChecked(v.enaug);
    check(K::Eneng)->setChecked(v.eneng);
    check(K::PasImpB1)->setChecked(v.pasImpB1);
    check(K::PasImpB2)->setChecked(v.pasImpB2);
    check(K::Enaut)->setChecked(v.enaut);
    check(K::Calendrier)->setChecked(v.calendrier);
    check(K::Loc)->setChecked(v.loc);
    text(K::Emtaut)->setText(v.emtaut);
    text(K::Nbvhe)->setText(v.nbvhe);
    text(K::LettreAutom)->setText(v.lettreAutom);
    text(K::IndCompo)->setText(v.indCompo);
    text(K::PrefixTrain)->setText(v.prefixTrain);
    showRailcarBoxes(v.enaut);
}

OptionValues frmOption::values() const
{
    OptionValues v;
    v.enaug = check(K::Enaug)->isChecked();
    v.eneng = check(K::Eneng)->isChecked();
    v.pasImpB1 = check(K::PasImpB1)->isChecked();
    v.pasImpB2 = check(K::PasImpB2)->isChecked();
    v.enaut = check(K::Enaut)->isChecked();
    v.calendrier = check(K::Calendrier)->isChecked();
    v.loc = check(K::Loc)->isChecked();
    v.emtaut = text(K::Emtaut)->text();
    v.nbvhe = text(K::Nbvhe)->text();
    v.lettreAutom = text(K::LettreAutom)->text();
    v.indCompo = text(K::IndCompo)->text();
    v.prefixTrain = text(K::PrefixTrain)->text();
    return v;
}

void frmOption::showRailcarBoxes(bool shown)
{
    for (QWidget *w : m_railcar)
        w->setVisible(shown);
}

bool frmOption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->objectName() == u"locCaption" && event->type() == QEvent::MouseButtonRelease) {
        check(K::Loc)->toggle();
        return true;
    }
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
        return QDialog::eventFilter(watched, event);

    const bool in = event->type() == QEvent::FocusIn;
    if (in)
        PaperColours::light(edit, PaperColours::focusGround());
    else
        PaperColours::unlight(edit);

    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // Another window or a drop-down taking the keyboard is not leaving the box.
    if (in || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    if (edit == text(K::PrefixTrain)) m_session.state.config.options.prefixTrain = edit->text();
    if (edit == text(K::Nbvhe) && !m_checking) {
        // After the focus has settled, so that the message box does not come in the middle of
        // the change of focus; unless the confirmation comes first and checks it itself.
        m_vehicleCountLeft = true;
        QTimer::singleShot(0, this, [this] {
            if (m_vehicleCountLeft) checkVehicleCount();
        });
    }
    return false;
}

bool frmOption::checkVehicleCount()
{
    m_vehicleCountLeft = false;
    QLineEdit *box = text(K::Nbvhe);
    switch (OptionRules::checkVehicleCount(box->text())) {
    case OptionRules::VehicleCount::Keep:
        return true;
    case OptionRules::VehicleCount::Zero:
        box->setText(QStringLiteral("0"));
        return true;
    case OptionRules::VehicleCount::Refuse:
        break;
    }
    // The message box takes the focus from the box, which must not start the check again.
    m_checking = true;
    box->clear();
    m_session.prompts.message(
        QStringLiteral("Erreur dans le nombre de vehicules!!"),
        QStringLiteral("Veuillez entrez des chiffres et pas de lettres s.v.p."),
        Prompts::Icon::Exclamation);
    box->setFocus();
    m_checking = false;
    return false;
}

void frmOption::confirm()
{
    // Enter confirms from within the vehicle count, and a quick click on the button can come
    // before the check of the box it has just left.
    if ((m_vehicleCountLeft || text(K::Nbvhe)->hasFocus()) && !checkVehicleCount()) return;
    values().confirm(m_session.state);
    accept();
}
