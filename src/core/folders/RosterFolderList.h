#pragma once

#include <QString>
#include <QStringList>

class Config;

// The roster-folder list ListeDossier.txt of the data folder: one folder per line.
namespace RosterFolderList {

QString listPath(const QString &dataFolder);

// The non-empty entries, in file order; a missing file gives an empty list.
QStringList read(const QString &dataFolder);

// Keeps the entries whose folder exists (through ListeDossierTempo.txt, which then takes the
// list's name). When a dropped entry is the current generic folder, Hdgenerique becomes "" in
// memory and in Config.ini. Returns true when that happened, so that the roster list is emptied.
bool verify(Config &config);

// Adds the folder at the end of the list when no entry equals it yet. False on a write failure.
bool add(const QString &dataFolder, const QString &folder, QString *error = nullptr);

} // namespace RosterFolderList
