#include "core/base/TextFile.h"

#include "core/base/AtomicFile.h"
#include "core/base/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace TextFile {
namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString cannotRead(const QString &path, const QString &cause)
{
    return QStringLiteral("Impossible de lire le fichier %1 : %2").arg(native(path), cause);
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
        result.error = cannotRead(path, AtomicFile::readCause(errno, file.errorString()));
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
        result.error = cannotRead(path, AtomicFile::readCause(errno, file.errorString()));
        return result;
    }
    // A file that grows while read, or one whose size the system does not tell.
    while (!file.atEnd() && bytes.size() <= maxBytes) {
        const QByteArray more = file.read(64 * 1024);
        if (file.error() != QFileDevice::NoError) {
            result.error = cannotRead(path, AtomicFile::readCause(errno, file.errorString()));
            return result;
        }
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.size() > maxBytes)
        return tooLarge();
    result.bytes = Cp1252::fromFileBytes(std::move(bytes));
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
    AtomicFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    if (error)
        *error = file.error();
    return false;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeAtomic(path, joinLines(lines), error);
}

} // namespace TextFile
