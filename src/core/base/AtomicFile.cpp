#include "core/base/AtomicFile.h"

#include "core/base/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <filesystem>

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

} // namespace

QString AtomicFile::readCause(int code, const QString &detail)
{
    switch (code) {
    case EIO:
        return QStringLiteral("erreur de lecture sur le disque ou le réseau.");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès est refusé.");
    case ENOENT:
        return QStringLiteral("il est introuvable.");
    case EISDIR:
        return QStringLiteral("c'est un dossier.");
    default:
        return QStringLiteral("erreur de lecture (%1).").arg(systemText(code, detail));
    }
}

namespace
{

// Forces the written data to the disk before the file takes its name, so that a failure to
// store it (a full disk, an I/O error) is known while the previous file is still in place.
bool syncToDisk(QFileDevice &file, int &code)
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
    return file.flush(); // the system's own buffers reach the disk as it sees fit
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

// Why a file that stays as it is cannot be changed: a file of another user (left by the
// administrator, or by a colleague on a shared computer) is not read-only for its owner.
QString readOnlyCause(const QFileInfo &file)
{
#ifdef Q_OS_UNIX
    if (file.exists() && (file.permissions() & QFileDevice::WriteOwner) &&
        file.ownerId() != ::geteuid()) {
        const QString owner = file.owner();
        return QStringLiteral("le fichier appartient à l'utilisateur %1, vous ne pouvez pas le "
                              "modifier.")
            .arg(owner.isEmpty() ? QString::number(file.ownerId()) : owner);
    }
#else
    Q_UNUSED(file);
#endif
    return QStringLiteral("le fichier est en lecture seule.");
}

// The new file keeps the owner, group and permissions of the one it replaces: a save by the
// administrator leaves the driver's file his, a file shared with a group stays shared.
void keepOwnership(QFileDevice &file, const QFileInfo &previous)
{
    file.setPermissions(previous.permissions());
#ifdef Q_OS_UNIX
    const uid_t owner = previous.ownerId();
    const gid_t group = previous.groupId();
    const QFileInfo made(file.fileName());
    if (made.ownerId() == owner && made.groupId() == group) return;
    // Only the administrator may give a file away; anyone may give it a group of his own. A
    // group the user is not in stays the user's: the file is still written.
    if (::fchown(file.handle(), owner, group) != 0 && made.groupId() != group &&
        ::fchown(file.handle(), uid_t(-1), group) != 0)
        return;
    file.setPermissions(previous.permissions()); // a change of owner may clear some bits
#endif
}

QString failureText(const QString &path, const QString &cause)
{
    return QStringLiteral("Impossible d'écrire le fichier %1 : %2")
        .arg(QDir::toNativeSeparators(path), cause);
}

} // namespace

// The file a symbolic link leads to, through every link: it is that file that is written, the
// link staying a link. The path itself when it is no link, or when the links go round.
QString AtomicFile::linkTarget(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

void AtomicFile::keepOwnership(const QString &made, const QString &previous)
{
    const QFileInfo before(previous);
    QFile file(made);
    if (before.exists() && file.open(QIODevice::ReadOnly)) ::keepOwnership(file, before);
}

QString AtomicFile::readOnlyFailure(const QString &path)
{
    return failureText(path, readOnlyCause(QFileInfo(path)));
}

AtomicFile::AtomicFile(const QString &path) : m_path(path), m_target(path) {}

AtomicFile::~AtomicFile()
{
    if (!m_committed) discard();
}

void AtomicFile::discard()
{
    const bool made = m_file.isOpen();
    m_file.close();
    if (made) QFile::remove(m_file.fileName());
}

bool AtomicFile::fail(const QString &cause)
{
    m_error = failureText(m_path, cause);
    discard();
    return false;
}

namespace
{

QString temporaryName(const QString &target)
{
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    // A name may take the whole length a folder allows (255 bytes): the temporary file's keeps
    // only as much of it as leaves room for the mark, whole characters only.
    constexpr qsizetype NameMax = 255;
    constexpr qsizetype Added = sizeof AtomicFile::TemporaryMark - 1 + 6;
    const qsizetype cut = qMax(target.lastIndexOf(u'/'), target.lastIndexOf(u'\\')) + 1;
    QString base = target.mid(cut);
    while (base.size() > 1 && QFile::encodeName(base).size() + Added > NameMax)
        base.chop(base.size() >= 2 && base.back().isLowSurrogate() ? 2 : 1);
    QString name = target.left(cut) + base + QLatin1String(AtomicFile::TemporaryMark);
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return name;
}

// Gives the temporary file the target's name, replacing the file there in one step.
bool renameOver(const QString &from, const QString &to, int &code)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    code = errno;
    return false;
#else
    std::error_code failure;
    std::filesystem::rename(from.toStdWString(), to.toStdWString(), failure);
    code = failure.value();
    return !failure;
#endif
}

} // namespace

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
    if (Paths::keptReadOnly(QFileInfo(m_path))) return fail(readOnlyCause(QFileInfo(m_path)));
    m_target = linkTarget(m_path);
    const QFileInfo previous(m_target);
    // Unbuffered: every byte is handed to the system by write() and its failure seen there.
    // Buffered, a small file would only be written inside commit(), whose failed write could
    // still let the empty temporary file replace the previous one. A new name is made, never
    // one that is there.
    int code = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_file.setFileName(temporaryName(m_target));
        errno = 0;
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (previous.exists()) ::keepOwnership(m_file, previous);
            return true;
        }
        code = errno;
        if (code != EEXIST) break;
    }
    const QFileInfo target(m_path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return fail(QStringLiteral("le dossier %1 est introuvable.")
                        .arg(QDir::toNativeSeparators(folder.filePath())));
    if (code == EROFS) return fail(writeCause(code, QString()));
    // The folder may be writable and the file itself not: it is that file that must change.
    if (target.isFile() && !target.isWritable()) return fail(readOnlyCause(target));
    return fail(QStringLiteral("impossible de créer un fichier dans le dossier %1 (%2).")
                    .arg(QDir::toNativeSeparators(folder.filePath()),
                         systemText(code, m_file.errorString())));
}

bool AtomicFile::write(QByteArrayView bytes)
{
    if (!m_file.isOpen())
        return false;
    const QString cause = writeAll(m_file, bytes);
    if (!cause.isEmpty()) return fail(cause);
    m_written += bytes.size();
    return true;
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
    m_file.close();
    int failure = 0;
    if (!renameOver(m_file.fileName(), m_target, failure)) {
        // A network share may rename the file and lose its answer on the way back: the
        // temporary file gone and the file of its size, the save is done.
        if (!QFileInfo::exists(m_file.fileName()) && QFileInfo(m_target).size() == m_written) {
            m_committed = true;
            return true;
        }
        const bool replacing = QFileInfo::exists(m_target);
        QFile::remove(m_file.fileName());
        return fail((replacing ? QStringLiteral("le fichier n'a pas pu être remplacé (%1).")
                               : QStringLiteral("le fichier n'a pas pu être écrit (%1)."))
                        .arg(systemText(failure, QString::fromLocal8Bit(std::strerror(failure)))));
    }
    m_committed = true;
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
