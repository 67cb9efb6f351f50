#pragma once

#include "core/model/VersoField.h"

#include <QList>

// Where each text of the verso prints: at a print item of frames D to L, moved by a fixed offset
// and by a number of line spacings p = ParaImpY[90]. The printer places the texts from it with
// the layout in use, the picture of the verso places its boxes from it with the factory layout.
namespace VersoPlacement {

// Frame H prints lines 1..31 of its two multi-line texts.
constexpr int PrintedLines = 31;

struct Place {
    // For the two multi-line texts of frame H, `index` is the printed line, 0..30.
    VersoField field;
    int item;
    double dx;       // millimetres right of the item's X
    double dy;       // millimetres below the item's Y
    double spacings; // and this many line spacings below
};

// Every place, in printing order: frame D's rows, frame E's two columns, frame H's train
// numbers, "UP.Résidence" and observations, frame I's columns, frame J, frame L's columns.
const QList<Place> &places();

} // namespace VersoPlacement
