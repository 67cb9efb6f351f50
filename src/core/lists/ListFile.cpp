#include "core/lists/ListFile.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"


namespace ListFile
{

Content read(const QString &path)
{
    Content content;
    TextFile::ReadBytes file = TextFile::readBytes(path, MaxBytes);
    if (file.missing) {
        content.readable = true;
        return content;
    }
    if (!file.ok) {
        content.error = std::move(file.error);
        return content;
    }
    content.bytes = std::move(file.bytes);
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
    // A last line without its line end gets one; a lone CR there is the start of it.
    if (out.endsWith('\r'))
        out += '\n';
    else if (!out.isEmpty() && !out.endsWith('\n'))
        out += "\r\n";
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
