#include "core/base/StaleWork.h"

#include "core/base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

bool isLeftOver(const QDateTime &changed, const QDateTime &now, qint64 minimumAgeSecs)
{
    const qint64 age = changed.secsTo(now);
    return age >= minimumAgeSecs || age <= -minimumAgeSecs;
}

QStringList removeStaleWorkFolders(const QString &parent, const QString &pattern,
                                   const QDateTime &now, qint64 minimumAgeSecs)
{
    const QRegularExpression ours(pattern);
    QStringList removed;
    const QFileInfoList folders =
        QDir(parent).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &folder : folders) {
        if (folder.isSymLink() || !ours.match(folder.fileName()).hasMatch()) continue;
        if (!isLeftOver(folder.lastModified(), now, minimumAgeSecs)) continue;
        if (QDir(folder.filePath()).removeRecursively()) removed << folder.fileName();
    }
    return removed;
}

QStringList removeStaleTemporaryFiles(const QString &folder, const QDateTime &now,
                                      qint64 minimumAgeSecs)
{
    // The atomic writer's temporary file is the target's name followed by the writer's mark and
    // six random letters or digits.
    static const QRegularExpression ours(
        QStringLiteral("^(.+%1[A-Za-z0-9]{6}|kerbo-[A-Za-z0-9]{6}\\.tmp)$")
            .arg(QRegularExpression::escape(QLatin1String(AtomicFile::TemporaryMark))));
    QStringList removed;
    // Named first by pattern: a day's folder may hold years of days, each save sweeps it.
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QLatin1String("*") + QLatin1String(AtomicFile::TemporaryMark) + QLatin1String("*"),
         QStringLiteral("kerbo-*.tmp")},
        QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo &file : files) {
        if (file.isSymLink() || !ours.match(file.fileName()).hasMatch()) continue;
        if (!isLeftOver(file.lastModified(), now, minimumAgeSecs)) continue;
        if (QFile::remove(file.filePath())) removed << file.fileName();
    }
    return removed;
}
