#include "core/base/TextFile.h"

#include "core/base/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

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
        if (len > 0 && data[start + len - 1] == '\r')
            --len;
        lines.append(Cp1252::decode(data + start, len));
        start = end + 1;
    }
    return lines;
}

ReadResult readLines(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Impossible de lire le fichier %1 : %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("Impossible de lire le fichier %1 : %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    result.lines = splitLines(bytes);
    result.ok = true;
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
    // The new content goes to a temporary file that replaces the old one only once it is whole:
    // a crash or a full disk leaves the previous file as it was.
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    // flush() first: a write cut short by a full disk surfaces there, and commit() would not
    // report it (it would put the cut file in place of the old one).
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeAtomic(path, joinLines(lines), error);
}

} // namespace TextFile
