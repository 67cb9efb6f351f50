#include "TestMain.h"

#include "FakePrompts.h"
#include "FileSizeLimit.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "core/calibration/PrintParamsTransfer.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintLayoutFile.h"

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

// A data folder holding a layout file whose item 1 is at 60 mm, loaded; a disk to copy to.
struct Transfer {
    TempDataFolder data;
    QTemporaryDir disk;
    FakePrompts prompts;
    PrintLayout &layout = data.state.printLayout;

    Transfer()
    {
        data.write(FileName, layoutBytes("60"));
        ChargeParaImp(layout, data.dataFolder());
    }
    QString copy() const { return disk.filePath(FileName); }
    Outcome exportTo()
    {
        return PrintParamsTransfer::exportTo(data.dataFolder(), disk.path(), prompts);
    }
    Outcome importFrom()
    {
        return PrintParamsTransfer::importFrom(disk.path(), data.dataFolder(), layout, prompts);
    }
};

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
        Transfer t;
        t.data.write(FileName, layoutBytes("61"));
        QCOMPARE(t.exportTo(), Outcome::Done);
        QCOMPARE(bytesOf(t.copy()), layoutBytes("61"));
        QCOMPARE(t.prompts.calls.size(), 1);
        QCOMPARE(t.prompts.last().text,
                 QString::fromUtf16(u"Fichier ParametresImp.txt sauvegardé dans le dossier ") +
                     QDir::toNativeSeparators(t.disk.path()));

        t.data.write(FileName, layoutBytes("62"));
        QCOMPARE(t.exportTo(), Outcome::Stay);
        const FakePrompts::Call &q = t.prompts.last();
        QCOMPARE(q.title, QStringLiteral("ATTENTION !!"));
        QCOMPARE(q.text,
                 QString::fromUtf16(u"Attention il existe déja un fichier nommé ParametresImp.txt"
                                    u"\r\nDésirez-vous vraiment réecrire ce fichier ?\r\n\r\n"
                                    u"Sinon créez un nouveau dossier qui contiendra cette "
                                    u"nouvelle sauvegarde."));
        QCOMPARE(q.icon, Prompts::Icon::Question);
        QCOMPARE(q.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(q.defaultAnswer, Prompts::Answer::No);
        QCOMPARE(bytesOf(t.copy()), layoutBytes("61")); // No keeps the older copy

        t.prompts.answers.push_back(Prompts::Answer::Yes);
        QCOMPARE(t.exportTo(), Outcome::Done);
        QCOMPARE(bytesOf(t.copy()), layoutBytes("62"));

        // No layout file to export: nothing copied.
        QVERIFY(QFile::remove(t.data.dataFile(FileName)) && QFile::remove(t.copy()));
        QCOMPARE(t.exportTo(), Outcome::Stay);
        QCOMPARE(t.prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QVERIFY(!QFile::exists(t.copy()));
    }

    void importReplacesTheFileAndTheLayoutInMemory()
    {
        Transfer t;
        // A copy edited by hand elsewhere: blanks kept, no final line end.
        QByteArray saved = layoutBytes("75.5");
        saved.replace("\r\n75.5\r\n", "\r\n 75.5\r\n");
        saved.chop(2);
        QVERIFY(writeBytes(t.copy(), saved));
        QCOMPARE(t.importFrom(), Outcome::Done);
        QCOMPARE(t.data.read(FileName), saved); // byte for byte
        QCOMPARE(t.prompts.last().text,
                 QString::fromUtf16(u"Fichier ParametresImp.txt importé dans le dossier ") +
                     QDir::toNativeSeparators(t.data.programFolder() + QStringLiteral("DataBul")));
        QCOMPARE(t.prompts.last().icon, Prompts::Icon::Information);
        QCOMPARE(t.layout.x(1), 75.5); // the next print uses it
    }

    // A foreign or missing copy, or a disk that fills up while the copy is written: nothing
    // changes but the message.
    void foreignOrMissingFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("no file") << QByteArray() << false << false;
        QTest::newRow("empty") << QByteArray() << true << false;
        QTest::newRow("two lines") << QByteArray("60\r\n6.5\r\n") << true << false;
        QByteArray binary = layoutBytes("61");
        binary[10] = '\0';
        QTest::newRow("binary") << binary << true << false;
        QTest::newRow("a day file") << QByteArray("NOM\r\n").repeated(250) << true << false;
        QTest::newRow("huge") << layoutBytes("61") + QByteArray(70000, '\n') << true << false;
        QTest::newRow("full disk") << layoutBytes("75.5") << true << true;
    }
    void foreignOrMissingFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        QFETCH(bool, fullDisk);
        Transfer t;
        const PrintLayout before = t.layout;
        if (present) QVERIFY(writeBytes(t.copy(), bytes));
        {
            std::optional<FileSizeLimit> full;
            if (fullDisk) full.emplace(64);
            QCOMPARE(t.importFrom(), Outcome::Stay);
        }
        QCOMPARE(t.prompts.calls.size(), 1);
        if (fullDisk)
            QVERIFY(t.prompts.last().text.startsWith(ImportFailure + QStringLiteral("\r\n\r\n")));
        else
            QCOMPARE(t.prompts.last().text, ImportFailure);
        QCOMPARE(t.prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(t.data.read(FileName), layoutBytes("60"));
        QVERIFY(t.layout == before);
    }

    void layoutFileAllowsBlankValuesAndTrailingBlankLines()
    {
        const QByteArray bytes = layoutBytes("60"); // the factory layout: item 92 has no value
        QVERIFY(bytes.contains("\r\n\r\n"));
        QVERIFY(PrintParamsTransfer::isLayoutFile(bytes));
        QVERIFY(PrintParamsTransfer::isLayoutFile(bytes + "\r\n  \r\n"));
        QVERIFY(PrintParamsTransfer::isLayoutFile(QByteArray(bytes).replace("\r\n", "\n")));
        QVERIFY(!PrintParamsTransfer::isLayoutFile(bytes + "5\r\n"));
        // Values the layout reads as their leading number or as 0, and an older, shorter layout.
        for (const char *value : {"12,5\r\n", "4.5MM\r\n"})
            QVERIFY(PrintParamsTransfer::isLayoutFile(QByteArray(bytes).replace("60\r\n", value)));
        const QList<QByteArray> lines = bytes.split('\n');
        QVERIFY(PrintParamsTransfer::isLayoutFile(lines.first(150).join('\n') + '\n'));
        QVERIFY(!PrintParamsTransfer::isLayoutFile(lines.first(99).join('\n') + '\n'));
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
