#include "core/config/DataFolder.h"

#include "core/base/AtomicFile.h"

#include "core/base/Paths.h"
#include "core/base/StaleWork.h"
#include "core/config/Config.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace DataFolder {
namespace
{

// The owner's name when the file or folder is another user's (one the administrator made while
// running Kerbo for the driver, say); nothing when it is the user's own.
QString otherOwner(const QFileInfo &info)
{
#ifdef Q_OS_UNIX
    if (info.exists() && info.ownerId() != ::geteuid())
        return info.owner().isEmpty() ? QString::number(info.ownerId()) : info.owner();
#else
    Q_UNUSED(info);
#endif
    return QString();
}

// `code` is the errno of the failed open; the cause goes in brackets, without a final stop.
QString unreadableCause(const QFile &file, int code)
{
    const QString owner = otherOwner(QFileInfo(file.fileName()));
    if (!owner.isEmpty()) return QStringLiteral("il appartient à l'utilisateur %1").arg(owner);
    QString cause = AtomicFile::readCause(code, file.errorString());
    if (cause.endsWith(u'.')) cause.chop(1);
    return cause;
}

QString unreadableSettingsText(const QString &path, const QString &cause)
{
    return QStringLiteral("Kerbo ne peut pas lire son fichier de réglages :\r\n%1\r\n(%2)\r\n"
                          "Sans lui, Kerbo repartirait comme à son premier démarrage, et vos "
                          "réglages seraient remplacés.\r\n"
                          "Rendez ce fichier lisible puis relancez Kerbo.")
        .arg(QDir::toNativeSeparators(path), cause);
}

// What a first start stopped while filling the data folder (a crash, a power cut) left beside
// it, once old enough not to be another start's copy in progress.
void removeStaleCopies(const QString &dataFolder)
{
    const QFileInfo folder(QDir::cleanPath(dataFolder));
    removeStaleWorkFolders(folder.absolutePath(),
                           QStringLiteral("^\\.%1-[A-Za-z0-9]{6}$")
                               .arg(QRegularExpression::escape(folder.fileName())));
}

bool isEmptyFolder(const QString &path)
{
    return Paths::folderExists(path) && QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

bool isWritable(const QString &folder)
{
    if (!Paths::folderExists(folder))
        return false;
    QTemporaryFile probe(Paths::join(folder, QStringLiteral("kerbo-XXXXXX.tmp")));
    return probe.open();
}

QString userFolder(const QString &systemFolder, const QString &home)
{
    if (QDir::isAbsolutePath(systemFolder)) return systemFolder;
    // A relative XDG_DATA_HOME is to be ignored, the desktop's rules say: the default stands,
    // not a folder under wherever Kerbo was started from.
    return QDir(home).filePath(QStringLiteral(".local/share/Kerbo"));
}

bool isInstalled(const QString &programFolder)
{
    const QDir bin(programFolder);
    return bin.dirName() == QLatin1String("bin")
        && QFileInfo::exists(bin.filePath(QStringLiteral("../share/applications/%1.desktop")
                                              .arg(QLatin1String(DesktopId))));
}

bool seed(const QString &factory, const QString &targetFolder, QString *error)
{
    QString target = QDir::cleanPath(targetFolder);
    // A folder made empty for the data (on another disk, reached through a link) holds nothing
    // of the driver's: it is filled as a missing one is, the filled copy taking its place whole.
    const bool replacing = isEmptyFolder(target);
    if (replacing)
        target = QFileInfo(target).canonicalFilePath();
    else if (QFileInfo::exists(target))
        return Paths::folderExists(target);
    auto fail = [&](const QString &what) {
        if (error)
            *error = QStringLiteral("Impossible de créer le dossier de données %1 (%2).")
                         .arg(QDir::toNativeSeparators(target), what);
        return false;
    };
    const QFileInfo targetInfo(target);
    if (!QDir().mkpath(targetInfo.absolutePath()))
        return fail(QStringLiteral("création du dossier"));
    removeStaleCopies(target);
    // Filled under a temporary name, removed whole on failure, renamed once complete.
    QTemporaryDir partial(QDir(targetInfo.absolutePath())
                              .filePath(QStringLiteral(".%1-XXXXXX").arg(targetInfo.fileName())));
    if (!partial.isValid()) // an empty folder beside which nothing can be made is used as it is
        return replacing || fail(QStringLiteral("création du dossier"));
    // A file that cannot be written is named in the folder the driver knows, with the cause.
    auto failWriting = [&](const QString &why) {
        QString named = why;
        named.replace(QDir::toNativeSeparators(QDir::cleanPath(partial.path())),
                      QDir::toNativeSeparators(target));
        if (error) *error = named;
        return false;
    };
    const QDir source(factory);
    QDirIterator it(factory, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = source.relativeFilePath(from);
        const QString to = partial.filePath(relative);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(to))
                return fail(QDir::toNativeSeparators(relative));
            continue;
        }
        QFile in(from);
        if (!in.open(QIODevice::ReadOnly)) return fail(QDir::toNativeSeparators(relative));
        QString why;
        if (!AtomicFile::writeNew(to, in.readAll(), &why)) return failWriting(why);
    }
    // Every file on the disk before the folder takes its name: after a power cut the folder is
    // either missing, and seeded again, or whole, never named with empty files.
    if (QString why; !AtomicFile::syncFolder(partial.path(), &why)) return failWriting(why);
    if (replacing) QFile::setPermissions(partial.path(), QFileInfo(target).permissions());
    // The system replaces a folder only while it is empty; a new name is never taken from
    // another.
    const bool renamed = replacing ? ::rename(QFile::encodeName(partial.path()).constData(),
                                              QFile::encodeName(target).constData()) == 0
                                   : QDir().rename(partial.path(), target);
    if (!renamed) {
        // Another Kerbo started at the same moment filled it first: that folder serves both.
        // An empty folder that cannot be replaced (the root of a disk mounted there) is used as
        // it is.
        if (replacing || (Paths::folderExists(target) && !isEmptyFolder(target))) return true;
        return fail(QStringLiteral("création du dossier"));
    }
    partial.setAutoRemove(false);
    return true;
}

