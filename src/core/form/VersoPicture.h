#pragma once

#include "core/form/FormPicture.h"

class QPainter;

// The blank verso drawn in vectors: frames, boxes, the ruled lines of frame H and the captions,
// from millimetres at the given number of pixels per millimetre.
namespace VersoPicture {

void paint(QPainter &painter, double pixelsPerMm,
           FormPicture::Surface surface = FormPicture::Surface::Editor);

} // namespace VersoPicture
