#include "TestMain.h"

#include "app/AppState.h"
#include "app/Paths.h"
#include "app/TextFile.h"
#include "folders/RosterFolderList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct DataFolder {
    QTemporaryDir dir;
    AppState state;
    DataFolder()
    {
        QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
        state.config.ouestKerbo = Paths::CheckPath(dir.path());
    }
    QString data() const { return state.config.dataFolder(); }
    QString list() const { return RosterFolderList::listPath(data()); }
    QString folder(const QString &name) const
    {
        QDir(dir.path()).mkpath(name);
        return Paths::CheckPath(dir.filePath(name));
    }
};

} // namespace

class RosterFolderListTest : public QObject
{
    Q_OBJECT
private slots:
    void readSkipsEmptyLines()
    {
        DataFolder d;
        QCOMPARE(RosterFolderList::read(d.data()), QStringList());
        QVERIFY(TextFile::writeLines(d.list(), {"A\\", "", "B\\"}));
        QCOMPARE(RosterFolderList::read(d.data()), (QStringList{"A\\", "B\\"}));
    }

    void verifyKeepsExistingFoldersInOrder()
    {
        DataFolder d;
        const QString a = d.folder("A"), b = d.folder("B");
        const QString gone = Paths::CheckPath(d.dir.filePath("GONE"));
        QVERIFY(TextFile::writeLines(d.list(), {b, gone, QString(), a, b}));
        d.state.config.hdGenerique = a;
        QVERIFY(!RosterFolderList::verify(d.state));
        QCOMPARE(TextFile::readLines(d.list()).lines, (QStringList{b, a, b}));
        QCOMPARE(d.state.config.hdGenerique, a);
        QVERIFY(!QFile::exists(Paths::join(d.data(), "ListeDossierTempo.txt")));
        QVERIFY(!QFile::exists(d.state.config.iniPath())); // nothing to write
    }

    void droppingTheCurrentFolderClearsIt()
    {
        DataFolder d;
        const QString gone = Paths::CheckPath(d.dir.filePath("GONE"));
        QVERIFY(TextFile::writeLines(d.list(), {gone}));
        d.state.config.hdGenerique = gone;
        QVERIFY(RosterFolderList::verify(d.state));
        QCOMPARE(d.state.config.hdGenerique, QString());
        QCOMPARE(TextFile::readLines(d.state.config.iniPath()).lines,
                 (QStringList{"[CheminDossiers]", "Hdgenerique="}));
        QCOMPARE(TextFile::readLines(d.list()).lines, QStringList());
    }

    void absentAndUnreadableLists()
    {
        DataFolder d;
        // An absent list is an empty one.
        QVERIFY(!RosterFolderList::verify(d.state));
        QCOMPARE(TextFile::readLines(d.list()).lines, QStringList());
        // A list that cannot be read (here a folder of that name) is left alone.
        QFile::remove(d.list());
        QVERIFY(QDir().mkpath(d.list()));
        QVERIFY(!RosterFolderList::verify(d.state));
        QVERIFY(Paths::folderExists(d.list()));
        QString error;
        QVERIFY(!RosterFolderList::add(d.data(), d.folder("A"), &error));
        QVERIFY2(error.contains("ListeDossier.txt"), qPrintable(error));
    }

    void addAppendsOnce()
    {
        DataFolder d;
        QVERIFY(RosterFolderList::add(d.data(), "C:\\ROULEMENT\\"));
        QVERIFY(RosterFolderList::add(d.data(), "C:\\ROULEMENT\\"));
        QVERIFY(RosterFolderList::add(d.data(), "C:\\roulement\\")); // exact comparison
        QFile f(d.list());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("C:\\ROULEMENT\\\r\nC:\\roulement\\\r\n"));
    }
};

KERBO_TEST(RosterFolderListTest)
#include "RosterFolderListTest.moc"
