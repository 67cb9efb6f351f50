#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Where the data folder DataBul lives. Beside the program when that folder can be written;
// otherwise (an installed program) in the user's application data folder. A missing data folder
// is seeded from the factory copy built into the program, and an existing one is never touched.
namespace DataFolder {

inline constexpr auto FactoryCopy = ":/factory/DataBul";

struct Location {
    QString programFolder; // the root of DataBul, with its final separator ("" when none works)
    QString error;         // French explanation naming the folder, when none works
    bool ok() const { return !programFolder.isEmpty(); }
};

// Tries `programFolder` first, then `appDataFolder`.
Location locate(const QString &programFolder, const QString &appDataFolder,
                const QString &factory = QString::fromLatin1(FactoryCopy));

// Copies the factory folder to `target` when `target` does not exist yet.
bool seed(const QString &factory, const QString &target, QString *error = nullptr);

// Whether a file can be created in the folder (tried for real: permissions alone can lie).
bool isWritable(const QString &folder);

// Removes what interrupted saves left in the data folder: the temporary files "<name>.XXXXXX" of
// its .txt and .ini files and the probes "kerbo-XXXXXX.tmp" of isWritable. Only those last
// changed `minimumAgeSecs` or more before `now`: a younger one may be a save in progress of
// another Kerbo. Returns the names removed.
QStringList removeStaleTemporaries(const QString &dataFolder,
                                   const QDateTime &now = QDateTime::currentDateTime(),
                                   qint64 minimumAgeSecs = 15 * 60);

QString unwritableTitle();
// `dataFolders`: the folders tried, one per line.
QString unwritableText(const QString &dataFolders);

} // namespace DataFolder
