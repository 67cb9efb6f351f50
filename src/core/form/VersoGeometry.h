#pragma once

#include "core/form/FormGeometry.h"
#include "core/model/VersoField.h"

#include <QList>
#include <QRectF>

// Where things sit on the picture of the verso, in millimetres of the A4 landscape form. The
// boxes are placed where the factory layout prints their texts, so that the verso editor shows
// each text where it prints and the preview shows the texts in their boxes.
namespace VersoGeometry {

constexpr double WidthMm = 297.0;
constexpr double HeightMm = 210.0;
// Height of a text box; the verso font must fit in it.
constexpr double BoxHeightMm = 4.4;

// The box of a text: one per box of the boxed texts; the two multi-line texts of frame H cover
// their 31 printed lines, the observations over the factory line length.
QRectF box(VersoField field);
// The observations' box for a line length ParaImpX[90], with a small margin so that the text
// breaks on screen about where it breaks on paper.
QRectF observationsBox(double lineLengthMm);

// Frames D, E, H, L, I and J.
const QList<QRectF> &frames();
// Tops of the 31 printed lines of frame H, and the foot of the last one.
const QList<double> &lineRules();
// The printed captions of the verso.
const QList<FormGeometry::Caption> &captions();
// The heads of the columns of a boxed frame, left to right (frame D's six of items 75..80);
// empty for the other texts.
QList<const char16_t *> columnHeads(VersoText text);

} // namespace VersoGeometry
