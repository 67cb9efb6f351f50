#include "TestMain.h"

#include "AutomatismeFile.h"
#include "FakePrompts.h"
#include "FaultInjection.h"
#include "SaveCase.h"
#include "TempDataFolder.h"
#include "TestFiles.h"

#include "core/automatismes/AutomatismeStore.h"
#include "core/base/IniAccess.h"
#include "core/base/StaleWork.h"
#include "core/base/TextFile.h"
#include "core/config/DataFolder.h"
#include "core/dayfiles/DayFileReader.h"
#include "core/dayfiles/DayFileWriter.h"
#include "core/files/FileCopy.h"
#include "core/folders/FolderCopy.h"
#include "core/folders/RosterFolderList.h"
#include "core/print/PrintLayoutFile.h"
#include "core/roster/CaraibeConversion.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <set>

#include <fcntl.h>
#include <sys/stat.h>

namespace
{

// The faults of a disk that fills up or fails, at each step of a save.
const char *const DiskFaults[] = {"write:ENOSPC", "sync:EIO", "rename:EIO"};

// Everything in a folder, hidden files included.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

// Every writer, made to fail the way disks fail (the failure is told and the previous file is
// left byte for byte) and killed in the middle of its saves.
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
        if (!outcome.silent) {
            QVERIFY2(outcome.told.contains(QFileInfo(file).completeBaseName()),
                     qPrintable(outcome.told));
            // In French, whatever the system's language ("Input/output error" was quoted).
            QVERIFY2(!outcome.told.contains(QLatin1String("error"), Qt::CaseInsensitive),
                     qPrintable(outcome.told));
        }

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
        for (const char *fault : DiskFaults) {
            InjectedFault injected(to, fault);
            QString error;
            QVERIFY(!FileCopy::copy(from, to, &error));
            QVERIFY2(error.contains(QStringLiteral("J12.txt")), qPrintable(error));
            QCOMPARE(entries(data.programFolder()), QStringList{"DataBul"});
        }
        // A source that cannot be read to its end (a failing stick) gives no half copy.
        {
            InjectedFault injected(from, "read:EIO", 1000);
            QVERIFY(!FileCopy::copy(from, to));
            QCOMPARE(entries(data.programFolder()), QStringList{"DataBul"});
        }
        QVERIFY(FileCopy::copy(from, to));
        QCOMPARE(fileBytes(to), fileBytes(from));
        // Nor is a file there written over.
        data.write(QStringLiteral("J13.txt"), QByteArray(10, 'y'));
        QVERIFY(!FileCopy::copy(data.dataFile(QStringLiteral("J13.txt")), to));
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
        QVERIFY(writeBytes(
            roster, "[RLT]\r\n[JOS]\r\nNUJS=12A\r\n[TTL]\r\n[JOS]\r\nNUJS=13A\r\n[TTL]\r\n"));
        CaraibeConversion conversion(data.dataFolder());
        FakePrompts prompts;
        QCOMPARE(conversion.pickFile(roster, prompts), CaraibeConversion::Pick::Chosen);
        const QDate day(2026, 12, 4);
        for (const char *fault : DiskFaults) {
            InjectedFault injected(drive, fault);
            QCOMPARE(conversion.convert(drive, QStringLiteral("R1"), prompts, day),
                     CaraibeConversion::Outcome::Failed);
            QVERIFY2(prompts.last().text.endsWith(
                         QStringLiteral("La conversion n'a pas eu lieu : aucun dossier n'a été créé.")),
                     qPrintable(prompts.last().text));
            QCOMPARE(entries(drive), QStringList());
        }
        // The full disk, its file named in the folder the driver chose, not in the hidden one
        // being filled.
        const QString full = prompts.calls[prompts.calls.size() - 3].text;
        QVERIFY2(full.contains(QStringLiteral("le disque est plein")) &&
                     full.contains(drive + QStringLiteral("R1/12.txt")) &&
                     !full.contains(QStringLiteral(".kerbo-conversion")),
                 qPrintable(full));
        QCOMPARE(conversion.convert(drive, QStringLiteral("R1"), prompts, day),
                 CaraibeConversion::Outcome::Done);
        QCOMPARE(QDir(drive + QStringLiteral("R1")).entryList(QDir::Files),
                 QStringList({QStringLiteral("12.txt"), QStringLiteral("13.txt")}));
    }

    // A roster folder saved onto a full or failing key: the cause names the file in the folder
    // the driver chose, and the key holds no folder, under that name or half-copied beside it.
    void failedFolderBackupLeavesNoFolder()
    {
        TempDataFolder data;
        const QString source = data.programFolder() + QStringLiteral("R1/");
        const QString key = data.programFolder() + QStringLiteral("cle/");
        QVERIFY(QDir().mkpath(source + QStringLiteral("sem")) && QDir().mkpath(key));
        for (const QString &name : {QStringLiteral("12.txt"), QStringLiteral("sem/13.txt")})
            QVERIFY(writeBytes(source + name, QByteArray(3000, 'x')));
        for (const char *fault : DiskFaults) {
            InjectedFault injected(key, fault);
            QString error;
            QVERIFY(!FolderCopy::copyTree(source, key + QStringLiteral("R1"), &error));
            // Named once ("Impossible de copier le fichier X : Impossible d'écrire le fichier X
            // : le disque est plein." said it twice).
            QVERIFY2(error.count(key + QStringLiteral("R1/12.txt")) == 1 &&
                         error.contains(key + QStringLiteral("R1/12.txt : ")) &&
                         !error.contains(QStringLiteral("/.R1-")),
                     qPrintable(error));
            if (fault[0] == 'w')
                QVERIFY2(error.endsWith(QStringLiteral(" : le disque est plein.")),
                         qPrintable(error));
            QCOMPARE(entries(key), QStringList());
        }
        // A backup stopped half-way (a power cut, the key pulled out) left its hidden folder,
        // which no window shows: the next backup onto that key removes it once it is old enough
        // to be no other Kerbo's copy in progress.
        const QString stopped = key + QStringLiteral(".kerbo-copie-Ab12Cd");
        const QString young = key + QStringLiteral(".kerbo-copie-Zz98Yx");
        for (const QString &left : {stopped, young})
            QVERIFY(QDir().mkpath(left) &&
                    writeBytes(left + QStringLiteral("/12.txt"), QByteArray(1000, 'x')));
        const timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(stopped).constData(), hourAgo, 0) == 0);
        QVERIFY(FolderCopy::copyTree(source, key + QStringLiteral("R1")));
        QCOMPARE(fileBytes(key + QStringLiteral("R1/sem/13.txt")), QByteArray(3000, 'x'));
        QCOMPARE(entries(key), QStringList({QStringLiteral(".kerbo-copie-Zz98Yx"), "R1"}));
    }

    // The first start's copy of the factory folder onto a full or failing disk: the driver is
    // told why, and no folder is left that a later start would take as the data folder. A data
    // folder that was not forced to the disk before taking its name could be found with empty
    // files after a power cut.
    void failedFirstStartLeavesNoDataFolder()
    {
        QTemporaryDir factory, home;
        const QString user = home.filePath(QStringLiteral("Kerbo/"));
        QVERIFY(QDir().mkpath(user));
        QVERIFY(
            writeBytes(factory.filePath(QStringLiteral("ListeGares.txt")), QByteArray(20000, 'P')));
        QStringList errors;
        for (const char *fault : DiskFaults) {
            InjectedFault injected(user, fault);
            const DataFolder::Location l = DataFolder::locate(QString(), user, factory.path());
            QVERIFY2(!l.ok(), fault);
            errors << l.error;
            QCOMPARE(entries(user), QStringList());
        }
        QVERIFY2(
            errors[0].endsWith(QStringLiteral("\r\n\r\nImpossible d'écrire le fichier %1DataBul/"
                                              "ListeGares.txt : le disque est plein.")
                                   .arg(user)),
            qPrintable(errors[0]));
        QVERIFY2(errors[1].contains(QStringLiteral("erreur d'écriture sur le disque")),
                 qPrintable(errors[1]));
        QVERIFY(DataFolder::locate(QString(), user, factory.path()).ok());
        QCOMPARE(fileBytes(user + QStringLiteral("DataBul/ListeGares.txt")),
                 QByteArray(20000, 'P'));
    }

    // An empty data folder is filled by a copy renamed over it; one that cannot be replaced so
    // (the root of a key mounted there: the copy, made beside it, is on another disk) is used
    // as it is, as before, and nothing is left beside it.
    void emptyDataFolderThatCannotBeReplacedIsUsed()
    {
        QTemporaryDir factory, home;
        QVERIFY(writeBytes(factory.filePath(QStringLiteral("ListeGares.txt")), {}));
        const QString user = home.filePath(QStringLiteral("Kerbo"));
        QVERIFY(QDir().mkpath(user + QStringLiteral("/DataBul")));
        DataFolder::Location l;
        {
            InjectedFault mounted(user + QStringLiteral("/DataBul"), "rename:EXDEV");
            l = DataFolder::locate(QString(), user, factory.path());
        }
        QVERIFY2(l.ok(), qPrintable(l.error));
        QCOMPARE(entries(user), QStringList{QStringLiteral("DataBul")});
    }

    // A share that renamed the new file and lost its answer: the save is done, not told failed
    // with the old file "as it was" when it was not.
    void renameWhoseAnswerWasLostIsASave()
    {
        TempDataFolder data;
        const QString file = data.dataFile(QStringLiteral("ListeGares.txt"));
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("PARIS")}));
        QString error;
        {
            InjectedFault lost(file, "renamed:EIO");
            QVERIFY2(TextFile::writeLines(file, {QStringLiteral("LYON")}, &error),
                     qPrintable(error));
        }
        QCOMPARE(fileBytes(file), QByteArray("LYON\r\n"));
        QCOMPARE(leftovers(file), QStringList());

        // Its temporary file gone and the file as it was, the save failed, and says so.
        {
            InjectedFault gone(file, "vanished:EIO");
            QVERIFY(!TextFile::writeLines(file, {QStringLiteral("PARIS")}, &error));
        }
        QVERIFY2(error.contains(u"n'a pas pu être remplacé"), qPrintable(error));
        QCOMPARE(fileBytes(file), QByteArray("LYON\r\n"));
        QCOMPARE(leftovers(file), QStringList());
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
        QCOMPARE(told, QStringList{QStringLiteral("Kerbo")});
    }

    // A file that cannot be read is told in French whatever the system's language: a key that
    // fails, a file the driver may not read.
    void readFailuresAreToldInFrench()
    {
        TempDataFolder data;
        const QString file = data.dataFolder() + QStringLiteral("Liste.txt");
        data.writeLines(QStringLiteral("Liste.txt"), {QStringLiteral("PARIS")});
        const auto french = [](const QString &told) {
            return told.startsWith(QStringLiteral("Impossible d")) &&
                   !told.contains(QLatin1String("error"), Qt::CaseInsensitive) &&
                   !told.contains(QLatin1String("denied"), Qt::CaseInsensitive);
        };
        for (const char *fault : {"read:EIO", "open:EACCES"}) {
            InjectedFault failing(file, fault);
            const QString read = TextFile::readBytes(file, 1000).error;
            QVERIFY2(french(read), qPrintable(read));
            QString copied;
            QVERIFY(!FileCopy::copy(file, file + QStringLiteral(".copie"), &copied));
            QVERIFY2(french(copied), qPrintable(copied));
            AutomatismeStore store;
            store.setPath(file);
            QString stored;
            QVERIFY(!store.writable(&stored));
            QVERIFY2(french(stored), qPrintable(stored));
        }
        // A day file that cannot be opened (one that fails once open is no day file).
        InjectedFault refused(file, "open:EACCES");
        FakePrompts prompts;
        QVERIFY(DayFileReader::load(file, data.state, prompts));
        QVERIFY2(french(prompts.last().text), qPrintable(prompts.last().text));
        // Config.ini, at start.
        data.writeLines(QStringLiteral("Config.ini"), {QStringLiteral("[Cartouche]")});
        InjectedFault settings(data.state.config.iniPath(), "open:EACCES");
        const QString start = DataFolder::locate(data.programFolder(), QString()).error;
        QVERIFY2(start.contains(QStringLiteral("\r\n(l'accès est refusé)\r\n")), qPrintable(start));
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
        // The automatismes: a save made on the part read would drop every template after it.
        QStringList templates = AutomatismeFile::counter(60);
        for (int n = 0; n < 60; ++n)
            templates << AutomatismeFile::section(QString::number(140000 + n), {});
        data.writeLines(QStringLiteral("Automatisme.ini"), templates);
        const QString ini = data.dataFile(QStringLiteral("Automatisme.ini"));
        const QByteArray iniBefore = fileBytes(ini);
        {
            InjectedFault failingIni(ini, "read:EIO", 1000);
            AutomatismeStore store;
            store.setPath(ini);
            QString error;
            QVERIFY(
                !store.change([](IniFile &i) { i.setValue(u"Train1", u"De", u"PARIS"); }, &error));
            QVERIFY2(error.startsWith(QStringLiteral("Impossible de lire")), qPrintable(error));
        }
        QCOMPARE(fileBytes(ini), iniBefore);
        // A day whose reading stops after its fixed part would open without its kilometres.
        data.state.record.setSlot(7, QStringLiteral("R1"));
        data.state.record.setSlot(8, QStringLiteral("12"));
        data.state.record.setSlot(SlotTable::lineSlot(0, SlotTable::KmTrain), QStringLiteral("87"));
        const QString day = data.dataFile(QStringLiteral("12.txt"));
        QVERIFY(DayFileWriter::save(day, data.state.record, data.state.verso));
        {
            InjectedFault failingDay(day, "read:EIO", fileBytes(day).indexOf("@@DebutKmTrain@@"));
            AppState opened;
            opened.config = data.state.config;
            FakePrompts prompts;
            QVERIFY(DayFileReader::load(day, opened, prompts));
            QCOMPARE(prompts.calls.size(), 1);
        }
        AppState whole;
        whole.config = data.state.config;
        FakePrompts quiet;
        QVERIFY(!DayFileReader::load(day, whole, quiet));
        QCOMPARE(whole.record.slot(SlotTable::lineSlot(0, SlotTable::KmTrain)), u"87");
        QCOMPARE(fileBytes(list), listBefore);
        QCOMPARE(data.state.config.hdGenerique, QStringLiteral("/gone/"));
        QCOMPARE(loaded.ParaImpX[1], QStringLiteral("kept"));
        QCOMPARE(loaded.ParaImpY[1], QString());
    }

    // A process saving every writer's file over and over is killed at random moments: every
    // file is then the old content or the new one, never missing, empty or partial.
    void killedSavesLeaveOldOrNewContent()
    {
        QTemporaryDir root;
        const std::vector<SaveCase> &cases = saveCases();
        // The two contents of each file, written once here in the folders the saver uses.
        std::vector<std::set<QByteArray>> allowed(cases.size());
        std::vector<QString> files(cases.size());
        for (size_t i = 0; i < cases.size(); ++i) {
            AppState state;
            QVERIFY(setUpInKillFolder(state, root.path(), i));
            files[i] = cases[i].file(state);
            for (int version : {0, 1, 0}) {
                QVERIFY(cases[i].save(state, version).saved);
                allowed[i].insert(fileBytes(files[i]));
            }
            QCOMPARE(allowed[i].size(), size_t(2));
        }

        int kills = qEnvironmentVariableIntValue("KERBO_KILLS");
        if (kills <= 0) kills = 300;
        const auto start = [&root](QProcess &saver, const QStringList &args) {
            saver.start(QStringLiteral(KERBO_SAVER), QStringList{root.path()} + args);
            return saver.waitForReadyRead(30000);
        };
        // How long a round of saves takes here, so that the kills fall anywhere in one.
        QProcess timed;
        QVERIFY2(start(timed, {QStringLiteral("0"), QStringLiteral("4")}),
                 "the saver did not start");
        QElapsedTimer timer;
        timer.start();
        QVERIFY(timed.waitForFinished(60000));
        const qint64 roundMicros = qMax<qint64>(20000, timer.nsecsElapsed() / 4000);

        std::set<QByteArray> seen;
        // On a busy machine the saver's pace varies from one start to the next: the kills go on,
        // up to five times as many, until both contents of every file have been met.
        const auto allMet = [&seen, &cases] { return seen.size() == cases.size() * 2; };
        int k = 0;
        for (; k < kills || (!allMet() && k < kills * 5); ++k) {
            QProcess saver;
            QVERIFY2(start(saver, {QString::number(k % 2)}), "the saver did not start");
            QThread::usleep(QRandomGenerator::global()->bounded(roundMicros * 3 / 2));
            saver.kill();
            QVERIFY(saver.waitForFinished(30000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
            for (size_t i = 0; i < cases.size(); ++i) {
                const QByteArray now = fileBytes(files[i]);
                QVERIFY2(allowed[i].count(now),
                         qPrintable(QStringLiteral("%1 after kill %2: %3 bytes")
                                        .arg(QLatin1String(cases[i].name))
                                        .arg(k)
                                        .arg(now.size())));
                seen.insert(QByteArray(cases[i].name) + '|' + now);
            }
        }
        // Every kill that caught a temporary file on its way is cleaned up at the next start.
        qsizetype removed = 0;
        for (const QString &file : files) {
            removed += removeStaleTemporaryFiles(Paths::CheckPath(QFileInfo(file).absolutePath()),
                                                 QDateTime::currentDateTime().addDays(1))
                           .size();
            QCOMPARE(leftovers(file), QStringList());
        }
        // Both contents of every file were met: the kills did fall in the middle of the saves.
        QVERIFY(allMet());
        qInfo("%d kills, %lld temporary files left by them and removed", k, qint64(removed));
    }
};

KERBO_TEST(SaveFaultTest)
#include "SaveFaultTest.moc"
