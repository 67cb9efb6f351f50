#include "core/folders/FolderListing.h"

#include "core/base/Cp1252.h"
#include "core/base/Drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace FolderListing
{

namespace
{

// Compares names as the file-open dialog orders them: numbers by their value, so that day 2
// comes before day 10 and day 100, the rest without regard to case.
int naturalCompare(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            while (i < a.size() && a[i] == u'0')
                ++i;
            while (j < b.size() && b[j] == u'0')
                ++j;
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            // Without their leading zeros, the longer number is the larger.
            if (i - startA != j - startB) return i - startA < j - startB ? -1 : 1;
            const int c = QStringView(a)
                              .mid(startA, i - startA)
                              .compare(QStringView(b).mid(startB, j - startB));
            if (c != 0) return c;
            continue;
        }
        const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return 0;
}

QStringList names(const QString &folder, QDir::Filters filters, const QStringList &patterns)
{
    QDir dir(folder);
    dir.setNameFilters(patterns);
    // Sorted here: QDir's own sort without regard to case costs more than the listing itself.
    QStringList list = dir.entryList(filters | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        const int c = naturalCompare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return list;
}

} // namespace

QList<Entry> entries(const QString &driveRoot, const QString &folder)
{
    const QString root = Drives::clean(driveRoot);
    QString current = Drives::clean(folder);
    if (!Drives::isSameOrBelow(current, root)) current = root;

    QList<Entry> list;
    list.append({root, root, 0, true});
    // The folders between the root and the current one, each a step deeper.
    if (current != root) {
        const QString rest = current.mid(root.size());
        QString path = root;
        int depth = 0;
        for (const QString &part : rest.split(QDir::separator(), Qt::SkipEmptyParts)) {
            path = QDir::toNativeSeparators(QDir(path).filePath(part));
            list.append({path, part, ++depth, true});
        }
    }
    const int depth = list.constLast().depth + 1;
    for (const QString &name : subfolders(current))
        list.append({QDir::toNativeSeparators(QDir(current).filePath(name)), name, depth, false});
    return list;
}

QStringList subfolders(const QString &folder)
{
    return names(folder, QDir::Dirs, {});
}

QStringList dayFiles(const QString &folder)
{
    return names(folder, QDir::Files, {QStringLiteral("*.txt")});
}

QStringList unreadableNames(const QString &folder)
{
    QStringList found;
#ifdef Q_OS_UNIX
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) return found;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(name); // the decoder converts when its result is taken
        if (utf8.hasError()) found << Cp1252::decode(name);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
#else
    Q_UNUSED(folder);
#endif
    return found;
}

QString existingFolder(const QString &driveRoot, const QString &folder)
{
    const QString root = Drives::clean(driveRoot);
    QString f = Drives::clean(folder);
    if (!Drives::isSameOrBelow(f, root)) return root;
    while (f != root && !QFileInfo(f).isDir())
        f = Drives::clean(QFileInfo(f).path());
    return f;
}

QString goneText(const QString &folder)
{
    return QStringLiteral("Le dossier ") + folder +
           QStringLiteral(" n'existe plus : il a été supprimé ou renommé, ou la clé qui le "
                          "contient a été retirée.\r\nRien n'a été fait. Choisissez de nouveau "
                          "le dossier.");
}

} // namespace FolderListing
