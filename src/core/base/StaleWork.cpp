#include "core/base/StaleWork.h"

#include <QDir>
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
