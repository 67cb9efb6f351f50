#include "TestMain.h"

#include "TempDataFolder.h"
#include "TestFiles.h"

#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/folders/RosterFolderList.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

// The roster-folder list, its checks at start-up and its recovery after an interrupted run.
class RosterFolderListTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;

    Config &config() { return m_data->state.config; }
    QString data() const { return m_data->dataFolder(); }
    QString list() const { return RosterFolderList::listPath(data()); }
    QString tempo() const { return Paths::join(data(), "ListeDossierTempo.txt"); }
    QStringList listLines() const { return TextFile::readLines(list()).lines; }
    QString folder(const char *name, bool create = true) const
    {
        if (create)
            QDir(m_data->dir.path()).mkpath(QLatin1String(name));
        return Paths::CheckPath(m_data->dir.filePath(QLatin1String(name)));
    }

private slots:
    void init() { m_data = std::make_unique<TempDataFolder>(); }

    void verifyKeepsExistingFoldersInOrder()
    {
        const QString a = folder("A"), b = folder("B"), gone = folder("GONE", false);
        QVERIFY(TextFile::writeLines(list(), {b, gone, QString(), a, b}));
        QCOMPARE(RosterFolderList::read(data()), (QStringList{b, gone, a, b}));
        config().hdGenerique = a;
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(listLines(), (QStringList{b, a, b}));
        QVERIFY(!QFile::exists(tempo()));
        QVERIFY(!QFile::exists(config().iniPath())); // nothing to write

        // Dropping the current folder clears it, in memory and in Config.ini.
        QVERIFY(QDir(b).removeRecursively());
        config().hdGenerique = b;
        QVERIFY(RosterFolderList::verify(config()));
        QCOMPARE(config().hdGenerique, QString());
        QCOMPARE(TextFile::readLines(config().iniPath()).lines,
                 (QStringList{"[CheminDossiers]", "Hdgenerique="}));
        QCOMPARE(listLines(), QStringList{a});
    }

    void absentAndUnreadableLists()
    {
        QVERIFY(!RosterFolderList::verify(config())); // an absent list is an empty one
        QCOMPARE(listLines(), QStringList());
        // A list that cannot be read (here a folder of that name) is left alone.
        QFile::remove(list());
        QVERIFY(QDir().mkpath(list()));
        QVERIFY(!RosterFolderList::verify(config()));
        QVERIFY(Paths::folderExists(list()));
        QString error;
        QVERIFY(!RosterFolderList::add(data(), folder("A"), &error));
        QVERIFY2(error.contains("ListeDossier.txt"), qPrintable(error));
    }

    void listLeftByAnInterruptedRun()
    {
        // Only the temporary copy is there: it becomes the list.
        const QString a = folder("A");
        QVERIFY(TextFile::writeLines(tempo(), {a, u"/gone/"_s}));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(listLines(), QStringList{a});
        QVERIFY(!QFile::exists(tempo()));
        // A leftover copy beside the list goes.
        QVERIFY(TextFile::writeLines(tempo(), {u"/stale/"_s}));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(listLines(), QStringList{a});
        QVERIFY(!QFile::exists(tempo()));

        // An unreadable copy is not taken for an empty list.
        config().hdGenerique = u"/gone/"_s;
        QVERIFY(QFile::remove(list()) && QDir().mkdir(tempo()));
        QVERIFY(!RosterFolderList::verify(config()));
        QVERIFY(!QFile::exists(list()));
        QCOMPARE(config().hdGenerique, u"/gone/"_s);

        // Nor is an oversized list.
        QVERIFY(QDir().rmdir(tempo()) && TextFile::writeLines(list(), {u"/gone/"_s}));
        QVERIFY(QFile(list()).resize(TextFile::MaxListBytes + 1));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(QFileInfo(list()).size(), TextFile::MaxListBytes + 1);
        QCOMPARE(config().hdGenerique, u"/gone/"_s);
        QVERIFY(RosterFolderList::read(data()).isEmpty());
    }

    void addAppendsOnce()
    {
        for (const char *f : {"C:\\ROULEMENT\\", "C:\\ROULEMENT\\", "C:\\roulement\\"})
            QVERIFY(RosterFolderList::add(data(), QLatin1String(f)));
        QCOMPARE(bytesOf(list()), QByteArray("C:\\ROULEMENT\\\r\nC:\\roulement\\\r\n"));
    }
};

KERBO_TEST(RosterFolderListTest)
#include "RosterFolderListTest.moc"
