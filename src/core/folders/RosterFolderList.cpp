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
    TextFile::ReadResult current = TextFile::readLines(list);
    bool recovered = false;
    if (!current.ok) {
        // A list that cannot be read is left as it is.
        if (!current.missing)
            return false;
        // A run stopped between removing the list and renaming its temporary copy (as earlier
        // versions replaced it) left the list only in that copy: it is the list.
        const TextFile::ReadResult copy = TextFile::readLines(tempo);
        if (!copy.ok && !copy.missing)
            return false;
        if (copy.ok) {
            current = copy;
            recovered = true;
        }
    }

    bool clearedGeneric = false;
    QStringList kept;
    for (const QString &entry : std::as_const(current.lines)) {
        if (!entry.isEmpty() && Paths::folderExists(entry)) {
            kept << entry;
            continue;
        }
        // The editor holds the current folder with a separator added; an entry may end
        // without one, or with the "\" of a Windows computer. A folder that is there is
        // never forgotten, whatever other entry names it too.
        if (Paths::sameFolder(entry, config.hdGenerique) &&
            !Paths::folderExists(config.hdGenerique)) {
            config.hdGenerique.clear();
            config.write(ConfigKeys::CheminDossiers, ConfigKeys::Hdgenerique, QString());
            clearedGeneric = true;
        }
    }
    // The list is replaced in one step: stopped at any moment, the folder holds either the old
    // list or the new one. When it cannot be written it stays as it was, and so does the copy.
    if ((recovered || kept != current.lines) && !TextFile::writeLines(list, kept))
        return clearedGeneric;
    if (QFile::exists(tempo))
        QFile::remove(tempo);
    return clearedGeneric;
}

bool add(const QString &dataFolder, const QString &folder, QString *error)
{
    const QString list = listPath(dataFolder);
    const TextFile::ReadResult current = TextFile::readLines(list);
    if (!current.ok && !current.missing) {
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
