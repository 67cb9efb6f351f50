#pragma once

#include <QFont>
#include <QRectF>

class QPainter;

namespace FormGeometry {
struct Caption;
}

// The blank recto drawn in vectors: frames, boxes and captions, from millimetres at the given
// number of pixels per millimetre.
namespace FormPicture {

void paint(QPainter &painter, double pixelsPerMm);

// A font whose characters are `heightMm` high at that scale.
QFont fontFor(double heightMm, double pixelsPerMm, bool bold = false);

// How a caption is drawn at a scale: its font, made smaller until the text fits its rectangle,
// and whether the text takes two lines (when even the smallest font is too wide for one).
struct CaptionLayout {
    QFont font;
    bool wrapped = false;
    QRectF rect; // in pixels
};
CaptionLayout captionLayout(const FormGeometry::Caption &caption, double pixelsPerMm);

} // namespace FormPicture
