#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Where the data folder DataBul lives. Beside the program when that folder can be written and
// the program is not an installed one; otherwise in the user's application data folder. A
// missing or empty data folder is seeded from the factory copy built into the program, and one
// holding anything is never touched. An existing one that cannot be written is not passed over
// for the next: the start ends with the message that names it.
namespace DataFolder {

inline constexpr auto FactoryCopy = ":/factory/DataBul";
// The program's identity on the desktop: its menu entry, icon and metadata are named after it.
inline constexpr auto DesktopId = "fr.kerbo.Kerbo";

struct Location {
    QString programFolder; // the root of DataBul, with its final separator ("" when none works)
    QString error;         // French explanation naming the folder, when none works
    bool ok() const { return !programFolder.isEmpty(); }
};

// Tries `programFolder` first, then `appDataFolder`.
Location locate(const QString &programFolder, const QString &appDataFolder,
                const QString &factory = QString::fromLatin1(FactoryCopy));

// The per-user folder, from the system's answer: a relative one (a stray XDG_DATA_HOME) gives
// way to the default under `home`.
QString userFolder(const QString &systemFolder, const QString &home);

// Whether the program in `programFolder` was installed with its menu entry (a bin folder beside
// share/applications): such a program keeps its data per user, even where it could write.
bool isInstalled(const QString &programFolder);

// Copies the factory folder to `target` when `target` does not exist yet, or is an empty folder
// (or a link to one). The copy is made beside `target` (beside the folder the link leads to) and
// renamed at the end, so that a failed copy leaves no half-filled folder.
bool seed(const QString &factory, const QString &target, QString *error = nullptr);

// Whether a file can be created in the folder (tried for real: permissions alone can lie).
bool isWritable(const QString &folder);

QString unwritableTitle();
// `dataFolders`: the folders tried, one per line.
QString unwritableText(const QString &dataFolders);

} // namespace DataFolder
