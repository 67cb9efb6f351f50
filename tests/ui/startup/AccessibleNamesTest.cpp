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

// Runs the check on each window of the program, made for it.
void forEveryWindow(const std::function<void(QWidget &)> &check)
{
    SessionFolder data;
    data.saveFactoryLayout();
    EditorWindow editor(data.state, EditorLayout::Editor1024);
    editor.setAttribute(Qt::WA_DeleteOnClose, false);
    check(editor);

    const auto made = [&check](QWidget &&window) { check(window); };
    made(frmCartouche(data.state, data.prompts, false));
    made(frmCartouche(data.state, data.prompts, true));
    made(frmOption(data.session));
    made(frmAutomatisme(data.session));
    made(frmGestListe(data.session, ReferenceLists::Kind(0)));
    made(frmGestListe(data.session, editor));
    made(frmGestionDossier(data.session, editor));
    made(frmGestionFichier(data.session));
    for (PrintSide side : {PrintSide::Recto, PrintSide::Verso}) {
        made(frmReglageCadres(data.session, side));
        made(frmCentrage(data.session, side));
        made(frmReglageGeneral(data.session, Calibration::shiftTitle(side)));
        made(frmPreview(data.session, side));
    }
    made(frmPositionCadre(data.session, u"REGLAGE PRECIS DU CADRE NOM"_s));
    made(frmEspace(data.session, u"REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES"_s));
    made(frmParametresImp(data.session, frmParametresImp::Mode::Export));
    made(frmVerso(data.session, EditorLayout::Editor1024));

    CaraibeConversion conversion(data.dataFolder());
    made(frmChoixFichier(data.dataFolder(), data.prompts));
    made(frmCheminDossier(conversion, data.prompts));
    made(frmReglagePara(conversion, data.prompts));
}

// The captions and buttons of the window, shown, that have less room than their text takes.
// The form's own boxes are drawn in the form's fonts, whatever the desktop's.
QStringList cutCaptions(QWidget &window)
{
    QStringList cut;
    const auto widgets = window.findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(&window)) continue;
        QString text;
        QSize needed;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
            text = label->text();
            needed = label->wordWrap()
                         ? QSize(0, label->heightForWidth(label->contentsRect().width()))
                         : label->sizeHint();
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            needed = button->sizeHint();
        }
        if (text.isEmpty()) continue;
        if (needed.width() > w->width() || needed.height() > w->height())
            cut << u"\"%1\" %2x%3 for %4x%5"_s.arg(text)
                       .arg(w->width())
                       .arg(w->height())
                       .arg(needed.width())
                       .arg(needed.height());
    }
    return cut;
}

} // namespace

// What a screen reader says of each window: every box, list and button the keys reach has a
// name, the caption beside it. What the title bar says of it: its whole title.
class AccessibleNamesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyControlOfEveryWindowHasAName()
    {
        forEveryWindow([](QWidget &window) { checkNamed(window); });
    }

    // A driver who reads badly sets the desktop's font at 18 points: every caption and button
    // of every window shows its whole text, none cut by its neighbour or the window's edge, and
    // every window fits a laptop's screen of 1366x768, its title bar and frame included (the
    // previews fill the screen), also with a drive of a long name.
    void everyCaptionShowsWholeAtALargeFont()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        if (screen.width() < 1366 || screen.height() < 768) QSKIP("needs a 1366x768 screen");
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(u"DejaVu Sans"_s, 18));
        const auto fits = [](QWidget &window) {
            QVERIFY2(window.isMaximized() || fitsScreen(&window, window.size()),
                     qPrintable(u"%1: %2x%3"_s.arg(window.windowTitle())
                                    .arg(window.width())
                                    .arg(window.height())));
        };
        const auto check = [&fits](QWidget &window) {
            window.show();
            QCoreApplication::processEvents(); // the layout asked again once shown
            const QStringList cut = cutCaptions(window);
            QVERIFY2(cut.isEmpty(), qPrintable(window.windowTitle() + u": "_s + cut.join(u", "_s)));
            fits(window);
            window.hide();
        };
        forEveryWindow(check);
        // The home folder is a drive of the drive lists: one with a long name.
        QTemporaryDir folder;
        const QString home = folder.filePath(u"jean-baptiste.dupont/SAUVEGARDE DEPOT RENNES"_s);
        QVERIFY(QDir().mkpath(home));
        const QByteArray homeBefore = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home));
        forEveryWindow(check);
        qputenv("HOME", homeBefore);
        QApplication::setFont(desktop);
    }
};

KERBO_TEST(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
