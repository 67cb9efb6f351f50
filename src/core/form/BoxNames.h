#pragma once

#include "core/model/VersoField.h"

#include <QString>

// What a box of the recto is called when a screen reader announces it: the caption the paper
// form prints over it, with its row where the caption heads a column ("Ligne 2, Heure dép",
// "Tâche 3").
namespace BoxNames
{

// The name of the box of a slot of 1..272 or of TotalKm; empty for slots that have no box.
QString of(int slot);
// The name of a text of the verso: its frame, its row and its column's head ("L, ligne 2,
// Sortie").
QString ofVerso(VersoField field);

} // namespace BoxNames
