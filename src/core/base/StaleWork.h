#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Whether what last changed at `changed` is left over rather than work in progress: changed
// `minimumAgeSecs` or more before `now`, or as far after it: a time that far ahead was taken
// before the clock was set back (a clock put right, or one that another system on the computer
// keeps in local time), while work in progress is dated by the clock of now.
bool isLeftOver(const QDateTime &changed, const QDateTime &now, qint64 minimumAgeSecs);

// A folder filled under a temporary name and renamed once complete is left behind, whole or in
// part, when the program is stopped while filling it (a crash, a power cut). Removes the folders
// of `parent` whose whole name matches `pattern` and that are left over (isLeftOver): a younger
// one may be the work in progress of another Kerbo. Returns the names removed.
QStringList removeStaleWorkFolders(const QString &parent, const QString &pattern,
                                   const QDateTime &now = QDateTime::currentDateTime(),
                                   qint64 minimumAgeSecs = 15 * 60);

// Removes what interrupted saves left in a folder: the atomic writer's temporary files
// "<name>.kerbo-XXXXXX" and the writability probes "kerbo-XXXXXX.tmp", only those and only when
// left over (isLeftOver): a younger one may be a save in progress of another Kerbo. A driver's
// "Config.ini.backup" stays his. Returns the names removed.
QStringList removeStaleTemporaryFiles(const QString &folder,
                                      const QDateTime &now = QDateTime::currentDateTime(),
                                      qint64 minimumAgeSecs = 15 * 60);
