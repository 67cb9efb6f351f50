#pragma once

#include "core/print/Page.h"

#include <QFontMetricsF>

class QPainter;

// A page drawn with a QPainter at a number of pixels per millimetre: the previews on screen. The
// texts are laid out as a printer lays them out, whatever the scale, so that a text covers on
// the picture the place it covers on paper.
class PainterPage : public Page
{
public:
    PainterPage(QPainter &painter, double pixelsPerMm);

    void setShift(double dx, double dy) override;
    void setFont(const QFont &font) override;
    QFont font() const override { return m_font; }
    void drawText(double x, double y, const QString &text) override;
    double textWidth(const QString &text) const override;
    double textHeight(const QString &text) const override;
    void endPage() override {}

private:
    QPainter &m_painter;
    double m_k;
    double m_dx = 0;
    double m_dy = 0;
    QFont m_font;      // as asked, in points
    static constexpr double LayoutPixelsPerMm = 1200 / 25.4; // a printer's resolution
    QFont m_drawnFont; // the same size in millimetres on this device at that resolution
    QFontMetricsF m_metrics;
};
