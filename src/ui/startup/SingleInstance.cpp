#include "ui/startup/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace
{

constexpr int AnswerWaitMs = 1000;
constexpr char RaiseRequest[] = "raise\n";

// One server name per data folder, short enough for a socket path.
QString serverNameFor(const QString &dataFolder)
{
    const QString canonical = QFileInfo(dataFolder).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? QDir::cleanPath(dataFolder) : canonical).toUtf8();
    return QStringLiteral("kerbo-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_lock(QDir(dataFolder).filePath(QStringLiteral(".kerbo.lock"))),
      m_serverName(serverNameFor(dataFolder))
{
    // A Kerbo that runs for hours keeps its lock: only a lock whose program is gone is stale.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0)) return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket left by a program that died is stale too. Without the
    // server the lock still protects the files; later starts then only say so.
    QLocalServer::removeServer(m_serverName);
    m_server->listen(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise")) emit raiseRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

bool SingleInstance::raiseRunning() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(AnswerWaitMs)) return false;
    socket.write(RaiseRequest);
    if (!socket.waitForBytesWritten(AnswerWaitMs)) return false;
    // The running program closes the connection once it has read the request.
    socket.waitForDisconnected(AnswerWaitMs);
    return true;
}
