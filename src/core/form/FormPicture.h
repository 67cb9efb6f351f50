#pragma once

class QPainter;
class QRectF;
class QFont;

// The blank recto drawn in vectors: frames, boxes and captions, from millimetres at the given
// number of pixels per millimetre.
namespace FormPicture {

void paint(QPainter &painter, double pixelsPerMm);

// A font whose characters are `heightMm` high at that scale.
QFont fontFor(double heightMm, double pixelsPerMm, bool bold = false);

} // namespace FormPicture
