#include "core/lists/ListFile.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>

namespace ListFile
{

Content read(const QString &path)
{
    Content content;
    QFile file(path);
    if (!file.exists()) {
        content.readable = true;
        return content;
    }
    const auto refuse = [&](const QString &why) {
        content.error = QStringLiteral("Impossible de lire le fichier %1 : %2")
                            .arg(QDir::toNativeSeparators(path), why);
        return content;
    };
    if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString());
    if (file.size() > MaxBytes) return refuse(QStringLiteral("le fichier est trop grand"));
    content.bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError) return refuse(file.errorString());
    if (content.bytes.size() > MaxBytes) {
        content.bytes.clear();
        return refuse(QStringLiteral("le fichier est trop grand"));
    }
    content.lines = TextFile::splitLines(content.bytes);
    content.readable = true;
    return content;
}

QStringList lines(const QString &path)
{
    return read(path).lines;
}

QByteArray appended(const QByteArray &bytes, const QString &item)
{
    QByteArray out = bytes;
    if (!out.isEmpty() && !out.endsWith('\n')) out += "\r\n";
    out += Cp1252::encode(item);
    out += "\r\n";
    return out;
}

bool append(const QString &path, const QString &item, QString *error)
{
    const Content content = read(path);
    if (!content.readable) {
        if (error) *error = content.error;
        return false;
    }
    return TextFile::writeAtomic(path, appended(content.bytes, item), error);
}

int remove(const QString &path, const QString &entry, bool splitAtCommas, QString *error)
{
    const Content content = read(path);
    if (!content.readable) {
        if (error) *error = content.error;
        return -1;
    }
    int removed = 0;
    QStringList kept;
    for (const QString &line : content.lines) {
        const QStringList entries = splitAtCommas ? line.split(u',') : QStringList{line};
        for (const QString &e : entries) {
            if (e == entry)
                ++removed;
            else if (!e.isEmpty())
                kept << e;
        }
    }
    if (!TextFile::writeLines(path, kept, error)) return -1;
    return removed;
}

bool clear(const QString &path, QString *error)
{
    return TextFile::writeAtomic(path, QByteArray(), error);
}

} // namespace ListFile
