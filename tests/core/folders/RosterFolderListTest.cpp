#include "TestMain.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/folders/RosterFolderList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class RosterFolderListTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;

    QString data() const { return m_state.config.dataFolder(); }
    QString list() const { return RosterFolderList::listPath(data()); }
    QString folder(const char *name, bool create = true) const
    {
        if (create)
            QDir(m_dir->path()).mkpath(QLatin1String(name));
        return Paths::CheckPath(m_dir->filePath(QLatin1String(name)));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("DataBul"));
        m_state = AppState();
        m_state.config.ouestKerbo = Paths::CheckPath(m_dir->path());
    }

    void verifyKeepsExistingFoldersInOrder()
    {
        const QString a = folder("A"), b = folder("B"), gone = folder("GONE", false);
        QVERIFY(TextFile::writeLines(list(), {b, gone, QString(), a, b}));
        QCOMPARE(RosterFolderList::read(data()), (QStringList{b, gone, a, b}));
        m_state.config.hdGenerique = a;
        QVERIFY(!RosterFolderList::verify(m_state.config));
        QCOMPARE(TextFile::readLines(list()).lines, (QStringList{b, a, b}));
        QVERIFY(!QFile::exists(Paths::join(data(), "ListeDossierTempo.txt")));
        QVERIFY(!QFile::exists(m_state.config.iniPath())); // nothing to write

        // Dropping the current folder clears it, in memory and in Config.ini.
        QVERIFY(QDir(b).removeRecursively());
        m_state.config.hdGenerique = b;
        QVERIFY(RosterFolderList::verify(m_state.config));
        QCOMPARE(m_state.config.hdGenerique, QString());
        QCOMPARE(TextFile::readLines(m_state.config.iniPath()).lines,
                 (QStringList{"[CheminDossiers]", "Hdgenerique="}));
        QCOMPARE(TextFile::readLines(list()).lines, QStringList{a});
    }

    void absentAndUnreadableLists()
    {
        QVERIFY(!RosterFolderList::verify(m_state.config)); // an absent list is an empty one
        QCOMPARE(TextFile::readLines(list()).lines, QStringList());
        // A list that cannot be read (here a folder of that name) is left alone.
        QFile::remove(list());
        QVERIFY(QDir().mkpath(list()));
        QVERIFY(!RosterFolderList::verify(m_state.config));
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
