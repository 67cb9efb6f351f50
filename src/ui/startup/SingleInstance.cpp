#include "ui/startup/SingleInstance.h"

#include "ui/startup/Workspace.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

constexpr char RaiseRequest[] = "raise";
// A request is one line: "raise", then the later start's activation token, if any.
constexpr qsizetype MaxRequest = 300;
constexpr qsizetype MaxToken = 255;

// A token as desktops make them: printable, without blanks, short.
bool isToken(const QByteArray &token)
{
    if (token.isEmpty() || token.size() > MaxToken) return false;
    for (const char c : token)
        if (c < 0x21 || c > 0x7e) return false;
    return true;
}

// One socket per data folder, in the user's runtime folder, short enough for a socket address.
QByteArray socketPathFor(const QString &dataFolder)
{
    const QString canonical = QFileInfo(dataFolder).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? QDir::cleanPath(dataFolder) : canonical).toUtf8();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QFile::encodeName(
        QDir(folder).filePath(QStringLiteral("kerbo-") +
                              QString::fromLatin1(QCryptographicHash::hash(
                                                      key, QCryptographicHash::Sha1)
                                                      .toHex()
                                                      .left(16))));
}

// The socket's address; false when the path does not fit in one.
bool addressFor(const QByteArray &path, sockaddr_un *address)
{
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path) return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_lockPath(QDir(dataFolder).filePath(QStringLiteral(".kerbo.lock"))),
      m_socketPath(socketPathFor(dataFolder))
{
}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0) {
        delete m_accepting;
        ::close(m_listener);
        ::unlink(m_socketPath.constData());
    }
    // The file stays: removing it would let a later start lock a new file while another still
    // waits on this one.
    if (m_lock >= 0) ::close(m_lock);
}

bool SingleInstance::claim()
{
    if (m_lock >= 0 || m_listener >= 0) return true;
    const QByteArray path = QFile::encodeName(m_lockPath);
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A lock file this user may not write (made by another user of a shared folder, or by the
    // administrator) still takes the lock: it needs the file open, not writable.
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) return false; // another Kerbo holds it
        return claimWithoutLock();
    }
    if (fd < 0) return claimWithoutLock();
    m_lock = fd;
    // Without the socket the lock still protects the files; later starts then only say so.
    listen();
    return true;
}

// A folder whose file system keeps no locks (a network share whose lock service does not run
// refuses them, ENOLCK) or where the file cannot be made: the socket alone tells whether a Kerbo
// of this user runs on the folder. Refusing the start would keep Kerbo closed for good, with a
// message about a window that does not exist.
bool SingleInstance::claimWithoutLock()
{
    sockaddr_un address;
    if (addressFor(m_socketPath, &address)) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool answered =
            fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        if (fd >= 0) ::close(fd);
        if (answered) return false;
    }
    listen();
    return true;
}

void SingleInstance::listen()
{
    sockaddr_un address;
    if (!addressFor(m_socketPath, &address)) return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // The lock is ours, so a socket left by a program that died is stale. Only the user may
    // connect: the socket is made in a folder of the user's own, and kept to the user.
    ::unlink(m_socketPath.constData());
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::chmod(m_socketPath.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    m_listener = fd;
    m_accepting = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, &SingleInstance::acceptRequests);
}

void SingleInstance::acceptRequests()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        // Each later start sends its request once, and closes the connection.
        auto *reading = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto request = std::make_shared<QByteArray>();
        connect(reading, &QSocketNotifier::activated, this, [this, reading, request, fd] {
            char buffer[MaxRequest];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
            if (got > 0) request->append(buffer, got);
            if (got > 0 && !request->contains('\n') && request->size() < MaxRequest) return;
            reading->setEnabled(false);
            reading->deleteLater();
            ::close(fd);
            const QByteArray line = request->left(request->indexOf('\n'));
            if (!line.startsWith(RaiseRequest)) return;
            const QByteArray token = line.mid(qsizetype(sizeof RaiseRequest)).trimmed();
            emit raiseRequested(isToken(token) ? token : QByteArray());
        });
    }
}

bool SingleInstance::raiseRunning(const QByteArray &activationToken) const
{
    QByteArray request = RaiseRequest;
    if (isToken(activationToken)) request += ' ' + activationToken;
    request += '\n';
    sockaddr_un address;
    if (!addressFor(m_socketPath, &address)) return false;
    // Never waits: a program too busy to take the connection counts as not answering.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // The request waits in the socket until the running program reads it.
    const bool sent = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                      ::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) ==
                          ssize_t(request.size());
    ::close(fd);
    return sent;
}

void SingleInstance::bringForward(QWidget *window, const QByteArray &activationToken)
{
    Workspace::moveToCurrent(window);
    // showNormal() would drop a maximised state that minimising keeps underneath.
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    // A Wayland desktop brings a window forward only with a token it gave: the one it gave the
    // later start that asks. Qt's activation takes it from the environment, and drops it there.
    const bool handed = !activationToken.isEmpty() &&
                        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (handed) qputenv(ActivationTokenVariable, activationToken);
    window->activateWindow();
    if (handed) qunsetenv(ActivationTokenVariable);
    // An X11 window manager that keeps focus from windows nobody clicked takes the time of the
    // click on the menu, which the launch id tells.
    if (const std::uint32_t clicked = Workspace::launchTime(activationToken);
        clicked != 0 && QGuiApplication::platformName() == QLatin1String("xcb"))
        Workspace::activate(window, clicked);
}

QList<QWidget *> SingleInstance::windowsToBringForward(QWidget *main)
{
    QWidget *modal = QApplication::activeModalWidget();
    QList<QWidget *> windows;
    if (main && main->isVisible() && main != modal) windows << main;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w == main || w == modal || !w->isVisible() ||
            (type != Qt::Window && type != Qt::Dialog))
            continue;
        windows << w;
    }
    if (modal) windows << modal;
    return windows;
}
