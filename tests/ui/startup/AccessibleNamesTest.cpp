#include "TestMain.h"

#include "../SessionFolder.h"
#include "core/calibration/Calibration.h"
#include "core/roster/CaraibeConversion.h"
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

#define CHECK_NAMED(window)                                                                        \
    do {                                                                                           \
        (window).show();                                                                           \
        const QStringList unnamed = unnamedControls(&(window));                                    \
        QVERIFY2(unnamed.isEmpty(),                                                                \
                 qPrintable((window).windowTitle() + u": "_s + unnamed.join(u", "_s)));            \
        (window).hide();                                                                           \
    } while (false)

} // namespace

// What a screen reader says of each window: every box, list and button the keys reach has a
// name, the caption beside it.
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
        CHECK_NAMED(editor);

        frmCartouche cartouche(data.state, data.prompts, false);
        CHECK_NAMED(cartouche);
        frmOption options(data.session);
        CHECK_NAMED(options);
        frmAutomatisme automatisme(data.session);
        CHECK_NAMED(automatisme);
        frmGestListe stations(data.session, ReferenceLists::Kind(0));
        CHECK_NAMED(stations);
        frmGestListe rosterFolders(data.session, editor);
        CHECK_NAMED(rosterFolders);
        frmGestionDossier folders(data.session, editor);
        CHECK_NAMED(folders);
        frmGestionFichier files(data.session);
        CHECK_NAMED(files);

        for (PrintSide side : {PrintSide::Recto, PrintSide::Verso}) {
            frmReglageCadres chooser(data.session, side);
            CHECK_NAMED(chooser);
            frmCentrage centring(data.session, side);
            CHECK_NAMED(centring);
            frmReglageGeneral shift(data.session, Calibration::shiftTitle(side));
            CHECK_NAMED(shift);
        }
        frmPositionCadre position(data.session, u"REGLAGE PRECIS DU CADRE NOM"_s);
        CHECK_NAMED(position);
        frmEspace spacing(data.session, u"REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES"_s);
        CHECK_NAMED(spacing);
        frmParametresImp exportWindow(data.session, frmParametresImp::Mode::Export);
        CHECK_NAMED(exportWindow);

        CaraibeConversion conversion(data.dataFolder());
        frmChoixFichier rosterFile(data.dataFolder(), data.prompts);
        CHECK_NAMED(rosterFile);
        frmCheminDossier destination(conversion, data.prompts);
        CHECK_NAMED(destination);
        frmReglagePara criteria(conversion, data.prompts);
        CHECK_NAMED(criteria);

        frmVerso verso(data.session, EditorLayout::Editor1024);
        verso.setAttribute(Qt::WA_DeleteOnClose, false);
        CHECK_NAMED(verso);
        for (PrintSide side : {PrintSide::Recto, PrintSide::Verso}) {
            frmPreview preview(data.session, side);
            preview.setAttribute(Qt::WA_DeleteOnClose, false);
            CHECK_NAMED(preview);
        }
    }
};

KERBO_TEST(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
