#include "core/folders/RosterFolderList.h"

#include "core/config/Config.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"

#include <QFile>

namespace RosterFolderList {

QString listPath(const QString &dataFolder)
{
    return Paths::join(dataFolder, QStringLiteral("ListeDossier.txt"));
}

QStringList read(const QString &dataFolder)
{
    QStringList entries;
    for (const QString &line : TextFile::readLines(listPath(dataFolder)).lines)
        if (!line.isEmpty())
            entries << line;
    return entries;
}

bool verify(Config &config)
{
    const QString dataFolder = config.dataFolder();
    const QString list = listPath(dataFolder);
    const QString tempo = Paths::join(dataFolder, QStringLiteral("ListeDossierTempo.txt"));
    // An absent list is an empty one; a list that cannot be read is left as it is.
    const TextFile::ReadResult current = TextFile::readLines(list);
    if (!current.ok && QFile::exists(list))
        return false;

    bool clearedGeneric = false;
    QStringList kept;
    for (const QString &entry : current.lines) {
        if (!entry.isEmpty() && Paths::folderExists(entry)) {
            kept << entry;
            continue;
        }
        if (!config.hdGenerique.isEmpty() && entry == config.hdGenerique) {
            config.hdGenerique.clear();
            config.write(ConfigKeys::CheminDossiers, ConfigKeys::Hdgenerique, QString());
            clearedGeneric = true;
        }
    }
    // The kept entries go through the temporary list, which then replaces the list; when the
    // temporary list cannot be written the list stays as it was.
    if (TextFile::writeLines(tempo, kept)) {
        QFile::remove(list);
        QFile::rename(tempo, list);
    }
    return clearedGeneric;
}

bool add(const QString &dataFolder, const QString &folder, QString *error)
{
    const QString list = listPath(dataFolder);
    const TextFile::ReadResult current = TextFile::readLines(list);
    if (!current.ok && QFile::exists(list)) {
        // Writing now would replace the list by this one folder.
        if (error)
            *error = current.error;
        return false;
    }
    QStringList lines = current.lines;
    if (lines.contains(folder))
        return true;
    lines << folder;
    return TextFile::writeLines(list, lines, error);
}

} // namespace RosterFolderList
