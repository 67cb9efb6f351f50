#pragma once

#include <QString>

class QFileInfo;

// Folder values of the program always end with the platform's separator.
namespace Paths {

QChar separator();

// The folder with a separator appended when it does not end with one.
QString CheckPath(const QString &folder);

// folder + separator (only when missing) + name
QString join(const QString &folder, const QString &name);

// Whether a file of that name exists (folders do not count).
bool FileExists(const QString &path);
bool folderExists(const QString &folder);
// A file the driver keeps read-only: its mode says so even where the system would let it be
// written (as for root).
bool keptReadOnly(const QFileInfo &file);

// The drive "C:\" of the program's texts: C: on Windows, the user's home folder elsewhere.
QString driveC();

// A folder value read from a file, ready to take a file name: "" stays "", "c:\", "\" and a
// lone separator are the drive C of the program's texts, any other value ends with the
// separator.
QString folderValue(const QString &value);
// The same, with "" also meaning the drive C (the generic and archive folders at start-up).
QString folderOrDriveC(const QString &value);

// The folder of a file's path, with its final separator.
QString folderOf(const QString &filePath);

// Whether two folder values name the same folder, whichever separators they use and however
// they end ("C:\X\" written on Windows, "/home/u/X" without its last "/").
bool sameFolder(const QString &a, const QString &b);

// Whether a folder's path can be kept in the 8-bit settings and the roster-folder list and read
// back the same: each of its characters in the code page, and no line break nor other control
// character, which would cut its line in two.
bool storable(const QString &folder);

// A line break, a tab or another control character.
bool isControlCharacter(QChar c);
// Whether `text` holds one.
bool hasControlCharacter(const QString &text);
// Whether a USB key (a FAT file system) and Windows refuse `c` in the name of a file or folder,
// "\" included. A day saved under such a name on the driver's own disk could never be copied to
// his key.
bool isRefusedOnKey(QChar c);
// The first such character of `name`; a null character when there is none.
QChar refusedOnKey(const QString &name);
// A name typed for a new folder makes one folder of its parent that the folder lists show:
// neither separator ("\" is one on a Windows computer's paths, which the settings may hold), no
// control character, no dot first ("." and ".." included), nothing a USB key refuses. Empty when
// the name will do; otherwise the lines of the message that says why.
QString folderNameRefusal(const QString &name);

} // namespace Paths
