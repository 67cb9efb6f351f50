#include "TestMain.h"

#include "ui/startup/SingleInstance.h"


#include <sys/wait.h>
#include <unistd.h>

// One Kerbo per data folder: a second start is refused and raises the first.
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

    // Released by a program that quits; taken over from one that died holding it.
    void lockIsReleasedOrTakenOver()
    {
        QTemporaryDir data;
        {
            SingleInstance first(data.path());
            QVERIFY(first.claim());
            QVERIFY(QFile::exists(first.lockPath()));
        }
        QVERIFY(SingleInstance(data.path()).claim());
        const pid_t child = fork();
        if (child == 0) _exit(SingleInstance(data.path()).claim() ? 0 : 1);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        SingleInstance next(data.path());
        QVERIFY(QFile::exists(next.lockPath()));
        QVERIFY(next.claim());
        QVERIFY(!SingleInstance(data.path()).claim());
        // Nobody answers a program that holds no lock.
        QTemporaryDir empty;
        QVERIFY(!SingleInstance(empty.path()).raiseRunning());
    }
};

KERBO_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
