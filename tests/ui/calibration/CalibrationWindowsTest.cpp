#include "TestMain.h"

#include "../SessionFolder.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"
#include "core/base/Drives.h"
#include "ui/calibration/CalibrationWindows.h"
#include "ui/calibration/TenthsControl.h"
#include "ui/calibration/frmCentrage.h"
#include "ui/calibration/frmEspace.h"
#include "ui/calibration/frmParametresImp.h"
#include "ui/calibration/frmPositionCadre.h"
#include "ui/calibration/frmReglageCadres.h"
#include "ui/calibration/frmReglageGeneral.h"
#include "ui/editor/EditorWindow.h"
#include "ui/folders/FolderPane.h"
#include "ui/preview/frmPreview.h"
#include "ui/startup/CommandWiring.h"
#include "ui/verso/frmVerso.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

const QString FileName = u"ParametresImp.txt"_s;
const QString Screen = u"Calibrage Ecran-Imprimante"_s;

// A data folder holding a calibrated layout file, and the session of a run that has not read it.
struct Run : SessionFolder {
    QByteArray file;

    explicit Run(bool loaded = false)
    {
        PrintLayout calibrated;
        calibrated.DefautParaImp();
        calibrated.DefautParaImpVerso();
        calibrated.ParaImpX[1] = u"61.5"_s;
        calibrated.ParaImpY[95] = u".5"_s;
        file = TextFile::joinLines(PrintLayoutFile::lines(calibrated));
        write(FileName, file);
        if (loaded) ChargeParaImp(layout(), dataFolder());
    }
    PrintLayout &layout() { return state.printLayout; }

    PrintLayout saved() const
    {
        PrintLayout layout;
        ChargeParaImp(layout, dataFolder());
        return layout;
    }
};

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Every line of text a window shows, on its labels and its buttons.
QStringList shownTexts(const QWidget &window)
{
    QStringList shown;
    for (const QLabel *label : window.findChildren<QLabel *>())
        shown << label->text().split(u'\n');
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        shown << button->text();
    return shown;
}

void verifyShows(const QWidget &window, const QStringList &texts)
{
    const QStringList shown = shownTexts(window);
    for (const QString &text : texts)
        QVERIFY2(shown.contains(text), qPrintable(window.windowTitle() + u" : "_s + text));
}

} // namespace

class CalibrationWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void framePositionStoresTheSlidersOnOk()
    {
        Run r(true);
        const QString title = u"REGLAGE PRECIS DU CADRE NOM"_s;
        {
            frmPositionCadre w(r.session, title);
            w.show();
            QCOMPARE(w.xControl()->box()->text(), u"615"_s);
            QCOMPARE(w.yControl()->box()->text(), u"65"_s);
            retype(w.xControl()->box(), u"3000"_s);
            retype(w.yControl()->box(), u"-4"_s);
            // The typed text stays as typed; the sliders hold their bounds.
            QCOMPARE(w.xControl()->box()->text(), u"3000"_s);
            QCOMPARE(w.xControl()->slider()->value(), 2970);
            QCOMPARE(w.yControl()->slider()->value(), 0);
            QTest::mouseClick(w.okButton(), Qt::LeftButton);
        }
        QCOMPARE(r.layout().ParaImpX[1], u"297"_s);
        QCOMPARE(r.layout().ParaImpY[1], u"0"_s);
        {
            frmPositionCadre w(r.session, title);
            w.show();
            w.yControl()->slider()->setValue(701);
            QCOMPARE(w.yControl()->box()->text(), u"701"_s);
            QTest::mouseClick(w.resetXButton(), Qt::LeftButton);
            QCOMPARE(w.xControl()->box()->text(), u"0"_s);
            QTest::mouseClick(w.cancelButton(), Qt::LeftButton);
        }
        QCOMPARE(r.layout().ParaImpX[1], u"297"_s); // stored only on OK
        QCOMPARE(r.layout().ParaImpY[1], u"0"_s);
        QVERIFY(r.prompts.calls.isEmpty());
        QCOMPARE(r.read(FileName), r.file); // nothing saved before the chooser's "Quitter"
    }

    void spacingWindowKeepsTheDriverUntilTheLengthFits()
    {
        Run r(true);
        {
            frmEspace w(r.session, u"LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN"_s);
            w.show();
            QCOMPARE(w.valueBox()->text(), u"110"_s);
            retype(w.valueBox(), u"15"_s);
            QTest::mouseClick(w.okButton(), Qt::LeftButton);
            QVERIFY(w.isVisible());
            QVERIFY(r.prompts.last().text.startsWith(u"VALEUR INFERIEURE"_s));
            QCOMPARE(w.valueBox()->selectedText(), u"15"_s);
            // The close box lets the driver out with the value found on opening.
            w.close();
            QVERIFY(!w.isVisible());
            QCOMPARE(r.layout().ParaImpX[90], u"110"_s);
        }
        frmEspace w(r.session, u"REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES"_s);
        w.show();
        retype(w.valueBox(), u"7,5"_s);
        QTest::keyClick(w.valueBox(), Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(r.layout().ParaImpY[53], u"7.5"_s);
    }

    void centringAndShiftStoreLiveAndCancelRestores()
    {
        Run r; // not loaded yet: the window loads the file first
        {
            frmCentrage w(r.session, PrintSide::Recto);
            w.show();
            QCOMPARE(w.windowTitle(), u"CENTRAGE DU BULLETIN RECTO"_s);
            QCOMPARE(w.yControl()->box()->text(), u"5"_s);
            // The keys start in the X box and go through the window as it reads; on the Y
            // slider, Up moves the handle up, towards the top of the form.
            QVERIFY(bringToFront(w));
            QCOMPARE(w.focusWidget(), w.xControl()->box());
            for (QWidget *next : QList<QWidget *>{w.xControl()->slider(), w.yControl()->box(),
                                                  w.yControl()->slider()}) {
                QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
                QCOMPARE(w.focusWidget(), next);
            }
            QTest::keyClick(w.yControl()->slider(), Qt::Key_Up);
            QCOMPARE(r.layout().ParaImpY[95], u".4"_s);
            w.yControl()->slider()->setValue(-12);
            QCOMPARE(r.layout().ParaImpY[95], u"-1.2"_s); // a print now uses it
            w.yControl()->slider()->setValue(-80);
            QCOMPARE(r.layout().ParaImpY[95], u"-5"_s); // the centring's limit
            QTest::mouseClick(w.cancelButton(), Qt::LeftButton);
        }
        QCOMPARE(r.layout().ParaImpY[95], u".5"_s);
        QCOMPARE(r.read(FileName), r.file);
        {
            frmCentrage w(r.session, PrintSide::Recto);
            w.show();
            QTest::mouseClick(w.resetYButton(), Qt::LeftButton);
            QCOMPARE(r.layout().ParaImpY[95], u"0"_s);
            retype(w.xControl()->box(), u"15"_s);
            QTest::mouseClick(w.okButton(), Qt::LeftButton);
            QTest::mouseClick(w.infoButton(), Qt::LeftButton);
        }
        QCOMPARE(r.prompts.last().title, u"Information"_s);
        QCOMPARE(r.saved().ParaImpX[95], u"1.5"_s);

        // The general shift: the same live storing; its close box cancels and saves.
        const QString before = r.layout().ParaImpX[0];
        frmReglageGeneral w(r.session, Calibration::shiftTitle(PrintSide::Recto));
        w.show();
        w.xControl()->slider()->setValue(-1950);
        QCOMPARE(r.layout().ParaImpX[0], u"-190"_s);
        w.close();
        QCOMPARE(r.layout().ParaImpX[0], before);
        QCOMPARE(r.saved().ParaImpX[0], before);
        QCOMPARE(r.prompts.calls.size(), 1);
    }

    // The centring chosen in the recto preview cannot be saved: it stays in use until Kerbo is
    // closed, as the driver is told, rather than being read back from the file.
    void centringFromThePreviewStaysWhenTheDiskIsFull()
    {
        Run r(true);
        CalibrationWindows::installHooks(r.session, [] {});
        frmPreview preview(r.session, PrintSide::Recto);
        onNextModal<frmCentrage>([](frmCentrage *w) {
            w->yControl()->slider()->setValue(-12);
            FileSizeLimit full(64);
            w->okButton()->click();
        });
        preview.button(frmPreview::Button::Centring)->click();
        QCOMPARE(r.read(FileName), r.file);
        QVERIFY(r.prompts.last().text.startsWith(u"LES PARAMETRES DE L'IMPRIMANTE N'ONT"_s));
        QCOMPARE(r.layout().ParaImpY[95], u"-1.2"_s);
    }

    // Each window opens the chooser of its side; "Quitter" first thing in a run keeps the file.
    void eachWindowOpensItsSideAndKeepsTheFile()
    {
        Run r;
        EditorWindow editor(r.state, EditorLayout::Editor1024);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        wireCommands(editor, r.session);
        for (EditorCommand c : {EditorCommand::CalibrationRecto, EditorCommand::CentringRecto,
                                EditorCommand::SavePrintParams, EditorCommand::ImportPrintParams})
            QVERIFY(editor.action(c)->isEnabled());
        frmVerso verso(r.session, EditorLayout::Editor1024);
        frmPreview preview(r.session, PrintSide::Recto);
        QStringList seen;
        const auto quit = [&seen](frmReglageCadres *chooser) {
            seen << chooser->windowTitle()
                        + (chooser->commandButton(Screen)->isVisibleTo(chooser) ? " +" : "");
            chooser->commandButton(u"Quitter"_s)->click();
        };
        onNextModal<frmReglageCadres>(quit);
        editor.action(EditorCommand::CalibrationRecto)->trigger();
        QCOMPARE(r.read(FileName), r.file);
        onNextModal<frmReglageCadres>(quit);
        verso.button(frmVerso::Button::Calibration)->click();
        onNextModal<frmReglageCadres>(quit);
        preview.button(frmPreview::Button::Calibration)->click();
        onNextModal<frmCentrage>([&seen](frmCentrage *centring) {
            seen << centring->windowTitle();
            centring->okButton()->click();
        });
        verso.button(frmVerso::Button::Centring)->click();
        // The two menu entries that carry the settings open the window each names.
        for (EditorCommand c : {EditorCommand::SavePrintParams, EditorCommand::ImportPrintParams}) {
            onNextModal<frmParametresImp>([&seen](frmParametresImp *transfer) {
                seen << transfer->windowTitle();
                transfer->reject();
            });
            editor.action(c)->trigger();
        }
        QCOMPARE(seen, QStringList({"REGLAGE PRECIS DE CHAQUE CADRE SUR L'IMPRIMANTE",
                                    "REGLAGE PRECIS DE CHAQUE CADRE  VERSO DU BULLETIN SUR "
                                    "L'IMPRIMANTE",
                                    "REGLAGE PRECIS DE CHAQUE CADRE SUR L'IMPRIMANTE +",
                                    "CENTRAGE DU BULLETIN VERSO",
                                    "SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE",
                                    "IMPORTATION DES PARAMETRES DE L'IMPRIMANTE"}));
        QCOMPARE(r.read(FileName), r.file);
        QVERIFY(r.prompts.calls.isEmpty());
    }

    // A frame moved in the chooser is saved once the chooser is left.
    void frameMovedInTheChooserIsSavedOnQuit()
    {
        Run r;
        int refreshed = 0;
        ChooserHooks hooks;
        hooks.refresh = [&refreshed] { ++refreshed; };
        frmReglageCadres chooser(r.session, PrintSide::Recto, hooks);
        chooser.show();
        QVERIFY(chooser.frameButton(1) && !chooser.frameButton(53));
        onNextModal<frmPositionCadre>([](frmPositionCadre *w) {
            QCOMPARE(w->windowTitle(), u"REGLAGE PRECIS DU CADRE NOM"_s);
            retype(w->xControl()->box(), u"1000"_s);
            w->okButton()->click();
        });
        chooser.frameButton(1)->click();
        QCOMPARE(r.read(FileName), r.file);      // in memory until "Quitter"
        chooser.close();                         // the close box acts as "Quitter"
        QCOMPARE(refreshed, 1);
        QCOMPARE(r.saved().ParaImpX[1], u"100"_s);
        QCOMPARE(r.layout().ParaImpX[1], u"100"_s); // the next print uses it
    }

    // The desktop session ends (its session manager asks Kerbo to quit) with the chooser open,
    // a frame moved in it and the general shift open over it: the windows close as cancelled and
    // nothing is saved that the chooser's "Quitter" did not confirm.
    void sessionEndOverTheChooserSavesNothing()
    {
        Run r(true);
        int refreshed = 0;
        ChooserHooks hooks;
        hooks.refresh = [&refreshed] { ++refreshed; };
        frmReglageCadres chooser(r.session, PrintSide::Recto, hooks);
        // A window that will not close keeps this test's event loops alive: Qt closes the
        // others, then gives up ending the run.
        struct Stays : QWidget {
            void closeEvent(QCloseEvent *event) override { event->ignore(); }
        } stays;
        stays.show();
        const QString shift = r.layout().ParaImpX[0];
        QTimer::singleShot(0, [&] {
            onNextModal<frmPositionCadre>([](frmPositionCadre *w) {
                retype(w->xControl()->box(), u"1000"_s);
                w->okButton()->click();
            });
            chooser.frameButton(1)->click();
            onNextModal<frmReglageGeneral>([](frmReglageGeneral *w) {
                w->xControl()->slider()->setValue(-300);
                QEvent quit(QEvent::Quit);
                QCoreApplication::sendEvent(qApp, &quit);
            });
            chooser
                .commandButton(u"Déplacement général de tous les cadres en hauteur et largeur"_s)
                ->click();
        });
        chooser.exec();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(r.read(FileName), r.file);
        QCOMPARE(r.layout().ParaImpX[0], shift);
        QCOMPARE(refreshed, 0);
        QVERIFY(r.prompts.calls.isEmpty());
    }

    void chooserCommandsBySide()
    {
        Run r;
        int changed = 0;
        ChooserHooks hooks;
        hooks.fromPreview = true;
        hooks.layoutChanged = [&changed] { ++changed; };
        frmReglageCadres verso(r.session, PrintSide::Verso, hooks);
        verso.show();
        QVERIFY(verso.commandButton(Screen)->isVisible());
        QVERIFY(!verso.commandButton(u"Aide"_s));
        QVERIFY(verso.frameButton(91) && !verso.frameButton(1));
        r.layout().ParaImpY[95] = u"3"_s;
        verso.commandButton(u"Paramétres par défaut"_s)->click();
        QCOMPARE(changed, 1);
        QCOMPARE(r.layout().ParaImpY[95], u"0"_s);

        onNextModal<frmEspace>([](frmEspace *w) {
            QCOMPARE(w->windowTitle(), u"LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN"_s);
            retype(w->valueBox(), u"90"_s);
            w->okButton()->click();
        });
        verso.commandButton(u"LONGUEUR DU TEXTE  OBSERVATIONS  DU MECANICIEN"_s)->click();
        QCOMPARE(changed, 2);
        QCOMPARE(r.layout().ParaImpX[90], u"90"_s);

        onNextModal<frmReglageGeneral>([](frmReglageGeneral *w) {
            QCOMPARE(w->windowTitle(), u"CALIBRAGE ECRAN-IMPRIMANTE VERSO"_s);
            w->yControl()->slider()->setValue(10);
            w->okButton()->click();
        });
        verso.commandButton(Screen)->click();
        const PrintLayout saved = r.saved(); // the shift window saves at once
        QCOMPARE(saved.ParaImpY[93], u"1"_s);
        QCOMPARE(saved.ParaImpX[90], u"90"_s);

        // Only the recto chooser has "Aide": the calibration help, not the editor's.
        frmReglageCadres recto(r.session, PrintSide::Recto);
        recto.commandButton(u"Aide"_s)->click();
        QVERIFY(r.prompts.last().text.contains(u"Aide2.html"_s));
    }

    // The windows' texts are those drivers know from their forms and the help file, odd
    // spellings and double blanks included: none is corrected on the way.
    void windowsShowTheirTextsLetterForLetter()
    {
        Run r(true);
        ChooserHooks fromPreview;
        fromPreview.fromPreview = true;
        const QStringList chooser = {
            u"Déplacement général de tous les cadres en hauteur et largeur"_s,
            u"Calibrage Ecran-Imprimante"_s, u"Paramétres par défaut"_s, u"Quitter"_s};
        verifyShows(
            frmReglageCadres(r.session, PrintSide::Recto, fromPreview),
            chooser + QStringList{u"CLIQUEZ SUR LE CADRE QUE VOUS                    VOULEZ "
                                  u"MODIFIER"_s,
                                  u"Nom"_s, u"Heure dép"_s, u"Engin moteur"_s, u"Let"_s, u"Emt"_s,
                                  u"Espace entre les caractères"_s,
                                  u"Espace  en hauteur des cadres B2 (Entre 2 Tâche)"_s,
                                  u"Espace en hauteur des cadres C (Entre 2 trains)"_s, u"Aide"_s});
        verifyShows(frmReglageCadres(r.session, PrintSide::Verso, fromPreview),
                    chooser + QStringList{u"Espace entre les lignes"_s,
                                          u"LONGUEUR DU TEXTE  OBSERVATIONS  DU MECANICIEN"_s});

        const QStringList moves = {u"OK"_s, u"Annuler"_s, u"Remise à zéro en hauteur"_s,
                                   u"Remise à zéro en largeur"_s, u"en  dixiéme de millimètre"_s};
        verifyShows(frmPositionCadre(r.session, u"REGLAGE PRECIS DU CADRE NOM"_s),
                    moves + QStringList{u"De 0  à 2970  MAXI  En HAUTEUR"_s,
                                        u"De 0  à 2100 MAXI  En HAUTEUR"_s,
                                        u"LES VALEURS NEGATIVES NE SONT PAS AUTORISEES"_s,
                                        u"ENTREZ ICI LA NOUVELLE POSITION X A PARTIR DU COTE "
                                        u"GAUCHE DU BULLETIN OU DEPLACEZ LE CURSEUR HORIZONTAL"_s,
                                        u"ENTREZ ICI LA NOUVELLE POSITION Y A PARTIR DU HAUT DU "
                                        u"BULLETIN OU DEPLACEZ LE CURSEUR VERTICAL"_s});
        verifyShows(frmReglageGeneral(r.session, Calibration::shiftTitle(PrintSide::Verso)),
                    moves + QStringList{u"+ 1900  A  - 1900 MAXI  En LARGEUR"_s,
                                        u"+ 1900  A  - 50 MAXI  En HAUTEUR"_s,
                                        u"Les valeurs positives sont utilisées pour abaisser les "
                                        u"cadres (Ex 1 baissera les cadres de 1/10 mm)."_s,
                                        u"Les valeurs négativesves sont utilisées pour remonter "
                                        u"les cadres (Ex -1 remontera les cadres de 1/10 mm )."_s});
        verifyShows(frmCentrage(r.session, PrintSide::Verso),
                    {u"&OK"_s, u"Annuler"_s, u"&Info"_s, u"Remise à zéro en hauteur"_s,
                     u"Remise à zéro en largeur"_s, u"+ 50  A  - 50 MAXI  En HAUTEUR"_s,
                     u"+ 50  A  - 50 MAXI  En LARGEUR"_s});
        verifyShows(frmEspace(r.session, u"REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES C"_s),
                    {u"ENTREZ ICI LA NOUVELLE VALEUR DE L'ESPACE"_s, u"en millimètre"_s, u"OK"_s});
        verifyShows(frmEspace(r.session, Calibration::observationLengthTitle()),
                    {u" NOUVELLE LONGUEUR DU TEXTE  MAXI 110 et MINI 20"_s});
        QVERIFY(r.prompts.calls.isEmpty());
    }

    // Tab reads the chooser row by row: a frame beside another comes before the frame below.
    void chooserTabGoesAlongTheRows()
    {
        Run r;
        using Steps = QList<std::pair<int, int>>;
        const std::pair<PrintSide, Steps> runs[] = {
            // B1 ("Heure FS" last) then B3 beside it ("Panier" first, "2 BS" last), then B2.
            {PrintSide::Recto, {{12, 23}, {26, 13}}},
            // E ("Obs bulletin" last) then J beside it, then H under them.
            {PrintSide::Verso, {{82, 89}, {89, 83}}},
        };
        for (const auto &[side, steps] : runs) {
            frmReglageCadres chooser(r.session, side);
            QVERIFY(bringToFront(chooser));
            for (const auto &[from, to] : steps) {
                chooser.frameButton(from)->setFocus();
                QTest::keyClick(chooser.frameButton(from), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), chooser.frameButton(to));
            }
        }
    }

    // Exported from one data folder, imported into another through the windows.
    void exportThenImportIntoAnotherDataFolder()
    {
        QTemporaryDir home;
        const QByteArray previousHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        const QString copy = home.filePath(u"SAUVE"_s);
        Run from;
        {
            frmParametresImp w(from.session, frmParametresImp::Mode::Export);
            w.show();
            QCOMPARE(w.windowTitle(), u"SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE"_s);
            QCOMPARE(w.choice()->text(), Drives::clean(home.path()));
            // A drive that cannot be read leaves the lists where they were.
            QComboBox *drives = w.pane()->driveList();
            drives->addItem(u"absent"_s, home.filePath(u"absent"_s));
            emit drives->activated(drives->count() - 1);
            QCOMPARE(from.prompts.last().text, u"Il serait préférable de mettre une disquette !"_s);
            QCOMPARE(w.pane()->folder(), Drives::clean(home.path()));

            from.prompts.inputs.push_back(u"SAUVE"_s);
            w.createButton()->click();
            QListWidget *folders = w.pane()->folderList();
            const QList<QListWidgetItem *> created = folders->findItems("SAUVE", Qt::MatchExactly);
            QCOMPARE(created.size(), 1);
            folders->setCurrentItem(created.first());
            QTest::keyClick(folders, Qt::Key_Return);
            QCOMPARE(w.choice()->text(), Drives::clean(copy));
            w.actionButton()->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(bytesOf(copy + u"/ParametresImp.txt"_s), from.file);

        Run to;
        to.write(FileName, QByteArray());
        frmParametresImp w(to.session, frmParametresImp::Mode::Import);
        w.show();
        QCOMPARE(w.windowTitle(), u"IMPORTATION DES PARAMETRES DE L'IMPRIMANTE"_s);
        QVERIFY(!w.createButton());
        w.pane()->setFolder(copy);
        QCOMPARE(w.pane()->fileList()->item(0)->text(), FileName);
        w.actionButton()->click();
        qputenv("HOME", previousHome);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(to.read(FileName), from.file);
    }
};

KERBO_TEST(CalibrationWindowsTest)
#include "CalibrationWindowsTest.moc"
