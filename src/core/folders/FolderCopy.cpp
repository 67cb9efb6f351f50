#include "core/folders/FolderCopy.h"

#include "core/base/Drives.h"
#include "core/base/StaleWork.h"
#include "core/files/FileCopy.h"
#include "core/folders/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace FolderCopy
{

namespace
{

QString resolved(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? Drives::clean(folder) : Drives::clean(canonical);
}

struct Item {
    QString relative;
    enum { Folder, File, Link } kind;
    QString linkTarget;
};

// The whole tree is listed before anything is written, so that a copy made inside the source
// (through a link) is never copied again.
bool listTree(const QString &root, const QString &relative, QList<Item> &items, QString *error)
{
    const QDir dir(relative.isEmpty() ? root : QDir(root).filePath(relative));
    if (!dir.isReadable()) {
        if (error)
            *error = QStringLiteral("Impossible de lire le dossier %1")
                         .arg(QDir::toNativeSeparators(dir.path()));
        return false;
    }
    // A name Qt cannot read would be left out of the copy without a word.
    if (const QStringList unreadable = FolderListing::unreadableNames(dir.path());
        !unreadable.isEmpty()) {
        if (error)
            *error = QStringLiteral("Le dossier %1 contient des noms écrits dans un autre codage "
                                    "que Kerbo ne sait pas copier :\r\n%2\r\nRenommez-les, puis "
                                    "recommencez.")
                         .arg(QDir::toNativeSeparators(dir.path()), unreadable.join(u", "_s));
        return false;
    }
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : entries) {
        const QString rel =
            relative.isEmpty() ? info.fileName() : relative + u'/' + info.fileName();
        if (info.isSymLink()) {
            items.append({rel, Item::Link, info.symLinkTarget()});
        } else if (info.isDir()) {
            items.append({rel, Item::Folder, {}});
            if (!listTree(root, rel, items, error)) return false;
        } else {
            items.append({rel, Item::File, {}});
        }
    }
    return true;
}

} // namespace

bool isSameOrInside(const QString &source, const QString &target)
{
    return Drives::isSameOrBelow(target, source) ||
           Drives::isSameOrBelow(resolved(target), resolved(source));
}

bool copyTree(const QString &source, const QString &destination, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error && error->isEmpty()) *error = why;
        return false;
    };
    const QFileInfo dest(destination);
    if (dest.exists() || dest.isSymLink())
        return fail(
            QStringLiteral("Le dossier %1 existe déjà").arg(QDir::toNativeSeparators(destination)));

    QList<Item> items;
    if (!listTree(source, QString(), items, error)) return false;

    // Hidden, and short whatever the copy's name: a name of the whole length a folder's name may
    // have is still a good destination. One that a copy stopped half-way (a crash, a power cut,
    // a key pulled out) left there is removed first: the driver never sees it, and it would stay
    // on the key for good.
    removeStaleWorkFolders(dest.path(), QStringLiteral("^\\.kerbo-copie-[A-Za-z0-9]{6}$"));
    QTemporaryDir work(QDir(dest.path()).filePath(QStringLiteral(".kerbo-copie-XXXXXX")));
    if (!work.isValid())
        return fail(QStringLiteral("Impossible de créer un dossier dans %1 : %2")
                        .arg(QDir::toNativeSeparators(dest.path()), work.errorString()));
    const QDir into(work.path());
    for (const Item &item : items) {
        const QString to = into.filePath(item.relative);
        // Failures name the file in the folder the driver chose, not in the hidden one filled.
        const QString shown = QDir::toNativeSeparators(QDir(destination).filePath(item.relative));
        switch (item.kind) {
        case Item::Folder:
            if (!into.mkpath(item.relative))
                return fail(QStringLiteral("Impossible de créer le dossier %1").arg(shown));
            break;
        case Item::Link:
            if (!QFile::link(item.linkTarget, to))
                return fail(QStringLiteral("Impossible de créer le lien %1").arg(shown));
            break;
        case Item::File:
            if (QString why; !FileCopy::copy(QDir(source).filePath(item.relative), to, &why))
                return fail(why.replace(QDir::toNativeSeparators(to), shown));
            break;
        }
    }
    // The work folder is private to its creator; the copy gets the source's permissions.
    QFile::setPermissions(work.path(), QFileInfo(source).permissions());
    if (!QDir().rename(work.path(), destination))
        return fail(QStringLiteral("Impossible de nommer le dossier %1")
                        .arg(QDir::toNativeSeparators(destination)));
    work.setAutoRemove(false);
    return true;
}

} // namespace FolderCopy
