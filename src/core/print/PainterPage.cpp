#include "core/print/PainterPage.h"

#include "core/print/PrinterFonts.h"

#include <QPaintDevice>
#include <QPainter>

PainterPage::PainterPage(QPainter &painter, double pixelsPerMm)
    : m_painter(painter), m_k(pixelsPerMm), m_metrics(QFont())
{
    setFont(PrinterFonts::deviceDefaultFont());
}

void PainterPage::setShift(double dx, double dy)
{
    m_dx = dx;
    m_dy = dy;
}

void PainterPage::setFont(const QFont &font)
{
    m_font = font;
    // A point is 25.4 / 72 mm on paper; laid out at the printer's 1200 dots per inch, and the
    // device turns points into pixels at its own resolution.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    const QPaintDevice *device = m_painter.device();
    const double dpi = device ? device->logicalDpiY() : 96.0;
    m_drawnFont = font;
    m_drawnFont.setPointSizeF(points * 25.4 / 72.0 * LayoutPixelsPerMm * 72.0 / dpi);
    m_metrics = device ? QFontMetricsF(m_drawnFont, device) : QFontMetricsF(m_drawnFont);
}

void PainterPage::drawText(double x, double y, const QString &text)
{
    if (text.isEmpty()) return;
    // Laid out at the printer's size and drawn scaled down to the picture: the font that the
    // picture's own size would take fits its letters to whole pixels, and a long name came out
    // up to 4 % wider or narrower than on paper. (x, y) is the top of the character cell;
    // QPainter draws from the baseline.
    m_painter.save();
    m_painter.translate((x + m_dx) * m_k, (y + m_dy) * m_k);
    m_painter.scale(m_k / LayoutPixelsPerMm, m_k / LayoutPixelsPerMm);
    m_painter.setFont(m_drawnFont);
    m_painter.setLayoutDirection(Qt::LeftToRight); // as on paper, whatever the desktop's
    m_painter.drawText(QPointF(0, m_metrics.ascent()), text);
    m_painter.restore();
}

double PainterPage::textWidth(const QString &text) const
{
    return m_metrics.horizontalAdvance(text) / LayoutPixelsPerMm;
}

double PainterPage::textHeight(const QString &) const
{
    return m_metrics.height() / LayoutPixelsPerMm;
}
