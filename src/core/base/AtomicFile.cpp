#include "core/base/AtomicFile.h"

#include "core/base/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The system's wording in French for the failures a driver meets, whatever the desktop's
// language; the system's own wording otherwise.
QString systemText(int code, const QString &detail)
{
    switch (code) {
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case EROFS:
        return QStringLiteral("disque protégé en écriture");
    case ENOSPC:
        return QStringLiteral("disque plein");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("quota du disque dépassé");
#endif
    // A failing disk, or a network share whose link dropped.
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie du disque ou du réseau");
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case ETIMEDOUT:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case ESTALE:
        return QStringLiteral("le dossier réseau ne répond plus");
    default:
        return detail;
    }
}

// What a failed write or sync means for the driver; `detail` is the system's own wording.
QString writeCause(int code, const QString &detail)
{
    switch (code) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("le disque est plein.");
    case EIO:
        return QStringLiteral("erreur d'écriture sur le disque ou le réseau.");
    case EROFS:
        return QStringLiteral("le disque est protégé en écriture.");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès est refusé.");
    default:
        return QStringLiteral("erreur d'écriture (%1).").arg(systemText(code, detail));
    }
}

// Forces the written data to the disk before the file takes its name, so that a failure to
// store it (a full disk, an I/O error) is known while the previous file is still in place.
// QSaveFile::commit() syncs too, but goes on whatever the sync answers.
bool syncToDisk(QSaveFile &file, int &code)
{
#ifdef Q_OS_UNIX
    const int fd = file.handle();
    if (fd < 0)
        return true;
    for (;;) {
#ifdef Q_OS_LINUX
        const int rc = ::fdatasync(fd);
#else
        const int rc = ::fsync(fd);
#endif
        if (rc == 0)
            return true;
        if (errno == EINTR)
            continue;
        // A file system that cannot sync (some network and special ones) is not a failure.
        if (errno == EINVAL || errno == ENOTSUP)
            return true;
        code = errno;
        return false;
    }
#else
    Q_UNUSED(file);
    Q_UNUSED(code);
    return true; // QSaveFile::commit() flushes the file's buffers itself
#endif
}

// Writes every byte, going on after a short write; the cause of a failure, or nothing.
QString writeAll(QFileDevice &file, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return writeCause(errno, file.errorString());
        done += n;
    }
    return QString();
}

QString readOnlyCause()
{
    return QStringLiteral("le fichier est en lecture seule.");
}

QString failureText(const QString &path, const QString &cause)
{
    return QStringLiteral("Impossible d'écrire le fichier %1 : %2")
        .arg(QDir::toNativeSeparators(path), cause);
}

} // namespace

QString AtomicFile::readOnlyFailure(const QString &path)
{
    return failureText(path, readOnlyCause());
}

AtomicFile::AtomicFile(const QString &path) : m_path(path), m_file(path) {}

AtomicFile::~AtomicFile()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool AtomicFile::fail(const QString &cause)
{
    m_error = failureText(m_path, cause);
    if (m_file.isOpen())
        m_file.cancelWriting();
    return false;
}

bool AtomicFile::open()
{
    // A folder of another computer's settings ("D:\Roulements\") is no folder here: written as
    // it stands, the file would land wherever the program was started, under a strange name.
    if (QDir::isRelativePath(m_path)) {
        const qsizetype cut = qMax(m_path.lastIndexOf(u'/'), m_path.lastIndexOf(u'\\'));
        return fail(QStringLiteral("le dossier %1 est introuvable.").arg(m_path.left(cut + 1)));
    }
    // A file whose owner took its write permission away stays as it is, also for root, whom
    // the system would let replace it.
    if (Paths::keptReadOnly(QFileInfo(m_path))) return fail(readOnlyCause());
    // Unbuffered: every byte is handed to the system by write() and its failure seen there.
    // Buffered, a small file would only be written inside commit(), whose failed write could
    // still let the empty temporary file replace the previous one.
    errno = 0;
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    const int code = errno;
    const QFileInfo target(m_path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return fail(QStringLiteral("le dossier %1 est introuvable.")
                        .arg(QDir::toNativeSeparators(folder.filePath())));
    if (code == EROFS) return fail(writeCause(code, QString()));
    // The folder may be writable and the file itself not: it is that file that must change.
    if (target.isFile() && !target.isWritable()) return fail(readOnlyCause());
    return fail(QStringLiteral("impossible de créer un fichier dans le dossier %1 (%2).")
                    .arg(QDir::toNativeSeparators(folder.filePath()),
                         systemText(code, m_file.errorString())));
}

bool AtomicFile::write(QByteArrayView bytes)
{
    if (!m_file.isOpen())
        return false;
    const QString cause = writeAll(m_file, bytes);
    return cause.isEmpty() || fail(cause);
}

bool AtomicFile::commit()
{
    if (!m_file.isOpen())
        return false;
    errno = 0;
    if (!m_file.flush())
        return fail(writeCause(errno, m_file.errorString()));
    int code = 0;
    if (!syncToDisk(m_file, code))
        return fail(writeCause(code, QString::fromLocal8Bit(std::strerror(code))));
    // commit() removes the temporary file itself when it cannot give it the file's name.
    errno = 0;
    if (!m_file.commit()) {
        const int failure = errno;
        return fail((QFileInfo::exists(m_path)
                         ? QStringLiteral("le fichier n'a pas pu être remplacé (%1).")
                         : QStringLiteral("le fichier n'a pas pu être écrit (%1)."))
                        .arg(systemText(failure, m_file.errorString())));
    }
    return true;
}

bool AtomicFile::writeNew(const QString &path, QByteArrayView bytes, QString *error)
{
    QFile file(path);
    auto failed = [&](const QString &cause) {
        if (error)
            *error = failureText(path, cause);
        file.close();
        file.remove();
        return false;
    };
    // A file of that name written earlier into the same new folder is replaced.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        const int code = errno;
        return failed(QStringLiteral("impossible de créer le fichier (%1).")
                          .arg(systemText(code, file.errorString())));
    }
    const QString cause = writeAll(file, bytes);
    return cause.isEmpty() || failed(cause);
}

bool AtomicFile::syncFolder(const QString &folder, QString *error)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(folder);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true; // nothing to sync through; the rename that follows says what is wrong
    int code = 0;
#ifdef Q_OS_LINUX
    // The data of every file of the file system the folder is on, in one pass, then the
    // folder's own entries.
    if (::syncfs(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        code = errno;
#endif
    if (code == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        code = errno;
    ::close(fd);
    if (code != 0) {
        if (error)
            *error = failureText(folder, writeCause(code, QString::fromLocal8Bit(std::strerror(code))));
        return false;
    }
#else
    Q_UNUSED(folder);
    Q_UNUSED(error);
#endif
    return true;
}
