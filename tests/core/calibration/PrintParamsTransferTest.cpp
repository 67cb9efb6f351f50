#include "TestMain.h"

#include "FakePrompts.h"
#include "FileSizeLimit.h"
#include "RecordingPage.h"
#include "TempDataFolder.h"
#include "core/calibration/PrintParamsTransfer.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintLayoutFile.h"
#include "core/print/RectoPrinter.h"

namespace {

using Outcome = PrintParamsTransfer::Outcome;
const QString FileName = QStringLiteral("ParametresImp.txt");

QByteArray layoutBytes(const char *nomX)
{
    PrintLayout layout;
    layout.DefautParaImp();
    layout.DefautParaImpVerso();
    layout.ParaImpX[1] = QString::fromLatin1(nomX);
    return TextFile::joinLines(PrintLayoutFile::lines(layout));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString ImportFailure = QStringLiteral(
    "IMPOSSIBILITE D'IMPORTER LES PARAMETRES. LE FICHIER DE SAUVEGARDE EST INTROUVABLE OU "
    "DIFFERRENT  OU IL N'Y A PAS DE DISQUETTE DANS LE LECTEUR. PROCESSUS INTERROMPU !! ");

} // namespace

class PrintParamsTransferTest : public QObject
{
    Q_OBJECT
private slots:
    void exportAsksBeforeReplacingAnEarlierCopy()
    {
        TempDataFolder data;
        QTemporaryDir disk;
        FakePrompts prompts;
        data.write(FileName, layoutBytes("61"));
        QCOMPARE(PrintParamsTransfer::exportTo(data.dataFolder(), disk.path(), prompts),
                 Outcome::Done);
        const QString copy = disk.filePath(FileName);
        QCOMPARE(readFile(copy), layoutBytes("61"));
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.last().text,
                 QString::fromUtf16(u"Fichier ParametresImp.txt sauvegardé dans le dossier ") +
                     QDir::toNativeSeparators(disk.path()));

        data.write(FileName, layoutBytes("62"));
        QCOMPARE(PrintParamsTransfer::exportTo(data.dataFolder(), disk.path(), prompts),
                 Outcome::Stay);
        const FakePrompts::Call &q = prompts.last();
        QCOMPARE(q.kind, QStringLiteral("question"));
        QCOMPARE(q.title, QStringLiteral("ATTENTION !!"));
        QCOMPARE(q.text,
                 QString::fromUtf16(u"Attention il existe déja un fichier nommé ParametresImp.txt"
                                    u"\r\nDésirez-vous vraiment réecrire ce fichier ?\r\n\r\n"
                                    u"Sinon créez un nouveau dossier qui contiendra cette "
                                    u"nouvelle sauvegarde."));
        QCOMPARE(q.icon, Prompts::Icon::Question);
        QCOMPARE(q.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(q.defaultAnswer, Prompts::Answer::No);
        QCOMPARE(readFile(copy), layoutBytes("61")); // No keeps the older copy

        prompts.answers.push_back(Prompts::Answer::Yes);
        QCOMPARE(PrintParamsTransfer::exportTo(data.dataFolder(), disk.path(), prompts),
                 Outcome::Done);
        QCOMPARE(readFile(copy), layoutBytes("62"));
    }

