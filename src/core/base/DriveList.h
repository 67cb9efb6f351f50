#pragma once

#include <QList>
#include <QString>

// The "drives" that the program's drive lists offer. On Windows the volumes; elsewhere the
// user's home folder first (the program's "C:\"), then the mounted volumes.
namespace DriveList {

struct Drive {
    QString root;  // the drive's own top folder, ending with the separator
    QString label; // what the list shows
};

// `writable`: only the drives the user can create folders on (destinations); otherwise every
// ready drive that can be read (sources).
QList<Drive> drives(bool writable);

// The drive of the list that holds `path` (the deepest root that contains it), or the first.
QString driveOf(const QString &path, const QList<Drive> &drives);

} // namespace DriveList
