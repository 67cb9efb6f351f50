#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A folder filled under a temporary name and renamed once complete is left behind, whole or in
// part, when the program is stopped while filling it (a crash, a power cut). Removes the folders
// of `parent` whose whole name matches `pattern` and that last changed `minimumAgeSecs` or more
// before `now`: a younger one may be the work in progress of another Kerbo. Returns the names
// removed.
QStringList removeStaleWorkFolders(const QString &parent, const QString &pattern,
                                   const QDateTime &now = QDateTime::currentDateTime(),
                                   qint64 minimumAgeSecs = 15 * 60);
