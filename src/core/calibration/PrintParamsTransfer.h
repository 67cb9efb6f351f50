#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct PrintLayout;
class Prompts;

// Export and import of the print layout: ParametresImp.txt copied byte for byte from the data
// folder to a folder of the driver's choice (typically a removable disk) and back.
namespace PrintParamsTransfer {

QString fileName();

// The largest file taken for a layout: a real one holds 203 short lines, about 2 KB.
constexpr qint64 MaxFileSize = 64 * 1024;

// Whether a drive can be read now; if not, says so ("Il serait préférable de mettre une
// disquette !") and the caller keeps its lists where they were.
bool canOpenDrive(const QString &root, Prompts &prompts);

// Whether bytes are a layout file: readable text of at least the X table's lines and at most
// 203 (blank lines after them aside), none longer than a value can be.
bool isLayoutFile(const QByteArray &bytes);

enum class Outcome {
    Done, // copied and reported: the window closes
    Stay, // nothing done, the window stays open (No to the overwrite question, a refusal)
};

// "Créer un dossier de sauvegarde": asks a name and creates that folder inside `parent`.
// Returns the new folder's path, "" when nothing was created (cancelled or failed, reported).
QString createFolder(const QString &parent, Prompts &prompts);

// "Sauvegarder les paramétres de l'imprimantes": copies the data folder's file into `folder`,
// asking before it replaces a copy already there (No by default).
Outcome exportTo(const QString &dataFolder, const QString &folder, Prompts &prompts);

// "Importer les paramétres sauvegardés": the copy in `folder` is checked, replaces the data
// folder's file atomically and is loaded at once. A missing or foreign file changes nothing.
Outcome importFrom(const QString &folder, const QString &dataFolder, PrintLayout &layout,
                   Prompts &prompts);

} // namespace PrintParamsTransfer
