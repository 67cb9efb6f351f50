#include "TestMain.h"

#include "FaultInjection.h"
#include "SaveCase.h"
#include "FakePrompts.h"
#include "TempDataFolder.h"

#include "core/base/IniAccess.h"
#include "core/files/FileCopy.h"
#include "core/folders/RosterFolderList.h"
#include "core/print/PrintLayoutFile.h"
#include "core/roster/CaraibeConversion.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Temporary files that a save left beside `file`.
QStringList leftovers(const QString &file)
{
    const QFileInfo info(file);
    return info.dir().entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files);
}

} // namespace

// Every writer, made to fail the way disks fail: the failure is told and the previous file is
// left byte for byte.
class SaveFaultTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(InjectedFault::loaded(), "fault library not preloaded"); }

    void failedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<qint64>("after");
        QTest::addColumn<int>("version");
        const std::pair<const char *, qint64> faults[] = {
            {"write:ENOSPC", 0}, {"write:EIO", 3}, {"write:EDQUOT", 0},
            {"sync:EIO", 0},     {"rename:EIO", 0}, {"rename:ENOSPC", 0}};
        for (int i = 0; i < int(saveCases().size()); ++i)
            for (const auto &[fault, after] : faults)
                for (int version : {0, 1})
                    QTest::addRow("%s %s%s v%d", saveCases()[size_t(i)].name, fault,
                                  after ? " part-way" : "", version)
                        << i << QByteArray(fault) << after << version;
    }

    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, fault);
        QFETCH(qint64, after);
        QFETCH(int, version);
        const SaveCase &c = saveCases()[size_t(index)];
        TempDataFolder data;
        AppState &state = data.state;
        c.setUp(state);
        const QString file = c.file(state);
        // The file as the other version left it (version 0 first: it creates the file).
        QVERIFY(c.save(state, 0).saved);
        if (version == 0)
            QVERIFY(c.save(state, 1).saved);
        const QByteArray previous = fileBytes(file);

        SaveOutcome outcome;
        {
            const QString faulty = c.wholeFolder ? QFileInfo(file).absolutePath() + u'/' : file;
            InjectedFault injected(faulty, fault.constData(), after);
            outcome = c.save(state, version);
        }
        QVERIFY(!outcome.saved);
        QCOMPARE(fileBytes(file), previous);
        QCOMPARE(leftovers(file), QStringList());
        if (!outcome.silent)
            QVERIFY2(outcome.told.contains(QFileInfo(file).completeBaseName()),
                     qPrintable(outcome.told));

        // The same save without the fault goes through: the case really writes that file.
        QVERIFY(c.save(state, version).saved);
        QVERIFY(fileBytes(file) != previous);
    }

    // A copy never overwrites; one that fails leaves no file under the destination's name.
    void failedCopyLeavesNoFile()
    {
        TempDataFolder data;
        data.write(QStringLiteral("J12.txt"), QByteArray(3000, 'x'));
        const QString from = data.dataFile(QStringLiteral("J12.txt"));
        const QString to = data.programFolder() + QStringLiteral("J12.txt");
        for (const char *fault : {"write:ENOSPC", "sync:EIO", "rename:EIO"}) {
            InjectedFault injected(to, fault);
            QString error;
            QVERIFY(!FileCopy::copy(from, to, &error));
            QVERIFY2(error.contains(QStringLiteral("J12.txt")), qPrintable(error));
            QVERIFY(!QFile::exists(to));
            QCOMPARE(leftovers(to), QStringList());
        }
        QVERIFY(FileCopy::copy(from, to));
        QCOMPARE(fileBytes(to), fileBytes(from));
    }

    // A roster converted onto a full or failing drive: the driver is told, and the drive holds
    // no folder, under the chosen name or half-converted beside it.
    void failedConversionLeavesNoFolder()
    {
        TempDataFolder data;
        const QString drive = data.programFolder() + QStringLiteral("lecteur/");
        QVERIFY(QDir().mkpath(drive));
        const QString roster = data.programFolder() + QStringLiteral("ROULEMENT.TXT");
        QFile file(roster);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[RLT]\r\n[JOS]\r\nNUJS=12A\r\n[TTL]\r\n[JOS]\r\nNUJS=13A\r\n[TTL]\r\n");
        file.close();
        CaraibeConversion conversion(data.dataFolder());
        FakePrompts prompts;
        QCOMPARE(conversion.pickFile(roster, prompts), CaraibeConversion::Pick::Chosen);
        const QDate day(2026, 12, 4);
        for (const char *fault : {"write:ENOSPC", "sync:EIO", "rename:EIO"}) {
            InjectedFault injected(drive, fault);
            QCOMPARE(conversion.convert(drive, QStringLiteral("R1"), prompts, day),
                     CaraibeConversion::Outcome::Failed);
            QVERIFY2(prompts.last().text.endsWith(
                         QStringLiteral("La conversion n'a pas eu lieu : aucun dossier n'a été créé.")),
                     qPrintable(prompts.last().text));
            QCOMPARE(QDir(drive).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList());
        }
        QVERIFY(prompts.calls[prompts.calls.size() - 3].text.contains(
            QStringLiteral("le disque est plein")));
        // The file is named in the folder the driver chose, not in the hidden one being filled.
        QVERIFY2(prompts.calls[prompts.calls.size() - 3].text.contains(drive +
                                                                       QStringLiteral("R1/12.txt")),
                 qPrintable(prompts.calls[prompts.calls.size() - 3].text));
        QVERIFY(!prompts.calls[prompts.calls.size() - 3].text.contains(
            QStringLiteral(".kerbo-conversion")));
        QCOMPARE(conversion.convert(drive, QStringLiteral("R1"), prompts, day),
                 CaraibeConversion::Outcome::Done);
        QCOMPARE(QDir(drive + QStringLiteral("R1")).entryList(QDir::Files),
                 QStringList({QStringLiteral("12.txt"), QStringLiteral("13.txt")}));
    }

    void fullDiskIsToldInPlainWords()
    {
        TempDataFolder data;
        const QString file = data.dataFile(QStringLiteral("ListeGares.txt"));
        QString error;
        {
            InjectedFault full(file, "write:ENOSPC");
            QVERIFY(!TextFile::writeLines(file, {QStringLiteral("PARIS")}, &error));
        }
        QCOMPARE(error, QStringLiteral("Impossible d'écrire le fichier %1 : le disque est plein.")
                            .arg(QDir::toNativeSeparators(file)));
        QVERIFY(!QFile::exists(file));
    }

    // A Config.ini that fails part-way through its reading is never rewritten from what was
    // read; the driver is told once per run.
    void unreadableConfigIsNeverRewritten()
    {
        QStringList lines{QStringLiteral("[Automatismes]")};
        for (int i = 0; i < 3000; ++i)
            lines << QStringLiteral("Train%1=%2").arg(i).arg(i * 7);
        TempDataFolder data;
        data.writeLines(QStringLiteral("Config.ini"), lines);
        const QString ini = data.state.config.iniPath();
        const QByteArray before = fileBytes(ini);
        QStringList told;
        data.state.config.onWriteFailure = [&told](const QString &title, const QString &) {
            told << title;
        };
        {
            InjectedFault failing(ini, "read:EIO", 4096);
            QVERIFY(!data.state.config.write(ConfigKeys::Options, ConfigKeys::Enaug, "1"));
            QVERIFY(!data.state.config.write(ConfigKeys::Options, ConfigKeys::Eneng, "1"));
            QVERIFY(!EcritureINI(ini, "Options", "NbUm", "2"));
        }
        QCOMPARE(fileBytes(ini), before);
        QCOMPARE(told, QStringList{Config::writeFailureTitle()});
    }

    // The other readers take nothing from a file that fails part-way, and write nothing over it.
    void unreadableListsAndLayoutAreLeftAlone()
    {
        TempDataFolder data;
        QDir().mkpath(data.programFolder() + QStringLiteral("ROUL"));
        const QString roul = Paths::CheckPath(data.programFolder() + QStringLiteral("ROUL"));
        const QString list = RosterFolderList::listPath(data.dataFolder());
        data.writeLines(QStringLiteral("ListeDossier.txt"), {roul, QStringLiteral("/gone/")});
        data.state.config.hdGenerique = QStringLiteral("/gone/");
        const QByteArray listBefore = fileBytes(list);

        PrintLayout layout;
        layout.DefautParaImp();
        QVERIFY(SauveParametresImp(layout, data.dataFolder()));
        PrintLayout loaded;
        loaded.ParaImpX[1] = QStringLiteral("kept");
        {
            InjectedFault failingList(list, "read:EIO", 10);
            QVERIFY(!RosterFolderList::verify(data.state.config));
            QVERIFY(!RosterFolderList::add(data.dataFolder(), roul + QStringLiteral("X/")));
        }
        {
            InjectedFault failingLayout(PrintLayoutFile::path(data.dataFolder()), "read:EIO", 100);
            ChargeParaImp(loaded, data.dataFolder());
        }
        QCOMPARE(fileBytes(list), listBefore);
        QCOMPARE(data.state.config.hdGenerique, QStringLiteral("/gone/"));
        QCOMPARE(loaded.ParaImpX[1], QStringLiteral("kept"));
        QCOMPARE(loaded.ParaImpY[1], QString());
    }
};

KERBO_TEST(SaveFaultTest)
#include "SaveFaultTest.moc"
