#include "TestMain.h"

#include "FaultInjection.h"
#include "TestFiles.h"
#include "ui/startup/SingleInstance.h"

#include <QMenu>
#include <QMessageBox>
#include <QWidget>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace
{

// A connection of a program that is not Kerbo: it sends what it likes, or nothing.
int connectTo(const QByteArray &path, const QByteArray &send)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) return -1;
    if (!send.isEmpty() && ::write(fd, send.constData(), size_t(send.size())) != send.size())
        return -1;
    return fd;
}

} // namespace

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

        // Anything else on the socket is ignored, and a connection that says nothing holds
        // nobody up.
        const int silent = connectTo(first.socketPath(), {});
        const int noise = connectTo(first.socketPath(), QByteArray(200, 'r'));
        QVERIFY(silent >= 0 && noise >= 0);
        ::close(noise);
        QVERIFY(second.raiseRunning());
        QTRY_COMPARE(raised.size(), 2);
        QTest::qWait(50);
        QCOMPARE(raised.size(), 2);
        ::close(silent);

        // The token a Wayland desktop gave the later start travels with the request; anything
        // that cannot be one is dropped, the request still raises.
        for (const QByteArray &token :
             {QByteArray("gnome-shell/Kerbo/2741-3-vm_TIME123456"), QByteArray(255, 'k')}) {
            const qsizetype before = raised.size();
            QVERIFY(second.raiseRunning(token));
            QTRY_COMPARE(raised.size(), before + 1);
            QCOMPARE(raised.last().value(0).toByteArray(), token);
        }
        for (const QByteArray &bad : {QByteArray("deux mots"), QByteArray("tab\tbed"),
                                      QByteArray(256, 'k'), QByteArray("\xc3\xa9t\xc3\xa9")}) {
            const qsizetype before = raised.size();
            QVERIFY(second.raiseRunning(bad));
            QTRY_COMPARE(raised.size(), before + 1);
            QCOMPARE(raised.last().value(0).toByteArray(), QByteArray());
        }
        const int forged = connectTo(first.socketPath(), "raise k\x01y\n");
        QVERIFY(forged >= 0);
        QTRY_COMPARE(raised.size(), 9);
        QCOMPARE(raised.last().value(0).toByteArray(), QByteArray());
        ::close(forged);

        // Another data folder is another Kerbo.
        QTemporaryDir other;
        SingleInstance elsewhere(other.path());
        QVERIFY(elsewhere.claim());
        QCOMPARE(raised.size(), 9);
    }

    // The window asked for comes back as the driver left it: a maximised editor that was
    // minimised is maximised again, not brought back at some small normal size.
    void raisedWindowKeepsItsSize()
    {
        QWidget window;
        window.showMaximized();
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        SingleInstance::bringForward(&window);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isMaximized());

        window.showNormal();
        window.setWindowState(Qt::WindowMinimized);
        SingleInstance::bringForward(&window);
        QVERIFY(!window.isMinimized() && !window.isMaximized());
    }

    // Every window the driver has open comes: a window left behind would stay on another
    // desktop, and a modal one there would hold the editor brought forward.
    void everyOpenWindowComesTheModalOneLast()
    {
        QWidget editor;
        editor.show();
        QWidget verso;
        verso.setWindowModality(Qt::ApplicationModal);
        verso.show();
        QWidget hidden;
        QMenu menu;
        menu.addAction(u"Quitter"_s);
        menu.popup(QPoint(0, 0));
        QMessageBox question(QMessageBox::Question, u"Kerbo"_s, u" IMPRIMER ?"_s);
        question.setWindowModality(Qt::ApplicationModal);
        question.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &question);
        QCOMPARE(SingleInstance::windowsToBringForward(&editor),
                 (QList<QWidget *>{&editor, &verso, &question}));
        question.hide();
        QTRY_COMPARE(QApplication::activeModalWidget(), &verso);
        QCOMPARE(SingleInstance::windowsToBringForward(&editor),
                 (QList<QWidget *>{&editor, &verso}));
        // Before the editor is open: the first start's dialog alone.
        editor.hide();
        QCOMPARE(SingleInstance::windowsToBringForward(nullptr), QList<QWidget *>{&verso});
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
        // The socket the ended program left behind is taken over: a later start reaches this one.
        QVERIFY(SingleInstance(data.path()).raiseRunning());
        // Nobody answers a program that holds no lock.
        QTemporaryDir empty;
        QVERIFY(!SingleInstance(empty.path()).raiseRunning());
    }

    // A lock file this user may not write (another user's in a shared folder, or one the
    // administrator left) still keeps a second Kerbo out, also one started from another
    // session, whose runtime folder and socket differ.
    void lockFileOfAnotherUserStillLocks()
    {
        QVERIFY(InjectedFault::loaded());
        QTemporaryDir data, runtimeA, runtimeB;
        const bool runtimeSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QString lock = SingleInstance(data.path()).lockPath();
        QVERIFY(writeBytes(lock, {}));
        InjectedFault refused(lock, "openw:EACCES");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeA.path()));
        SingleInstance first(data.path());
        QVERIFY(first.claim());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeB.path()));
        SingleInstance second(data.path());
        const bool claimed = second.claim();
        if (runtimeSet)
            qputenv("XDG_RUNTIME_DIR", runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        QVERIFY(first.socketPath() != second.socketPath());
        QVERIFY(!claimed);
    }

    // A share whose file system refuses locks (ENOLCK), or a lock file that cannot be made:
    // Kerbo starts, once. It said another Kerbo was open, and never started on such a share.
    void folderWithoutLocksStillStartsOnce_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::newRow("no locks") << QByteArray("lock:ENOLCK");
        QTest::newRow("locks not supported") << QByteArray("lock:EOPNOTSUPP");
        QTest::newRow("no lock file") << QByteArray();
    }
    void folderWithoutLocksStillStartsOnce()
    {
        QFETCH(QByteArray, fault);
        QVERIFY(InjectedFault::loaded());
        QTemporaryDir data;
        SingleInstance first(data.path());
        if (fault.isEmpty())
            QVERIFY(QDir(data.path()).mkdir(QFileInfo(first.lockPath()).fileName()));
        InjectedFault refused(first.lockPath(), fault.constData());
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        SingleInstance second(data.path());
        QVERIFY(!second.claim());
        QVERIFY(second.raiseRunning());
        QTRY_COMPARE(raised.size(), 1);
    }
};

KERBO_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