    void exportWithoutALayoutFileCopiesNothing()
    {
        TempDataFolder data;
        QTemporaryDir disk;
        FakePrompts prompts;
        QCOMPARE(PrintParamsTransfer::exportTo(data.dataFolder(), disk.path(), prompts),
                 Outcome::Stay);
        QCOMPARE(prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QVERIFY(!QFile::exists(disk.filePath(FileName)));
    }

    void importReplacesTheLayoutAndTheNextPrintUsesIt()
    {
        TempDataFolder data;
        QTemporaryDir disk;
        FakePrompts prompts;
        data.write(FileName, layoutBytes("60"));
        ChargeParaImp(data.state.printLayout, data.dataFolder());
        // A copy edited by hand elsewhere: blanks kept, no final line end.
        QByteArray saved = layoutBytes("75.5");
        saved.replace("\r\n75.5\r\n", "\r\n 75.5\r\n");
        saved.chop(2);
        writeFile(disk.filePath(FileName), saved);

        QCOMPARE(PrintParamsTransfer::importFrom(disk.path(), data.dataFolder(),
                                                 data.state.printLayout, prompts),
                 Outcome::Done);
        QCOMPARE(data.read(FileName), saved); // byte for byte
        QCOMPARE(prompts.last().text,
                 QString::fromUtf16(u"Fichier ParametresImp.txt importé dans le dossier ") +
                     QDir::toNativeSeparators(data.programFolder() + QStringLiteral("DataBul")));
        QCOMPARE(prompts.last().icon, Prompts::Icon::Information);

        data.state.record.setSlot(1, QStringLiteral("DUPONT"));
        RecordingPage page;
        RectoPrinter::draw(data.state.record, data.state.printLayout, data.state.config.options,
                           RectoPrinter::printShift(data.state.printLayout), page);
        QCOMPARE(page.find(QStringLiteral("DUPONT")).size(), 1);
        QCOMPARE(page.find(QStringLiteral("DUPONT")).first().x, 75.5);
    }

    void foreignOrMissingFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("two lines") << QByteArray("60\r\n6.5\r\n") << true;
        QByteArray binary = layoutBytes("61");
        binary[10] = '\0';
        QTest::newRow("binary") << binary << true;
        QTest::newRow("a day file") << QByteArray("NOM\r\n").repeated(250) << true;
        QTest::newRow("huge") << layoutBytes("61") + QByteArray(70000, '\n') << true;
    }
    void foreignOrMissingFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        TempDataFolder data;
        QTemporaryDir disk;
        FakePrompts prompts;
        data.write(FileName, layoutBytes("60"));
        ChargeParaImp(data.state.printLayout, data.dataFolder());
        const PrintLayout before = data.state.printLayout;
        if (present) writeFile(disk.filePath(FileName), bytes);
        QCOMPARE(PrintParamsTransfer::importFrom(disk.path(), data.dataFolder(),
                                                 data.state.printLayout, prompts),
                 Outcome::Stay);
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.last().text, ImportFailure);
        QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(data.read(FileName), layoutBytes("60"));
        QVERIFY(data.state.printLayout == before);
    }

    // The disk fills up while the imported copy is written: nothing changes but the message.
    void importOnAFullDiskChangesNothing()
    {
        TempDataFolder data;
        QTemporaryDir disk;
        FakePrompts prompts;
        data.write(FileName, layoutBytes("60"));
        ChargeParaImp(data.state.printLayout, data.dataFolder());
        const PrintLayout before = data.state.printLayout;
        writeFile(disk.filePath(FileName), layoutBytes("75.5"));
        {
            FileSizeLimit full(64);
            QCOMPARE(PrintParamsTransfer::importFrom(disk.path(), data.dataFolder(),
                                                     data.state.printLayout, prompts),
                     Outcome::Stay);
        }
        QCOMPARE(data.read(FileName), layoutBytes("60"));
        QVERIFY(data.state.printLayout == before);
        QCOMPARE(prompts.calls.size(), 1);
        QVERIFY(prompts.last().text.startsWith(ImportFailure + QStringLiteral("\r\n\r\n")));
    }

    void layoutFileAllowsBlankValuesAndTrailingBlankLines()
    {
        PrintLayout layout; // item 92 has no factory value: empty lines are normal
        layout.DefautParaImp();
        layout.DefautParaImpVerso();
        const QByteArray bytes = TextFile::joinLines(PrintLayoutFile::lines(layout));
        QVERIFY(bytes.contains("\r\n\r\n"));
        QVERIFY(PrintParamsTransfer::isLayoutFile(bytes));
        QVERIFY(PrintParamsTransfer::isLayoutFile(bytes + "\r\n  \r\n"));
        QVERIFY(PrintParamsTransfer::isLayoutFile(QByteArray(bytes).replace("\r\n", "\n")));
        QVERIFY(!PrintParamsTransfer::isLayoutFile(bytes + "5\r\n"));
    }

    void createFolderAsksAName()
    {
        QTemporaryDir disk;
        FakePrompts prompts;
        prompts.inputs = {QStringLiteral("SAUVE 2007"), QStringLiteral("SAUVE 2007"),
                          QStringLiteral("A/B")};
        QCOMPARE(PrintParamsTransfer::createFolder(disk.path(), prompts),
                 Paths::join(disk.path(), QStringLiteral("SAUVE 2007")));
        QVERIFY(QFileInfo(disk.filePath(QStringLiteral("SAUVE 2007"))).isDir());
        QCOMPARE(prompts.calls[0].title, QStringLiteral("CRER UN NOUVEAU DOSSIER"));
        QCOMPARE(prompts.calls[0].text,
                 QStringLiteral("ENTRER UN NOM POUR CE DOSSIER ET REFAIRE LE CHEMIN POUR CHOISIR "
                                "CE DOSSIER "));
        QCOMPARE(prompts.calls[1].text, QString::fromUtf16(u"Le dossier SAUVE 2007 a été créé !"));

        QVERIFY(PrintParamsTransfer::createFolder(disk.path(), prompts).isEmpty()); // exists
        QCOMPARE(prompts.last().title, QStringLiteral("CREATION IMPOSSIBLE"));
        QVERIFY(PrintParamsTransfer::createFolder(disk.path(), prompts).isEmpty()); // A/B
        QCOMPARE(prompts.last().title, QStringLiteral("CREATION IMPOSSIBLE"));
        QVERIFY(!QFileInfo::exists(disk.filePath(QStringLiteral("A"))));
    }
};

KERBO_TEST(PrintParamsTransferTest)
#include "PrintParamsTransferTest.moc"
