#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QWidget;

// One Kerbo at a time on a data folder: the first holds a lock on a file of the folder and
// listens for later starts, which ask it to bring its window forward instead of editing the
// same files. The lock is the system's own: it ends with the program that holds it, however it
// ends, and taking it writes nothing to the disk (a lock file that must reach the disk costs a
// start a disk flush, long on a hard disk).
//
// The request travels on a local socket of the user's own. Qt's local sockets would bring in
// Qt Network and the Kerberos and proxy libraries it loads at every start, a few milliseconds
// before the first window for the one word this program ever sends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening. False when another running Kerbo holds it; where
    // the folder keeps no locks, when another running Kerbo answers on the socket.
    bool claim();
    // Asks the Kerbo that holds the lock to show its window, with the token that the desktop
    // gave this start to bring a window forward (see ActivationTokenVariable). False when it
    // does not answer.
    bool raiseRunning(const QByteArray &activationToken = {}) const;

    // Where a Wayland desktop gives a program it starts the token that lets it bring a window
    // forward.
    static constexpr char ActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";

    // What a later start's request does to a window of the running one: brought to the desktop
    // the driver is looking at, forward, out of the task bar if minimised, maximised again if
    // it was.
    // The activation token, when there is one, brings it forward on a Wayland desktop; an X11
    // launch id, with the time of the click it tells.
    static void bringForward(QWidget *window, const QByteArray &activationToken = {});
    // The windows a later start's request brings forward, in that order: `main` (when shown),
    // the program's other windows shown, then the modal window that has the keyboard, which
    // ends on top. A window left behind on another desktop could block the ones brought.
    static QList<QWidget *> windowsToBringForward(QWidget *main);

    QString lockPath() const { return m_lockPath; }
    QByteArray socketPath() const { return m_socketPath; }

signals:
    // A later start asked for the window, with its activation token (empty when it had none).
    void raiseRequested(const QByteArray &activationToken);

private:
    bool claimWithoutLock();
    void listen();
    void acceptRequests();

    QString m_lockPath;
    int m_lock = -1;
    QByteArray m_socketPath;
    int m_listener = -1;
    QSocketNotifier *m_accepting = nullptr;
};
