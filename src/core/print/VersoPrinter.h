#pragma once

#include "core/model/VersoPlacement.h"

#include <QPointF>

class Page;
class Prompts;
struct AppState;
struct PrintLayout;
struct VersoLines;

// The back of the form: frames D, E, H, I, J and L placed at the verso items 74..102 of the
// layout, in the verso font.
namespace VersoPrinter {

// Where a place of the verso lies with a layout, before the shift.
QPointF position(const VersoPlacement::Place &place, const PrintLayout &layout);

// The text printed at a place: a box of the verso, or a line of the wrapped tables.
QString textAt(const VersoContent &verso, const VersoLines &lines, VersoField field);

// The shift of the printed verso: general shift (94) plus centring (96), with the recto
// centring's share on X (see versoShiftX).
QPointF printShift(const PrintLayout &layout);
// The X of printShift. A positive verso X shift also takes in the recto centring ParaImpX[95],
// with the opposite sign; zero or negative, it does not. Drivers' calibrations were made with
// this, so it stays.
double versoShiftX(const PrintLayout &layout);
// The shift of the on-screen verso: general shift (94) plus screen calibration (93).
QPointF previewShift(const PrintLayout &layout);

// Draws every non-empty verso text at its place moved by `shift`, in the page's font.
void draw(const VersoContent &verso, const VersoLines &lines, const PrintLayout &layout,
          const QPointF &shift, Page &page);

// SortieImpVerso on a page: selects the verso font (completed from the device when a setting
// is missing), draws the verso with the print shift and ends the page. The wrapped tables are
// those of `state.versoLines`.
void print(AppState &state, Page &page);

// Breaking frame H's lines needs the printer to measure them: the message when there is none.
void reportNoPrinterToMeasure(Prompts &prompts);

} // namespace VersoPrinter
