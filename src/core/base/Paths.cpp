#include "core/base/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace Paths {

QChar separator() { return QDir::separator(); }

QString CheckPath(const QString &folder)
{
    if (folder.endsWith(separator()) || folder.endsWith(u'/'))
        return folder;
    return folder + separator();
}

QString join(const QString &folder, const QString &name) { return CheckPath(folder) + name; }

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool folderExists(const QString &folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.exists() && info.isDir();
}

QString driveC()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return CheckPath(QDir::toNativeSeparators(QDir::homePath()));
#endif
}

QString folderValue(const QString &value)
{
    if (value.isEmpty())
        return QString();
    if (value.compare(QStringLiteral("c:\\"), Qt::CaseInsensitive) == 0 || value == u"\\"
        || value == separator())
        return driveC();
    return CheckPath(value);
}

QString folderOrDriveC(const QString &value)
{
    return value.isEmpty() ? driveC() : folderValue(value);
}

QString folderOf(const QString &filePath)
{
    return CheckPath(QDir::toNativeSeparators(QFileInfo(filePath).absolutePath()));
}

} // namespace Paths
