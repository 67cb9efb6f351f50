#pragma once

#include <QString>

#include <optional>

// The reference lists of the data folder that feed the editor's drop-downs.
enum class ListKind { Engins, Gares, Taches, Categ, IndiceCompo, AgentSeul };

namespace ListFiles {

// The file of a list; engines use `engineListFile` (ListeEngins.txt when it is "").
QString fileName(ListKind kind, const QString &engineListFile);

// The engine list of an engine mode: ListeEngins.txt, or ListeEnginsAut.txt when Enaut is 1.
QString engineListFile(int enaut);

// The list that serves a slot in the editor, none for a slot typed freely.
std::optional<ListKind> kindOf(int slot);

} // namespace ListFiles
