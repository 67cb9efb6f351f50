#include "TestMain.h"

#include "TempDataFolder.h"

#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/folders/RosterFolderList.h"

#include <QDir>
#include <QFile>

class RosterFolderListTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;

    Config &config() { return m_data->state.config; }
    QString data() const { return m_data->dataFolder(); }
    QString list() const { return RosterFolderList::listPath(data()); }
    QString folder(const char *name, bool create = true) const
    {
        if (create)
            QDir(m_data->dir.path()).mkpath(QLatin1String(name));
        return Paths::CheckPath(m_data->dir.filePath(QLatin1String(name)));
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
    }

    void verifyKeepsExistingFoldersInOrder()
    {
        const QString a = folder("A"), b = folder("B"), gone = folder("GONE", false);
        QVERIFY(TextFile::writeLines(list(), {b, gone, QString(), a, b}));
        QCOMPARE(RosterFolderList::read(data()), (QStringList{b, gone, a, b}));
        config().hdGenerique = a;
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(TextFile::readLines(list()).lines, (QStringList{b, a, b}));
        QVERIFY(!QFile::exists(Paths::join(data(), "ListeDossierTempo.txt")));
        QVERIFY(!QFile::exists(config().iniPath())); // nothing to write

        // Dropping the current folder clears it, in memory and in Config.ini.
        QVERIFY(QDir(b).removeRecursively());
        config().hdGenerique = b;
        QVERIFY(RosterFolderList::verify(config()));
        QCOMPARE(config().hdGenerique, QString());
        QCOMPARE(TextFile::readLines(config().iniPath()).lines,
                 (QStringList{"[CheminDossiers]", "Hdgenerique="}));
        QCOMPARE(TextFile::readLines(list()).lines, QStringList{a});
    }

    void absentAndUnreadableLists()
    {
        QVERIFY(!RosterFolderList::verify(config())); // an absent list is an empty one
        QCOMPARE(TextFile::readLines(list()).lines, QStringList());
        // A list that cannot be read (here a folder of that name) is left alone.
        QFile::remove(list());
        QVERIFY(QDir().mkpath(list()));
        QVERIFY(!RosterFolderList::verify(config()));
        QVERIFY(Paths::folderExists(list()));
        QString error;
        QVERIFY(!RosterFolderList::add(data(), folder("A"), &error));
        QVERIFY2(error.contains("ListeDossier.txt"), qPrintable(error));
    }

    void addAppendsOnce()
    {
        for (const char *f : {"C:\\ROULEMENT\\", "C:\\ROULEMENT\\", "C:\\roulement\\"})
            QVERIFY(RosterFolderList::add(data(), QLatin1String(f)));
        QFile f(list());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("C:\\ROULEMENT\\\r\nC:\\roulement\\\r\n"));
    }
};

KERBO_TEST(RosterFolderListTest)
#include "RosterFolderListTest.moc"
