#include "TestMain.h"

#include "../SessionFolder.h"
#include "core/calibration/Calibration.h"
#include "core/roster/CaraibeConversion.h"
#include "ui/WithinScreen.h"
#include "ui/automatismes/frmAutomatisme.h"
#include "ui/calibration/frmCentrage.h"
#include "ui/calibration/frmEspace.h"
#include "ui/calibration/frmParametresImp.h"
#include "ui/calibration/frmPositionCadre.h"
#include "ui/calibration/frmReglageCadres.h"
#include "ui/calibration/frmReglageGeneral.h"
#include "ui/editor/EditorWindow.h"
#include "ui/folders/frmGestionDossier.h"
#include "ui/folders/frmGestionFichier.h"
#include "ui/lists/frmGestListe.h"
#include "ui/options/frmOption.h"
#include "ui/preview/frmPreview.h"
#include "ui/roster/frmCheminDossier.h"
#include "ui/roster/frmChoixFichier.h"
#include "ui/roster/frmReglagePara.h"
#include "ui/startup/frmCartouche.h"
#include "ui/verso/frmVerso.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace
{

// What a screen reader says a control is. A drop-down's name is its value on Linux: what it is
// comes from the caption that labels it.
QString spokenName(QAccessibleInterface *a)
{
    if (!qobject_cast<QComboBox *>(a->object())) return a->text(QAccessible::Name);
    const auto labels = a->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// The controls of a window that take the keyboard and that a screen reader would announce by
// their kind alone ("texte", "liste"), with no name.
QStringList unnamedControls(QWidget *window)
{
    QStringList found, boxNames;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
            continue;
        // The parts of a drop-down or a date box are announced by the control they make.
        QWidget *parent = w->parentWidget();
        if (qobject_cast<QComboBox *>(parent) || qobject_cast<QAbstractSpinBox *>(parent)) continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (!a) continue;
        const QString name = spokenName(a).trimmed();
        if (name.isEmpty())
            found << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
        else if (qobject_cast<QLineEdit *>(w)) {
            if (boxNames.contains(name)) found << u"twice: "_s + name; // boxes not told apart
            boxNames << name;
        }
    }
    return found;
}

// Every control of the window, shown, has a name; and the window is wide enough for its title
// bar to show the whole title, which says what the window is about.
void checkNamed(QWidget &window)
{
    window.show();
    const QStringList unnamed = unnamedControls(&window);
    QVERIFY2(unnamed.isEmpty(), qPrintable(window.windowTitle() + u": "_s + unnamed.join(u", "_s)));
    QVERIFY2(window.width() >= widthForTitle(window),
             qPrintable(u"%1: %2 pixels wide for a title that needs %3"_s.arg(window.windowTitle())
                            .arg(window.width())
                            .arg(widthForTitle(window))));
    window.hide();
}
void checkNamed(QWidget &&window)
{
    checkNamed(window);
} // a window made for the check alone

} // namespace

// What a screen reader says of each window: every box, list and button the keys reach has a
// name, the caption beside it. What the title bar says of it: its whole title.
class AccessibleNamesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyControlOfEveryWindowHasAName()
    {
        SessionFolder data;
        data.saveFactoryLayout();
        EditorWindow editor(data.state, EditorLayout::Editor1024);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        checkNamed(editor);

        checkNamed(frmCartouche(data.state, data.prompts, false));
        checkNamed(frmCartouche(data.state, data.prompts, true));
        checkNamed(frmOption(data.session));
        checkNamed(frmAutomatisme(data.session));
        checkNamed(frmGestListe(data.session, ReferenceLists::Kind(0)));
        checkNamed(frmGestListe(data.session, editor));
        checkNamed(frmGestionDossier(data.session, editor));
        checkNamed(frmGestionFichier(data.session));
        for (PrintSide side : {PrintSide::Recto, PrintSide::Verso}) {
            checkNamed(frmReglageCadres(data.session, side));
            checkNamed(frmCentrage(data.session, side));
            checkNamed(frmReglageGeneral(data.session, Calibration::shiftTitle(side)));
            checkNamed(frmPreview(data.session, side));
        }
        checkNamed(frmPositionCadre(data.session, u"REGLAGE PRECIS DU CADRE NOM"_s));
        checkNamed(frmEspace(data.session, u"REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES"_s));
        checkNamed(frmParametresImp(data.session, frmParametresImp::Mode::Export));
        checkNamed(frmVerso(data.session, EditorLayout::Editor1024));

        CaraibeConversion conversion(data.dataFolder());
        checkNamed(frmChoixFichier(data.dataFolder(), data.prompts));
        checkNamed(frmCheminDossier(conversion, data.prompts));
        checkNamed(frmReglagePara(conversion, data.prompts));
    }
};

KERBO_TEST(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
