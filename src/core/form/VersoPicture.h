#pragma once

#include "core/form/FormPicture.h"

class QPainter;

// The blank verso drawn in vectors: frames, boxes, the ruled lines of frame H and the captions,
// from millimetres at the given number of pixels per millimetre.
namespace VersoPicture {

void paint(QPainter &painter, double pixelsPerMm,
           FormPicture::Surface surface = FormPicture::Surface::Editor);

// How a caption is drawn: column heads stand over narrow columns, on one line made to fit as the
// recto's captions are, or on several lines when that gives larger letters.
FormPicture::CaptionLayout captionLayout(const FormGeometry::Caption &caption, double pixelsPerMm);

} // namespace VersoPicture
