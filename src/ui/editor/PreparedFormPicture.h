#pragma once

#include <QImage>

// The editor's blank form, drawn on a worker thread while the start-up goes on (the splash
// window, the print server's answer), so that the editor opens without waiting for it. Used
// from the GUI thread only.
namespace PreparedFormPicture {

// Starts drawing the picture of FormPicture::editorImage(pixelsPerMm, ratio).
void start(double pixelsPerMm, qreal ratio);
// The picture started for that scale and density, once drawn; a null image when none was, and
// then a picture started for another scale or density is dropped.
QImage take(double pixelsPerMm, qreal ratio);
// Waits for a picture that nobody took: the drawing must not outlive the application.
void drop();

// Drops at the end of a scope, however it ends.
struct DropAtEnd {
    DropAtEnd() = default;
    DropAtEnd(const DropAtEnd &) = delete;
    DropAtEnd &operator=(const DropAtEnd &) = delete;
    ~DropAtEnd() { drop(); }
};

} // namespace PreparedFormPicture
