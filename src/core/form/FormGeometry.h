#pragma once

#include "core/config/ScreenLayout.h"
#include "core/model/SlotTable.h"

#include <QList>
#include <QRectF>
#include <QString>

// Where things sit on the picture of the recto, in millimetres of the A4 landscape form. The
// boxes follow the factory print positions, so that a text shown in a box is where it prints.
namespace FormGeometry {

// The picture: the form plus the total box below frame C.
constexpr double WidthMm = 297.0;
constexpr double HeightMm = 220.0;
// The A4 sheet itself, without the total box.
constexpr double SheetHeightMm = 210.0;

// The box of a slot of 1..272, or of TotalKm (326); an empty rectangle for other slots.
QRectF slotBox(int slot);
// The slot whose box holds the point, 0 when none.
int slotAt(const QPointF &mm);

QRectF frameRect(SlotTable::Frame frame);

struct Caption {
    QRectF rect;
    QString text;
    bool vertical = false; // read from bottom to top
    bool bold = false;
};
// The printed captions of the paper form.
const QList<Caption> &captions();

// Places of the window's own controls drawn into the form.
QRectF rosterListBox();
QRectF mentionBox();

// Pixels per millimetre and text size of each editor layout: the same picture at three scales.
struct Scale {
    double pixelsPerMm;
    double textMm;     // height of the slot texts
    int buttonWidth;   // the window's button column beside the picture, in pixels
    int buttonFontPx;
};
Scale scaleFor(EditorLayout layout);

// The least share of its layout's scale that a form fitted to its window is drawn at: a screen
// smaller than the layout (a small laptop's, scaled) still shows the whole form, down to this.
constexpr double MinimumFitShare = 0.6;

// The scale at which the whole picture fits `available` pixels: a window larger than the
// layout's own size shows the same form larger, a smaller one shows it smaller, never below
// MinimumFitShare of `layoutScale`.
double fittedScale(double availableWidth, double availableHeight, double layoutScale);

} // namespace FormGeometry
