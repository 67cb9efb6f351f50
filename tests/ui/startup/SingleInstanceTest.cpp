#include "TestMain.h"

#include "ui/startup/SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

// One Kerbo per data folder: a second start is refused and raises the first; a lock left by a
// program that died is taken over.
class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStartRaisesTheFirst()
    {
        QTemporaryDir data;
        SingleInstance first(data.path());
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);

        SingleInstance second(data.path());
        QVERIFY(!second.claim());
        QVERIFY(second.raiseRunning());
        QTRY_COMPARE(raised.size(), 1);

        // Another data folder is another Kerbo.
        QTemporaryDir other;
        SingleInstance elsewhere(other.path());
        QVERIFY(elsewhere.claim());
        QCOMPARE(raised.size(), 1);
    }

    void theLockGoesWithTheProgram()
    {
        QTemporaryDir data;
        {
            SingleInstance first(data.path());
            QVERIFY(first.claim());
            QVERIFY(QFile::exists(first.lockPath()));
        }
        SingleInstance next(data.path());
        QVERIFY(next.claim());
        // Nobody answers a program that holds no lock.
        QTemporaryDir empty;
        QVERIFY(!SingleInstance(empty.path()).raiseRunning());
    }

    void staleLockIsTakenOver()
    {
        QTemporaryDir data;
        // A program that dies holding the lock, as after a crash.
        const pid_t child = fork();
        if (child == 0) {
            SingleInstance crashed(data.path());
            _exit(crashed.claim() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        SingleInstance next(data.path());
        QVERIFY(QFile::exists(next.lockPath()));
        QVERIFY(next.claim());
        QVERIFY(!SingleInstance(data.path()).claim());
    }
};

KERBO_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
