#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the folder and file windows call a drive: the user's home folder (the program's "C:\"),
// then every mounted volume that is ready and that the user can write to. Folder paths here are
// absolute, with native separators and without a final separator (except "/" itself), as the
// folder lists show them.
namespace Drives
{

struct Volume {
    QString root;
    bool ready = false;
    bool readOnly = true;
    bool writableFolder = false; // the root is a folder the user may write into
    bool readableFolder = true;  // the root is a folder the user may list
};

// Which drives a list offers: those the user can write to (destinations, the folder windows),
// or also the read-only ones (where a file is only read, as a roster on a CD).
enum class Use { Write, Read };

// The drive list from a description of the volumes: `home` first, then the ready volumes (the
// writable ones only for Use::Write) in their order, without system mounts or duplicates, and
// the system's own "/" last, when it can be read: the way to folders kept outside the home
// folder, some of which the driver may write to.
QStringList fromVolumes(const QString &home, const QList<Volume> &volumes, Use use = Use::Write);

// The drives of this machine.
QStringList list(Use use = Use::Write);

// Whether a drive of a list is still there: a volume taken out (a USB key pulled out) leaves its
// mount folder behind, empty, on the computer's own disk, which is no longer that drive. The home
// folder and "/" are always there.
bool stillThere(const QString &root);

// What a drive list shows for a drive: the home folder says it is the personal folder.
QString label(const QString &root);

// The home folder: where the windows open, and the drive that stands for "C:\".
QString home();

// Whether the folder is a drive root: "/", the home folder or the mount point of a volume. A root
// is never renamed, copied or chosen as a working folder.
bool isRoot(const QString &folder);

// The root of the drive that holds the folder, ending with the separator: the home folder for a
// folder inside it (unless a volume is mounted deeper), else its volume's mount point.
QString rootOf(const QString &folder);

// Whether a drive can be shown now (an unready or vanished one is ignored).
bool isReady(const QString &root);

// A folder in the form of the folder lists: absolute, cleaned, native, no final separator.
QString clean(const QString &folder);

// Whether `folder` is `ancestor` or lies below it, compared as written (links not followed).
bool isSameOrBelow(const QString &folder, const QString &ancestor);

} // namespace Drives
