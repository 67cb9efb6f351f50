#include "core/base/TextFile.h"

#include "core/base/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace TextFile {
namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString cannotRead(const QString &path, const QString &cause)
{
    return QStringLiteral("Le fichier %1 n'a pas pu être lu : %2").arg(native(path), cause);
}

QString cannotWrite(const QString &path, const QString &cause)
{
    return QStringLiteral("Le fichier %1 n'a pas pu être enregistré : %2")
        .arg(native(path), cause);
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
        return QStringLiteral("erreur d'écriture sur le disque (%1).").arg(detail);
    case EROFS:
        return QStringLiteral("le disque est protégé en écriture.");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès est refusé.");
    default:
        return QStringLiteral("erreur d'écriture (%1).").arg(detail);
    }
}

// Forces the written data to the disk before the file takes its name, so that a failure to
// store it (a full disk, an I/O error) is known while the previous file is still in place.
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
    return true; // QSaveFile::commit flushes the file's buffers itself
#endif
}

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        const void *hit = memchr(data + start, '\n', size_t(size - start));
        qsizetype end = hit ? static_cast<const char *>(hit) - data : size;
        qsizetype len = end - start;
        if (len > 0 && data[start + len - 1] == '\r') --len;
        lines.append(Cp1252::decode(data + start, len));
        start = end + 1;
    }
    return lines;
}

ReadBytes readBytes(const QString &path, qint64 maxBytes)
{
    ReadBytes result;
    QFile file(path);
    if (!file.exists()) {
        result.missing = true;
        result.error = cannotRead(path, QStringLiteral("il est introuvable."));
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = cannotRead(path, file.errorString());
        return result;
    }
    auto tooLarge = [&] {
        result.error = cannotRead(
            path, QStringLiteral("il est trop volumineux pour être un fichier de Kerbo (plus de "
                                 "%1 Mo).")
                      .arg(maxBytes / (1024 * 1024)));
        return result;
    };
    // The size first, so that a huge file is refused without being read.
    if (file.size() > maxBytes)
        return tooLarge();
    QByteArray bytes = file.read(qMin(file.size(), maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = cannotRead(path, file.errorString());
        return result;
    }
    // A file that grows while read, or one whose size the system does not tell.
    while (!file.atEnd() && bytes.size() <= maxBytes) {
        const QByteArray more = file.read(64 * 1024);
        if (file.error() != QFileDevice::NoError) {
            result.error = cannotRead(path, file.errorString());
            return result;
        }
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.size() > maxBytes)
        return tooLarge();
    result.bytes = std::move(bytes);
    result.ok = true;
    return result;
}

ReadResult readLines(const QString &path, qint64 maxBytes)
{
    ReadResult result;
    ReadBytes file = readBytes(path, maxBytes);
    result.ok = file.ok;
    result.missing = file.missing;
    result.error = std::move(file.error);
    if (file.ok)
        result.lines = splitLines(file.bytes);
    return result;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray out;
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    out.reserve(total);
    for (const QString &line : lines) {
        out += Cp1252::encode(line);
        out += "\r\n";
    }
    return out;
}

bool writeAtomic(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    auto fail = [&](const QString &cause) {
        if (error) *error = cannotWrite(path, cause);
        file.cancelWriting();
        return false;
    };
    // Unbuffered: every byte is handed to the system by write() and its failure seen there.
    // Buffered, a small file would only be written inside commit(), whose failed write could
    // still let the empty temporary file replace the previous one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        if (!folder.isDir())
            return fail(
                QStringLiteral("le dossier %1 est introuvable.").arg(native(folder.filePath())));
        return fail(QStringLiteral("impossible de créer un fichier dans le dossier %1 (%2).")
                        .arg(native(folder.filePath()), file.errorString()));
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return fail(writeCause(errno, file.errorString()));
        done += n;
    }
    errno = 0;
    if (!file.flush())
        return fail(writeCause(errno, file.errorString()));
    int code = 0;
    if (!syncToDisk(file, code))
        return fail(writeCause(code, QString::fromLocal8Bit(std::strerror(code))));
    if (!file.commit()) {
        // commit() removes the temporary file itself; the previous file was not replaced.
        if (error)
            *error = cannotWrite(path, QStringLiteral("le fichier n'a pas pu être remplacé (%1).")
                                           .arg(file.errorString()));
        return false;
    }
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeAtomic(path, joinLines(lines), error);
}

} // namespace TextFile
