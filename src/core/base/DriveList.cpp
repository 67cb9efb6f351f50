#include "core/base/DriveList.h"

#include "core/base/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace DriveList {

QList<Drive> drives(bool writable)
{
    QList<Drive> out;
    const QString home = Paths::driveC();
#ifndef Q_OS_WIN
    out << Drive{home,
                 QDir::toNativeSeparators(home) + QString::fromUtf16(u"  (dossier personnel)")};
#endif
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QFileInfo root(volume.rootPath());
        if (!root.isDir() || !root.isReadable()
            || (writable && (volume.isReadOnly() || !root.isWritable())))
            continue;
        const QString path = Paths::CheckPath(QDir::toNativeSeparators(volume.rootPath()));
        if (path == home)
            continue;
        const QString name = volume.displayName();
        out << Drive{path, name.isEmpty() || QDir::toNativeSeparators(name) == path.chopped(1)
                                   || name == path
                               ? path
                               : path + QStringLiteral("  (") + name + u')'};
    }
    return out;
}

QString driveOf(const QString &path, const QList<Drive> &drives)
{
    QString best;
    const QString p = Paths::CheckPath(QDir::toNativeSeparators(path));
    for (const Drive &d : drives)
        if (p.startsWith(d.root) && d.root.size() > best.size())
            best = d.root;
    if (best.isEmpty() && !drives.isEmpty())
        best = drives.first().root;
    return best;
}

} // namespace DriveList
