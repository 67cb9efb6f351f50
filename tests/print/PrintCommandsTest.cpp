#include "TestMain.h"

#include "FakePrompts.h"
#include "app/AppState.h"
#include "app/TextFile.h"
#include "editor/EditorWindow.h"
#include "print/PrintCommands.h"
#include "print/PrintLayoutFile.h"
#include "print/PrinterChoice.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct Folder {
    QTemporaryDir dir;
    AppState state;
    FakePrompts prompts;

    Folder()
    {
        QDir(dir.path()).mkdir(QStringLiteral("DataBul"));
        state.config.ouestKerbo = dir.path() + QLatin1Char('/');
        state.config.rectoFont = {QStringLiteral("DejaVu Sans"), 10, QStringLiteral("False"),
                                  QStringLiteral("False")};
        state.record.setSlot(1, QStringLiteral("DUPONT"));
    }
    QString pdf() const { return dir.filePath(QStringLiteral("recto.pdf")); }
};

void checkQuestion(const FakePrompts::Call &call)
{
    QCOMPARE(call.kind, QStringLiteral("question"));
    QCOMPARE(call.title, QStringLiteral("Kerbo"));
    QCOMPARE(call.text, QStringLiteral(" IMPRIMER ?"));
    QCOMPARE(call.buttons, Prompts::Buttons::OkCancel);
    QCOMPARE(call.defaultAnswer, Prompts::Answer::Ok);
}

} // namespace

class PrintCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void layoutIsLoadedBeforeAskingAndCancelPrintsNothing()
    {
        Folder f;
        PrintLayout factory;
        factory.DefautParaImp();
        factory.ParaImpX[1] = QStringLiteral("61");
        QVERIFY(SauveParametresImp(factory, f.state.config.dataFolder()));
        f.state.printerChoice.choosePdfFile(f.pdf());
        QVERIFY(!PrintCommands::printRecto(f.state, f.prompts));
        QCOMPARE(f.state.printLayout.ParaImpX[1], QStringLiteral("61"));
        QCOMPARE(f.prompts.calls.size(), 1);
        checkQuestion(f.prompts.last());
        QVERIFY(!QFile::exists(f.pdf()));

        // A layout already in memory is not read again.
        f.state.printLayout.ParaImpX[1] = QStringLiteral("70");
        PrintCommands::printRecto(f.state, f.prompts);
        QCOMPARE(f.state.printLayout.ParaImpX[1], QStringLiteral("70"));
    }

    void okPrintsOnePage()
    {
        Folder f;
        f.state.printLayout.DefautParaImp();
        f.state.printerChoice.choosePdfFile(f.pdf());
        f.prompts.answers.push_back(Prompts::Answer::Ok);
        QVERIFY(PrintCommands::printRecto(f.state, f.prompts));
        QCOMPARE(f.prompts.calls.size(), 1);
        QFile pdf(f.pdf());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), 1);
    }

    void withoutPrinterOnlyTheMessage()
    {
        if (PrinterChoice::anyPrinterInstalled())
            QSKIP("a printer is installed on this machine");
        Folder f;
        f.state.printLayout.DefautParaImp();
        const BulletinRecord before = f.state.record;
        const PrintLayout layoutBefore = f.state.printLayout;
        f.prompts.answers.push_back(Prompts::Answer::Ok);
        QVERIFY(!PrintCommands::printRecto(f.state, f.prompts));
        QCOMPARE(f.prompts.calls.size(), 2);
        const FakePrompts::Call &m = f.prompts.last();
        QCOMPARE(m.kind, QStringLiteral("message"));
        QCOMPARE(m.title, QStringLiteral("Attention n'y a acune imprimante installée!!"));
        QCOMPARE(m.text, QStringLiteral("Pour que le programme fonctionne normalement \r\n"
                                        "il faut qu'une imprimante soit installée par défaut.\r\n"
                                        "\r\n"
                                        "Kerbo ne peut donc pas imprimer vos bulletins."));
        QCOMPARE(m.icon, Prompts::Icon::Exclamation);
        QCOMPARE(f.state.printLayout, layoutBefore);
        QCOMPARE(f.state.record.slot(1), before.slot(1));
        QVERIFY(QDir(f.dir.path()).entryList(QDir::Files).isEmpty());
    }

    void editorCommandsAreWired()
    {
        Folder f;
        f.state.printLayout.DefautParaImp();
        EditorWindow editor(f.state, EditorLayout::Editor1024);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        PrintCommands::wire(editor, f.state, f.prompts);
        for (EditorCommand c :
             {EditorCommand::Print, EditorCommand::PrinterSetup, EditorCommand::ChoosePrinterFont})
            QVERIFY(editor.action(c)->isEnabled());
        editor.action(EditorCommand::Print)->trigger();
        QCOMPARE(f.prompts.calls.size(), 1);
        checkQuestion(f.prompts.last());
    }
};

KERBO_TEST(PrintCommandsTest)
#include "PrintCommandsTest.moc"
