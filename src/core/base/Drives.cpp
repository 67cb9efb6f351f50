#include "core/base/Drives.h"

#include "core/base/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace Drives
{

namespace
{

// Kernel and runtime mounts are no place for a driver's folders.
bool isSystemMount(const QString &root)
{
    static const QStringList system = {QStringLiteral("/proc"), QStringLiteral("/sys"),
                                       QStringLiteral("/dev"),  QStringLiteral("/run"),
                                       QStringLiteral("/boot"), QStringLiteral("/snap")};
    for (const QString &s : system)
        if (isSameOrBelow(root, s)) return true;
    return false;
}

// The root of the mount that holds `folder`, or "" when the system lists none: Qt 6.8 gives a
// folder with no mount of its own (inside a chroot) as a root, with no device.
QString mountRoot(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || storage.device().isEmpty()) return QString();
    return QDir::toNativeSeparators(QDir::cleanPath(storage.rootPath()));
}

} // namespace

QString clean(const QString &folder)
{
    if (folder.isEmpty()) return QString();
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
}

bool isSameOrBelow(const QString &folder, const QString &ancestor)
{
    const QString f = clean(folder), a = clean(ancestor);
    if (f.isEmpty() || a.isEmpty()) return false;
    if (f == a) return true;
    return f.startsWith(Paths::CheckPath(a));
}

QStringList fromVolumes(const QString &home, const QList<Volume> &volumes, Use use)
{
    QStringList drives;
    const QString h = clean(home);
    if (!h.isEmpty()) drives << h;
    const QString system = QDir::toNativeSeparators(QDir::rootPath());
    bool systemUsable = false;
    for (const Volume &v : volumes) {
        const QString root = clean(v.root);
        // Below "/", which the driver seldom owns, some folders may be his all the same.
        if (root == system) {
            systemUsable = v.ready && v.readableFolder;
            continue;
        }
        const bool usable = use == Use::Write ? !v.readOnly && v.writableFolder : v.readableFolder;
        if (root.isEmpty() || !v.ready || !usable || isSystemMount(root) || drives.contains(root))
            continue;
        drives << root;
    }
    if (systemUsable) drives << system;
    return drives;
}

QStringList list(Use use)
{
    QList<Volume> volumes;
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        const QFileInfo root(s.rootPath());
        volumes.append({s.rootPath(), s.isValid() && s.isReady(), s.isReadOnly(),
                        root.isDir() && root.isWritable(), root.isDir() && root.isReadable()});
    }
    return fromVolumes(home(), volumes, use);
}

bool stillThere(const QString &root)
{
    const QString r = clean(root);
    if (r == home() || r == QDir::toNativeSeparators(QDir::rootPath())) return true;
    return QStorageInfo(r).isReady() && mountRoot(r) == r;
}

QString label(const QString &root)
{
    const QString r = clean(root);
    if (r == home()) return r + QString::fromUtf16(u"  (dossier personnel)");
    if (r == QDir::toNativeSeparators(QDir::rootPath()))
        return r + QString::fromUtf16(u"  (tout l'ordinateur)");
    return r;
}

QString home()
{
    return clean(Paths::driveC());
}

bool isRoot(const QString &folder)
{
    const QString f = clean(folder);
    if (f.isEmpty()) return false;
    if (f == QDir::toNativeSeparators(QDir::rootPath()) || f == home()) return true;
    return mountRoot(f) == f;
}

QString rootOf(const QString &folder)
{
    const QString f = clean(folder);
    QString root = mountRoot(f);
    const QString h = home();
    if (isSameOrBelow(f, h) && h.size() > root.size()) root = h;
    if (root.isEmpty()) root = QDir::toNativeSeparators(QDir::rootPath());
    return Paths::CheckPath(root);
}

bool isReady(const QString &root)
{
    const QFileInfo info(root);
    if (!info.isDir()) return false;
    const QStorageInfo storage(root);
    return storage.isValid() && storage.isReady();
}

} // namespace Drives
