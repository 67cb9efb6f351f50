#pragma once

#include <QString>

class BulletinView;
class FolderPanes;
class Prompts;
struct AppState;

// The commands of the folder window: roster folders created, renamed and copied on any drive,
// the working folders chosen, the roster-folder list kept. Folders are given as the folder lists
// show them (Drives::clean); values kept in files and in Config.ini end with the separator.
namespace RosterFolders
{

// "Créer un  dossier ": a folder in the source folder, offered to the roster-folder list.
void create(AppState &state, Prompts &prompts, BulletinView &view, FolderPanes &panes,
            const QString &source);

// "Renommer un  dossier": the list verification follows, so the old entry is dropped.
void rename(AppState &state, Prompts &prompts, BulletinView &view, FolderPanes &panes,
            const QString &source);

// "Sauvegarder un  dossier": a copy named "Copie" + name in the target folder.
void saveCopy(Prompts &prompts, FolderPanes &panes, const QString &source, const QString &target);

// "Choisir ce dossier comme dossier Générique" / "... Archive".
void chooseGeneric(AppState &state, Prompts &prompts, BulletinView &view, FolderPanes &panes,
                   const QString &source);
void chooseArchive(AppState &state, Prompts &prompts, FolderPanes &panes, const QString &source);

// "Enlever un dossier dans la liste roulement": false, after its message, when the list is empty;
// true when the list window may open on it.
bool mayOpenRemoval(const AppState &state, Prompts &prompts);

// The list window's removals on the roster-folder list. Removing the current generic folder
// clears it; removing all makes the home folder the current generic folder.
void removeEntry(AppState &state, Prompts &prompts, BulletinView &view, const QString &entry);
void removeAll(AppState &state, Prompts &prompts, BulletinView &view);

// The list verification, then the editor's roster list refilled (and emptied when the current
// generic folder went away with its entry).
void verify(AppState &state, BulletinView &view);

// "&Info".
void info(Prompts &prompts);

} // namespace RosterFolders
