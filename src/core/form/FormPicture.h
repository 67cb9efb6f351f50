#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>

class QPainter;

namespace FormGeometry {
struct Caption;
}

// The blank recto drawn in vectors: frames, boxes and captions, from millimetres at the given
// number of pixels per millimetre.
namespace FormPicture {

inline const QColor PaperColour(255, 253, 244);
inline const QColor InkColour(120, 40, 40); // the form's printed lines and captions
inline const QColor BoxColour(255, 255, 255);

// Line widths in pixels: a third of a millimetre, and twice that for the frames; never thinner
// than a pixel.
double thinLine(double pixelsPerMm);
double thickLine(double pixelsPerMm);

// The editor shows the form on tinted paper with the kilometre total in a box of its own below
// it; the sheet (previews, plain-paper print) is white and has no total.
enum class Surface { Editor, Paper };

void paint(QPainter &painter, double pixelsPerMm, Surface surface = Surface::Editor);

// The editor's blank form: its size in whole pixels at a scale, and its picture at `ratio`
// device pixels per pixel (a screen's own density), its lines on whole device pixels.
QSize editorSize(double pixelsPerMm);
QImage editorImage(double pixelsPerMm, qreal ratio);

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
// Draws a caption with its layout, in the painter's pen.
void drawCaption(QPainter &painter, const FormGeometry::Caption &caption, double pixelsPerMm);

} // namespace FormPicture
