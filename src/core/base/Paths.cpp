#include "core/base/Paths.h"

#include "core/base/Cp1252.h"
#include "core/base/Prompts.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Paths {

QChar separator() { return QDir::separator(); }

QString CheckPath(const QString &folder)
{
    // A Windows computer's "D:\Roulements\" ends with a separator on every system.
    if (folder.endsWith(separator()) || folder.endsWith(u'/') || folder.endsWith(u'\\'))
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
    // A relative value (a Windows computer's "D:\Roulements\" here) names no folder of this
    // computer, whatever the folder the program was started from holds.
    const QFileInfo info(folder);
    return QDir::isAbsolutePath(folder) && info.exists() && info.isDir();
}

bool keptReadOnly(const QFileInfo &file)
{
    return file.isFile() && (!(file.permissions() & QFileDevice::WriteOwner) || !file.isWritable());
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
    // "\" and "C:\" name the drive root of a Windows computer's settings, whatever
    // separators a start-up added: the home folder stands for it.
    QString root = value;
    while (root.endsWith(u'\\') || root.endsWith(u'/'))
        root.chop(1);
    if (root.isEmpty() || root.compare(QStringLiteral("c:"), Qt::CaseInsensitive) == 0)
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

bool sameFolder(const QString &a, const QString &b)
{
    const auto plain = [](QString folder) {
        folder.replace(u'\\', u'/');
        while (folder.size() > 1 && folder.endsWith(u'/'))
            folder.chop(1);
        return folder;
    };
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity Case = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity Case = Qt::CaseSensitive;
#endif
    return !a.isEmpty() && !b.isEmpty() && plain(a).compare(plain(b), Case) == 0;
}

bool storable(const QString &folder)
{
    return Cp1252::holds(folder) && !hasControlCharacter(folder);
}

bool isControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), isControlCharacter);
}

bool isRefusedOnKey(QChar c)
{
    return QStringView(u"\\:*?\"<>|").contains(c);
}

QChar refusedOnKey(const QString &name)
{
    const auto found = std::find_if(name.cbegin(), name.cend(), isRefusedOnKey);
    return found == name.cend() ? QChar() : *found;
}

QString folderNameRefusal(const QString &name)
{
    // A name that starts with a dot makes a hidden folder, which no folder list shows; a line
    // break in it would break the line of the roster-folder list that names it.
    if (name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\') ||
        hasControlCharacter(name)) {
        QString shown = name;
        for (QChar &c : shown)
            if (isControlCharacter(c)) c = u' ';
        return Prompts::lines({QStringLiteral("Le nom « ") + shown +
                                   QStringLiteral(" » ne peut pas être celui d'un dossier."),
                               QStringLiteral("Un nom de dossier ne contient ni « / » ni « \\ » "
                                              "ni retour à la ligne, et ne commence pas par un "
                                              "point (le dossier serait caché)."),
                               QStringLiteral("Veuillez en donner un autre.")});
    }
    // The folder could not be made on a key, nor one made elsewhere copied to it.
    const QChar refused = refusedOnKey(name);
    if (refused.isNull()) return QString();
    return Prompts::lines(
        {QStringLiteral("Le nom « ") + name + QStringLiteral(" » contient le caractère « ") +
             refused +
             QStringLiteral(" », qu'une clé USB ou un ordinateur Windows refuse dans un nom de "
                            "dossier."),
         QStringLiteral(
             "Veuillez en donner un autre, sans « : », « * », « ? », « \" », « < », « > » "
             "ni « | ».")});
}

} // namespace Paths
