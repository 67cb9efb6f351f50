#pragma once

#include "core/model/ListFiles.h"

#include <QString>

#include <optional>

struct Options;

// The reference lists that feed the editor's drop-downs, and the two ways they grow: the list
// window's "Ajouter" and the learning of stations and engines typed in the editor.
namespace ReferenceLists
{

using Kind = ListKind;

// The list file of a kind; engines use `engineListFile` (ListeEngins.txt or ListeEnginsAut.txt).
inline QString fileName(Kind kind, const QString &engineListFile)
{
    return ListFiles::fileName(kind, engineListFile);
}
// The list window's caption for a kind.
QString caption(Kind kind);

// Item as the list window stores it: trimmed and in upper case.
QString storedItem(const QString &typed);
// Learnt items: upper case and trimmed; a station also loses every blank.
QString learntStation(const QString &text);
QString learntEngine(const QString &text);

enum class AddResult { Added, Duplicate, Nothing, Failed };
// "Ajouter": a line equal to the typed text as it stands (blanks included) refuses it; otherwise
// the stored form of a non-blank text is appended. `error` tells why a write failed.
AddResult add(const QString &path, const QString &typed, QString *error = nullptr);

// Appends `item` unless it is empty or a line equals it, reading the file once. Returns the item
// appended; nothing when it was already there or the file could not be read or written (`error`
// then says why and names the item left out).
std::optional<QString> learn(const QString &path, const QString &item, QString *error = nullptr);

// The text the driver left in a slot (as its box shows it), learnt into its list: a station slot
// teaches ListeGares.txt while Enaug is 1, an engine slot the engine list in use while Eneng
// is 1. A text that is a line of the list as it stands is an item of the drop-down and is not
// learnt. Returns the item appended to the list; when the list cannot be read or written,
// `error` says why and names the item left out.
std::optional<QString> learnLeftSlot(const QString &dataFolder, const Options &options,
                                     const QString &engineListFile, int slot, const QString &value,
                                     QString *error = nullptr);

} // namespace ReferenceLists
