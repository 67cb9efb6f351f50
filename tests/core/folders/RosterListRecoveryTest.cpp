#include "TestMain.h"

#include "TempDataFolder.h"

#include "core/folders/RosterFolderList.h"

#include <QDir>

using namespace Qt::StringLiterals;

// The roster-folder list after a run that stopped while replacing it.
class RosterListRecoveryTest : public QObject
{
    Q_OBJECT

    static QString tempo() { return u"ListeDossierTempo.txt"_s; }
    static QString list() { return u"ListeDossier.txt"_s; }

private slots:
    void listLeftOnlyAsItsTemporaryCopyIsTakenBack()
    {
        TempDataFolder data;
        QVERIFY(QDir().mkpath(data.programFolder() + u"A"_s));
        const QString a = data.programFolder() + u"A"_s + Paths::separator();
        data.writeLines(tempo(), {a, u"/gone/"_s});
        QVERIFY(!RosterFolderList::verify(data.state.config));
        QCOMPARE(TextFile::readLines(data.dataFile(list())).lines, QStringList{a});
        QVERIFY(!data.exists(tempo()));
    }

    void unreadableCopyIsNotTakenForAnEmptyList()
    {
        TempDataFolder data;
        QVERIFY(QDir().mkdir(data.dataFile(tempo()))); // a folder: nothing can be read
        data.state.config.hdGenerique = u"/gone/"_s;
        QVERIFY(!RosterFolderList::verify(data.state.config));
        QVERIFY(!data.exists(list()));
        QCOMPARE(data.state.config.hdGenerique, u"/gone/"_s);
    }

    void leftoverCopyBesideTheListGoes()
    {
        TempDataFolder data;
        QVERIFY(QDir().mkpath(data.programFolder() + u"A"_s));
        const QString a = data.programFolder() + u"A"_s + Paths::separator();
        data.writeLines(list(), {a});
        data.writeLines(tempo(), {u"/stale/"_s});
        QVERIFY(!RosterFolderList::verify(data.state.config));
        QCOMPARE(TextFile::readLines(data.dataFile(list())).lines, QStringList{a});
        QVERIFY(!data.exists(tempo()));
    }

    void oversizedListIsLeftAlone()
    {
        TempDataFolder data;
        data.writeLines(list(), {u"/gone/"_s});
        QFile f(data.dataFile(list()));
        QVERIFY(f.resize(TextFile::MaxListBytes + 1));
        data.state.config.hdGenerique = u"/gone/"_s;
        QVERIFY(!RosterFolderList::verify(data.state.config));
        QCOMPARE(QFileInfo(data.dataFile(list())).size(), TextFile::MaxListBytes + 1);
        QCOMPARE(data.state.config.hdGenerique, u"/gone/"_s);
        QVERIFY(RosterFolderList::read(data.dataFolder()).isEmpty());
    }
};

KERBO_TEST(RosterListRecoveryTest)
#include "RosterListRecoveryTest.moc"
