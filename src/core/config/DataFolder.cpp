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

namespace DataFolder {

bool isWritable(const QString &folder)
{
    if (!Paths::folderExists(folder))
        return false;
    QTemporaryFile probe(Paths::join(folder, QStringLiteral("kerbo-XXXXXX.tmp")));
    return probe.open();
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
    const QString target = QDir::cleanPath(targetFolder);
    if (QFileInfo::exists(target))
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
    // What a start stopped while filling it (a crash, a power cut) left beside it.
    removeStaleWorkFolders(targetInfo.absolutePath(),
                           QStringLiteral("^\\.%1-[A-Za-z0-9]{6}$")
                               .arg(QRegularExpression::escape(targetInfo.fileName())));
    // Filled under a temporary name, removed whole on failure, renamed once complete.
    QTemporaryDir partial(QDir(targetInfo.absolutePath())
                              .filePath(QStringLiteral(".%1-XXXXXX").arg(targetInfo.fileName())));
    if (!partial.isValid())
        return fail(QStringLiteral("création du dossier"));
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
        if (!QFile::copy(from, to))
            return fail(QDir::toNativeSeparators(relative));
        // Resources copy as read-only files; the data files are the user's to change.
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                      | QFile::ReadOther);
    }
    if (!QDir().rename(partial.path(), target)) {
        // Another Kerbo started at the same moment filled it first: that folder serves both.
        if (Paths::folderExists(target)) return true;
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
        if (!driversFolder) {
            if (!QFileInfo::exists(data) && !QDir().mkpath(root)) continue;
            QString seedError;
            if (!seed(factory, QDir::fromNativeSeparators(data), &seedError)) {
                if (!seedError.isEmpty()) details << seedError;
                continue;
            }
        }
        if (isWritable(data)) {
            location.programFolder = root;
            return location;
        }
        if (driversFolder)
            break;
    }
    location.error = unwritableText(tried.join(QStringLiteral("\r\n")));
    if (!details.isEmpty())
        location.error += QStringLiteral("\r\n\r\n") + details.join(QStringLiteral("\r\n"));
    return location;
}

QStringList removeStaleTemporaries(const QString &dataFolder, const QDateTime &now,
                                   qint64 minimumAgeSecs)
{
    // The atomic writer's temporary file is the target's name followed by the writer's mark and
    // six random letters or digits; the writability probe is named by isWritable above. Only
    // those: a driver's "Config.ini.backup" or "ListeGares.txt.251207" is his.
    static const QRegularExpression ours(
        QStringLiteral("^(.+%1[A-Za-z0-9]{6}|kerbo-[A-Za-z0-9]{6}\\.tmp)$")
            .arg(QRegularExpression::escape(QLatin1String(AtomicFile::TemporaryMark))));
    QStringList removed;
    const QFileInfoList files =
        QDir(dataFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files) {
        if (file.isSymLink() || !ours.match(file.fileName()).hasMatch())
            continue;
        if (file.lastModified().secsTo(now) < minimumAgeSecs)
            continue;
        if (QFile::remove(file.filePath()))
            removed << file.fileName();
    }
    return removed;
}

QString unwritableTitle()
{
    return QStringLiteral("Dossier de données inaccessible !!");
}

QString unwritableText(const QString &dataFolders)
{
    return QStringLiteral("Kerbo ne peut pas écrire dans son dossier de données :\r\n%1\r\n"
                          "Vos réglages et vos journées ne pourraient pas être enregistrés.\r\n"
                          "Donnez le droit d'écriture sur ce dossier puis relancez Kerbo.")
        .arg(dataFolders);
}

} // namespace DataFolder
