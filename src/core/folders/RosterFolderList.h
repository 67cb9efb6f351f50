#pragma once

#include <QString>
#include <QStringList>

class Config;

// The roster-folder list ListeDossier.txt of the data folder: one folder per line.
namespace RosterFolderList {

QString listPath(const QString &dataFolder);

// The non-empty entries, in file order; a missing file gives an empty list.
QStringList read(const QString &dataFolder);

// Keeps the entries whose folder exists, replacing the list in one atomic step. A list left only
// as ListeDossierTempo.txt by an interrupted run is taken from there. When a dropped entry is the
// current generic folder, Hdgenerique becomes "" in memory and in Config.ini. Returns true when
// that happened, so that the roster list is emptied. A list that cannot be read is left alone.
bool verify(Config &config);

// Adds the folder at the end of the list when no entry equals it yet. False on a write failure.
bool add(const QString &dataFolder, const QString &folder, QString *error = nullptr);

} // namespace RosterFolderList
