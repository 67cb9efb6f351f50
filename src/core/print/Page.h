#pragma once

#include <QFont>
#include <QString>

// A printed sheet addressed in millimetres from the top-left corner of the form. The recto and
// verso renderers draw on it; the printer, the previews and the tests each provide one.
class Page
{
public:
    virtual ~Page() = default;

    // Moves everything drawn afterwards by (dx, dy) mm: right and down when positive.
    virtual void setShift(double dx, double dy) = 0;
    // The font at its true point size on the device.
    virtual void setFont(const QFont &font) = 0;
    virtual QFont font() const = 0;
    // Draws the text with the top-left corner of its first character cell at (x, y).
    virtual void drawText(double x, double y, const QString &text) = 0;
    // Size of a text in the current font, in millimetres.
    virtual double textWidth(const QString &text) const = 0;
    virtual double textHeight(const QString &text) const = 0;
    // Ends the page and hands it to the device.
    virtual void endPage() = 0;
};
