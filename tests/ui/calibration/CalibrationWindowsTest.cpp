#include "TestMain.h"

#include "FakePrompts.h"
#include "PdfWords.h"
#include "TempDataFolder.h"
#include "core/base/Drives.h"
#include "core/print/PrintLayoutFile.h"
#include "ui/Session.h"
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
#include "ui/print/PrintCommands.h"
#include "ui/print/PrinterChoice.h"
#include "ui/startup/CommandWiring.h"
#include "ui/verso/frmVerso.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

const QString FileName = QStringLiteral("ParametresImp.txt");

// A data folder holding a calibrated layout file, and the session of a run that has not read it.
struct Run {
    TempDataFolder data;
    FakePrompts prompts;
    PrinterChoice printer;
    Session session{data.state, prompts, printer};
    QByteArray file;

    Run()
    {
        PrintLayout calibrated;
        calibrated.DefautParaImp();
        calibrated.DefautParaImpVerso();
        calibrated.ParaImpX[1] = QStringLiteral("61.5");
        calibrated.ParaImpY[95] = QStringLiteral(".5");
        file = TextFile::joinLines(PrintLayoutFile::lines(calibrated));
        data.write(FileName, file);
    }
    PrintLayout &layout() { return data.state.printLayout; }
};

// Acts on the next modal window once its event loop runs.
template <class Window> void onNextModal(std::function<void(Window *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *w = qobject_cast<Window *>(QApplication::activeModalWidget());
        QVERIFY(w);
        act(w);
    });
}

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace

class CalibrationWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void framePositionStoresTheSlidersOnOk()
    {
        Run r;
        ChargeParaImp(r.layout(), r.data.dataFolder());
        const QString title = QStringLiteral("REGLAGE PRECIS DU CADRE NOM");
        {
            frmPositionCadre w(r.session, title);
            w.show();
            QCOMPARE(w.windowTitle(), title);
            QCOMPARE(w.xControl()->box()->text(), QStringLiteral("615"));
            QCOMPARE(w.yControl()->box()->text(), QStringLiteral("65"));
            retype(w.xControl()->box(), QStringLiteral("125"));
            QCOMPARE(w.xControl()->slider()->value(), 125);
            QTest::mouseClick(w.okButton(), Qt::LeftButton);
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(r.layout().ParaImpX[1], QStringLiteral("12.5"));
        QCOMPARE(r.layout().ParaImpY[1], QStringLiteral("6.5"));
        {
            frmPositionCadre w(r.session, title);
            w.show();
            retype(w.xControl()->box(), QStringLiteral("3000"));
            retype(w.yControl()->box(), QStringLiteral("-4"));
            // The typed text stays as typed; the sliders hold their bounds.
            QCOMPARE(w.xControl()->box()->text(), QStringLiteral("3000"));
            QCOMPARE(w.xControl()->slider()->value(), 2970);
            QCOMPARE(w.yControl()->slider()->value(), 0);
            QTest::mouseClick(w.okButton(), Qt::LeftButton);
        }
        QCOMPARE(r.layout().ParaImpX[1], QStringLiteral("297"));
        QCOMPARE(r.layout().ParaImpY[1], QStringLiteral("0"));
        {
            frmPositionCadre w(r.session, title);
            w.show();
            w.yControl()->slider()->setValue(701);
            QCOMPARE(w.yControl()->box()->text(), QStringLiteral("701"));
            QTest::mouseClick(w.resetXButton(), Qt::LeftButton);
            QCOMPARE(w.xControl()->box()->text(), QStringLiteral("0"));
            QCOMPARE(r.layout().ParaImpX[1], QStringLiteral("297")); // stored only on OK
            QTest::mouseClick(w.cancelButton(), Qt::LeftButton);
        }
        QCOMPARE(r.layout().ParaImpX[1], QStringLiteral("297"));
        QCOMPARE(r.layout().ParaImpY[1], QStringLiteral("0"));
        QVERIFY(r.prompts.calls.isEmpty());
        QCOMPARE(r.data.read(FileName), r.file); // nothing saved before the chooser's "Quitter"
    }

    void spacingWindowKeepsTheDriverUntilTheLengthFits()
    {
        Run r;
        ChargeParaImp(r.layout(), r.data.dataFolder());
        {
            frmEspace w(r.session, QStringLiteral("REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES"));
            w.show();
            QCOMPARE(w.valueBox()->text(), QStringLiteral("4.3"));
            retype(w.valueBox(), QStringLiteral("7,5"));
            QTest::keyClick(w.valueBox(), Qt::Key_Return);
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(r.layout().ParaImpY[53], QStringLiteral("7.5"));

        frmEspace w(r.session, QStringLiteral("LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN"));
        w.show();
        QCOMPARE(w.valueBox()->text(), QStringLiteral("110"));
        retype(w.valueBox(), QStringLiteral("15"));
        QTest::mouseClick(w.okButton(), Qt::LeftButton);
        QVERIFY(w.isVisible());
        QCOMPARE(r.prompts.last().text, QStringLiteral("VALEUR INFERIEURE A 20 RECOMMANCEZ SVP"));
        QCOMPARE(w.valueBox()->selectedText(), QStringLiteral("15"));
        QCOMPARE(r.layout().ParaImpX[90], QStringLiteral("15"));
        // The close box lets the driver out with the value found on opening.
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(r.layout().ParaImpX[90], QStringLiteral("110"));
        QCOMPARE(r.layout().ParaImpY[53], QStringLiteral("7.5"));
    }

    void centringAndShiftStoreLiveAndCancelRestores()
    {
        Run r; // not loaded yet: the window loads the file first
        {
            frmCentrage w(r.session, PrintSide::Recto);
            w.show();
            QCOMPARE(w.windowTitle(), QStringLiteral("CENTRAGE DU BULLETIN RECTO"));
            QCOMPARE(w.yControl()->box()->text(), QStringLiteral("5"));
            w.yControl()->slider()->setValue(-12);
            QCOMPARE(r.layout().ParaImpY[95], QStringLiteral("-1.2")); // a print now uses it
            w.yControl()->slider()->setValue(-80);
            QCOMPARE(r.layout().ParaImpY[95], QStringLiteral("-5"));
            QTest::mouseClick(w.cancelButton(), Qt::LeftButton);
        }
        QCOMPARE(r.layout().ParaImpY[95], QStringLiteral(".5"));
        QCOMPARE(r.data.read(FileName), r.file);
        {
            frmCentrage w(r.session, PrintSide::Recto);
            w.show();
            QTest::mouseClick(w.resetYButton(), Qt::LeftButton);
            QCOMPARE(r.layout().ParaImpY[95], QStringLiteral("0"));
            retype(w.xControl()->box(), QStringLiteral("15"));
            QTest::mouseClick(w.okButton(), Qt::LeftButton);
            QTest::mouseClick(w.infoButton(), Qt::LeftButton);
        }
        QCOMPARE(r.prompts.last().title, QStringLiteral("Information"));
        PrintLayout saved;
        ChargeParaImp(saved, r.data.dataFolder());
        QCOMPARE(saved.ParaImpX[95], QStringLiteral("1.5"));
        QCOMPARE(saved.ParaImpY[95], QStringLiteral("0"));

        // The general shift: the same live storing; its close box cancels and saves.
        const QString before = r.layout().ParaImpX[0];
        frmReglageGeneral w(r.session, Calibration::shiftTitle(PrintSide::Recto));
        w.show();
        w.xControl()->slider()->setValue(-1950);
        QCOMPARE(r.layout().ParaImpX[0], QStringLiteral("-190"));
        w.close();
        QCOMPARE(r.layout().ParaImpX[0], before);
        ChargeParaImp(saved, r.data.dataFolder());
        QCOMPARE(saved.ParaImpX[0], before);
        QVERIFY(r.prompts.calls.size() == 1);
    }

    // The chooser's "Quitter" saves the whole layout: opened first thing in a run, it must
    // write back the driver's file as it was.
    void chooserOpenedFirstThingKeepsTheFile()
    {
        Run r;
        EditorWindow editor(r.data.state, EditorLayout::Editor1024);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        wireCommands(editor, r.session);
        for (EditorCommand c : {EditorCommand::CalibrationRecto, EditorCommand::CentringRecto,
                                EditorCommand::SavePrintParams, EditorCommand::ImportPrintParams})
            QVERIFY(editor.action(c)->isEnabled());
        QString title;
        onNextModal<frmReglageCadres>([&title](frmReglageCadres *chooser) {
            title = chooser->windowTitle();
            QVERIFY(!chooser->commandButton(QStringLiteral("Calibrage Ecran-Imprimante"))
                         ->isVisibleTo(chooser));
            chooser->commandButton(QStringLiteral("Quitter"))->click();
        });
        editor.action(EditorCommand::CalibrationRecto)->trigger();
        QCOMPARE(title, QStringLiteral("REGLAGE PRECIS DE CHAQUE CADRE SUR L'IMPRIMANTE"));
        QCOMPARE(r.data.read(FileName), r.file);
        QVERIFY(r.prompts.calls.isEmpty());
    }

    // The verso editor and the previews open the chooser of their own side.
    void versoEditorAndPreviewOpenTheirSide()
    {
        Run r;
        EditorWindow editor(r.data.state, EditorLayout::Editor1024);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        wireCommands(editor, r.session);
        frmVerso verso(r.session, EditorLayout::Editor1024);
        frmPreview preview(r.session, PrintSide::Recto);
        QStringList seen;
        const auto quit = [&seen](frmReglageCadres *chooser) {
            const QPushButton *screen =
                chooser->commandButton(QStringLiteral("Calibrage Ecran-Imprimante"));
            seen << chooser->windowTitle() + (screen->isVisibleTo(chooser) ? " +" : "");
            chooser->commandButton(QStringLiteral("Quitter"))->click();
        };
        onNextModal<frmReglageCadres>(quit);
        verso.button(frmVerso::Button::Calibration)->click();
        onNextModal<frmReglageCadres>(quit);
        preview.button(frmPreview::Button::Calibration)->click();
        onNextModal<frmCentrage>([&seen](frmCentrage *centring) {
            seen << centring->windowTitle();
            centring->okButton()->click();
        });
        verso.button(frmVerso::Button::Centring)->click();
        QCOMPARE(seen, QStringList({"REGLAGE PRECIS DE CHAQUE CADRE  VERSO DU BULLETIN SUR "
                                    "L'IMPRIMANTE",
                                    "REGLAGE PRECIS DE CHAQUE CADRE SUR L'IMPRIMANTE +",
                                    "CENTRAGE DU BULLETIN VERSO"}));
        QCOMPARE(r.data.read(FileName), r.file);
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
        QVERIFY(chooser.frameButton(1));
        QVERIFY(!chooser.frameButton(53));
        onNextModal<frmPositionCadre>([](frmPositionCadre *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("REGLAGE PRECIS DU CADRE NOM"));
            retype(w->xControl()->box(), QStringLiteral("1000"));
            w->okButton()->click();
        });
        chooser.frameButton(1)->click();
        QCOMPARE(r.data.read(FileName), r.file); // in memory until "Quitter"
        chooser.close();                         // the close box acts as "Quitter"
        QCOMPARE(refreshed, 1);
        PrintLayout saved;
        ChargeParaImp(saved, r.data.dataFolder());
        QCOMPARE(saved.ParaImpX[1], QStringLiteral("100"));

        // The next print puts the name there (no general shift, no horizontal centring).
        if (!pdftotextInstalled()) QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = r.data.dir.filePath(QStringLiteral("recto.pdf"));
        r.printer.choosePdfFile(pdf);
        r.data.state.record.setSlot(1, QStringLiteral("DUPONT"));
        QVERIFY(SortieImpimante(r.session));
        QList<PdfWord> words;
        readPdf(pdf, words);
        const auto name = std::find_if(words.cbegin(), words.cend(),
                                       [](const PdfWord &w) { return w.text == "DUPONT"; });
        QVERIFY(name != words.cend());
        QVERIFY(std::abs(name->xMin - 100) < 0.5);
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
        QCOMPARE(verso.windowTitle(),
                 QStringLiteral("REGLAGE PRECIS DE CHAQUE CADRE  VERSO DU BULLETIN SUR "
                                "L'IMPRIMANTE"));
        QVERIFY(verso.commandButton(QStringLiteral("Calibrage Ecran-Imprimante"))->isVisible());
        QVERIFY(!verso.commandButton(QStringLiteral("Aide")));
        QVERIFY(verso.frameButton(91) && !verso.frameButton(1));
        r.layout().ParaImpY[95] = QStringLiteral("3");
        verso.commandButton(QString::fromUtf16(u"Paramétres par défaut"))->click();
        QCOMPARE(changed, 1);
        QCOMPARE(r.layout().ParaImpY[95], QStringLiteral("0"));
        QCOMPARE(r.prompts.last().title, QStringLiteral("PARAMETRES IMPRIMANTE VERSO RETABLIS"));

        onNextModal<frmEspace>([](frmEspace *w) {
            QCOMPARE(w->windowTitle(),
                     QStringLiteral("LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN"));
            retype(w->valueBox(), QStringLiteral("90"));
            w->okButton()->click();
        });
        verso.commandButton(QStringLiteral("LONGUEUR DU TEXTE  OBSERVATIONS  DU MECANICIEN"))
            ->click();
        QCOMPARE(changed, 2);
        QCOMPARE(r.layout().ParaImpX[90], QStringLiteral("90"));

        onNextModal<frmReglageGeneral>([](frmReglageGeneral *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("CALIBRAGE ECRAN-IMPRIMANTE VERSO"));
            w->yControl()->slider()->setValue(10);
            w->okButton()->click();
        });
        verso.commandButton(QStringLiteral("Calibrage Ecran-Imprimante"))->click();
        PrintLayout saved; // the shift window saves at once
        ChargeParaImp(saved, r.data.dataFolder());
        QCOMPARE(saved.ParaImpY[93], QStringLiteral("1"));
        QCOMPARE(saved.ParaImpX[90], QStringLiteral("90"));
    }

    // Exported from one data folder, imported into another through the windows.
    void exportThenImportIntoAnotherDataFolder()
    {
        QTemporaryDir home;
        const QByteArray previousHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        Run from;
        {
            frmParametresImp w(from.session, frmParametresImp::Mode::Export);
            w.show();
            QCOMPARE(w.windowTitle(), QStringLiteral("SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE"));
            QCOMPARE(w.choice()->text(), Drives::clean(home.path()));
            // A drive that cannot be read leaves the lists where they were.
            w.pane()->driveList()->addItem(QStringLiteral("absent"),
                                           home.filePath(QStringLiteral("absent")));
            emit w.pane()->driveList()->activated(w.pane()->driveList()->count() - 1);
            QCOMPARE(from.prompts.last().text,
                     QString::fromUtf16(u"Il serait préférable de mettre une disquette !"));
            QCOMPARE(w.pane()->folder(), Drives::clean(home.path()));

            from.prompts.inputs.push_back(QStringLiteral("SAUVE"));
            w.createButton()->click();
            QListWidget *folders = w.pane()->folderList();
            const QList<QListWidgetItem *> created = folders->findItems("SAUVE", Qt::MatchExactly);
            QCOMPARE(created.size(), 1);
            folders->setCurrentItem(created.first());
            QTest::keyClick(folders, Qt::Key_Return);
            QCOMPARE(w.choice()->text(), Drives::clean(home.filePath(QStringLiteral("SAUVE"))));
            w.actionButton()->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        QFile copy(home.filePath(QStringLiteral("SAUVE/ParametresImp.txt")));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), from.file);

        Run to;
        to.data.write(FileName, QByteArray());
        ChargeParaImp(to.layout(), to.data.dataFolder());
        frmParametresImp w(to.session, frmParametresImp::Mode::Import);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("IMPORTATION DES PARAMETRES DE L'IMPRIMANTE"));
        QVERIFY(!w.createButton());
        w.pane()->setFolder(home.filePath(QStringLiteral("SAUVE")));
        QCOMPARE(w.pane()->fileList()->item(0)->text(), FileName);
        w.actionButton()->click();
        qputenv("HOME", previousHome);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(to.data.read(FileName), from.file);
        QCOMPARE(to.layout().ParaImpX[1], QStringLiteral("61.5"));
    }
};

KERBO_TEST(CalibrationWindowsTest)
#include "CalibrationWindowsTest.moc"