Location locate(const QString &programFolder, const QString &appDataFolder, const QString &factory)
{
    Location location;
    QStringList tried;
    QStringList details;
    for (const QString &candidate : {programFolder, appDataFolder}) {
        if (candidate.isEmpty())
            continue;
        const QString root = Paths::CheckPath(QDir::toNativeSeparators(candidate));
        const QString data = Config::dataFolder(root);
        tried << QDir::toNativeSeparators(data);
        // A data folder already there holds the driver's settings and days, even when it cannot
        // be written, or reached through its link (a key or a share not plugged in): another
        // folder would hide them behind a first start.
        const bool driversFolder =
            Paths::folderExists(data) ||
            QFileInfo(QDir::cleanPath(QDir::fromNativeSeparators(data))).isSymLink();
        if (!driversFolder || isEmptyFolder(QDir::fromNativeSeparators(data))) {
            if (!QFileInfo::exists(data) && !QDir().mkpath(root)) {
                details << QStringLiteral("Le dossier %1 n'existe pas et ne peut pas être créé.")
                               .arg(QDir::toNativeSeparators(QDir::cleanPath(root)));
                continue;
            }
            QString seedError;
            if (!seed(factory, QDir::fromNativeSeparators(data), &seedError)) {
                if (!seedError.isEmpty()) details << seedError;
                continue;
            }
        }
        if (isWritable(data)) {
            // Settings that cannot be read would make this start a first start, and the
            // driver's identity and choices be written over them.
            const QString settings =
                QDir(QDir::fromNativeSeparators(data)).filePath(QStringLiteral("Config.ini"));
            if (QFile file(settings); file.exists() && !file.open(QIODevice::ReadOnly)) {
                const int code = errno;
                location.error = unreadableSettingsText(settings, unreadableCause(file, code));
                return location;
            }
            // A copy stopped at a first start and filled whole by the next is never needed.
            const QString folder = QDir::fromNativeSeparators(data);
            removeStaleCopies(folder);
            if (const QFileInfo link(QDir::cleanPath(folder)); link.isSymLink())
                removeStaleCopies(link.canonicalFilePath());
            location.programFolder = root;
            return location;
        }
        if (const QString owner = otherOwner(QFileInfo(QDir::fromNativeSeparators(data)));
            !owner.isEmpty())
            details << QStringLiteral("Le dossier %1 appartient à l'utilisateur %2.")
                           .arg(QDir::toNativeSeparators(QDir::cleanPath(data)), owner);
        if (driversFolder)
            break;
    }
    location.error = unwritableText(tried.join(QStringLiteral("\r\n")));
    if (!details.isEmpty())
        location.error += QStringLiteral("\r\n\r\n") + details.join(QStringLiteral("\r\n"));
    return location;
}

QString unwritableTitle()
{
    return QStringLiteral("Kerbo");
}

QString unwritableText(const QString &dataFolders)
{
    return QStringLiteral("Kerbo ne peut pas écrire dans son dossier de données :\r\n%1\r\n"
                          "Vos réglages et vos journées ne pourraient pas être enregistrés.\r\n"
                          "Donnez le droit d'écriture sur ce dossier, ou libérez de la place sur "
                          "le disque, puis relancez Kerbo.")
        .arg(dataFolders);
}

} // namespace DataFolder
