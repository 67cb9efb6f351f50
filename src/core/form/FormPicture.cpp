#include "core/form/FormPicture.h"

#include "core/form/FormGeometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace FormPicture
{
namespace
{

QRectF scaled(const QRectF &mm, double k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

// Smallest caption text: below this no screen shows letters.
constexpr int SmallestCaptionPx = 5;

} // namespace

double thinLine(double k) { return qMax(1.0, k / 3.0); }
double thickLine(double k) { return 2 * thinLine(k); }

void drawCaption(QPainter &p, const FormGeometry::Caption &c, double k)
{
    const CaptionLayout layout = captionLayout(c, k);
    p.setFont(layout.font);
    const QRectF r = layout.rect;
    if (c.vertical) {
        p.save();
        p.translate(r.left(), r.bottom());
        p.rotate(-90);
        p.drawText(QRectF(0, 0, r.height(), r.width()), Qt::AlignCenter, c.text);
        p.restore();
        return;
    }
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | (layout.wrapped ? Qt::TextWordWrap : 0);
    p.drawText(r, flags, c.text);
}

CaptionLayout captionLayout(const FormGeometry::Caption &c, double k)
{
    CaptionLayout layout;
    layout.rect = scaled(c.rect, k);
    layout.font = fontFor(c.bold ? 2.6 : c.vertical ? 1.7 : 2.0, k, c.bold);
    // Along the text: the width, or the height of a caption read from bottom to top.
    const double length = c.vertical ? layout.rect.height() : layout.rect.width();
    const double across = c.vertical ? layout.rect.width() : layout.rect.height();
    // Measuring shapes the whole text: each font tried is measured once.
    auto fits = [&](const QFont &font) {
        const QFontMetricsF m(font);
        return m.horizontalAdvance(c.text) <= length && m.height() <= across + 1;
    };
    bool fitting = fits(layout.font);
    while (!fitting && layout.font.pixelSize() > SmallestCaptionPx) {
        layout.font.setPixelSize(layout.font.pixelSize() - 1);
        fitting = fits(layout.font);
    }
    // At the smallest size the letters may still close up a little.
    for (int spacing = 95; !fitting && spacing >= 85; spacing -= 5) {
        layout.font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        fitting = fits(layout.font);
    }
    layout.wrapped = !fitting && !c.vertical;
    return layout;
}

QFont fontFor(double heightMm, double k, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(6, qRound(heightMm * k)));
    f.setBold(bold);
    return f;
}

void paint(QPainter &p, double k, Surface surface)
{
    using namespace FormGeometry;
    using SlotTable::Frame;
    const bool paper = surface == Surface::Paper;
    p.save();
    if (paper) // the sheet: what lies below it (the total) is not printed
        p.setClipRect(QRectF(0, 0, WidthMm * k, SheetHeightMm * k), Qt::IntersectClip);
    p.fillRect(QRectF(0, 0, WidthMm * k, HeightMm * k), paper ? QColor(Qt::white) : PaperColour);

    // Every line runs along the pixel grid: a painter without antialiasing draws them a whole
    // number of pixels wide, each line of a kind as wide as the others.
    const bool wholePixels = !p.testRenderHint(QPainter::Antialiasing);
    const double thin = wholePixels ? std::round(thinLine(k)) : thinLine(k);
    const double thick = wholePixels ? std::round(thickLine(k)) : thickLine(k);
    p.setPen(QPen(InkColour, thin));
    p.setBrush(BoxColour);
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s)
        p.drawRect(scaled(slotBox(s), k));

    // Frames and the separations of the train lines.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(InkColour, thick));
    for (Frame f : {Frame::A, Frame::B1, Frame::B2, Frame::B3})
        p.drawRect(scaled(frameRect(f), k));
    // On the sheet, frame C closes above the sheet's edge, under its last row of boxes.
    QRectF c = frameRect(Frame::C);
    if (paper) c.setBottom(std::min(c.bottom(), SheetHeightMm - 0.7));
    p.drawRect(scaled(c, k));
    const double pitch = 25.6, rightColumn = 269.8;
    p.setPen(QPen(InkColour, thin));
    p.drawLine(QPointF(c.left(), 61.6) * k, QPointF(rightColumn, 61.6) * k);
    for (int line = 1; line < SlotTable::LineCount; ++line) {
        const double y = 58.6 + line * pitch;
        p.drawLine(QPointF(c.left(), y) * k, QPointF(c.right(), y) * k);
    }
    p.drawLine(QPointF(rightColumn, c.top()) * k, QPointF(rightColumn, c.bottom()) * k);

    p.setPen(InkColour);
    for (const Caption &caption : captions())
        drawCaption(p, caption, k);

    // The kilometre total has a bold box of its own under frame C.
    if (!paper) {
        p.setPen(QPen(Qt::black, thick));
        p.setBrush(BoxColour);
        p.drawRect(scaled(slotBox(SlotTable::TotalKmSlot), k));
    }
    p.restore();
}

QSize editorSize(double k)
{
    return QSize(qCeil(FormGeometry::WidthMm * k), qCeil(FormGeometry::HeightMm * k));
}

QImage editorImage(double k, qreal ratio)
{
    QImage image(editorSize(k) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    // The form covers the picture but for the part of a pixel past its right and bottom edges.
    const QRectF form(0, 0, FormGeometry::WidthMm * k, FormGeometry::HeightMm * k);
    const QSizeF whole = QSizeF(image.size()) / ratio;
    p.fillRect(QRectF(form.right(), 0, whole.width() - form.right(), whole.height()), Qt::white);
    p.fillRect(QRectF(0, form.bottom(), whole.width(), whole.height() - form.bottom()), Qt::white);
    // Lines on whole pixels: sharper on a screen, and quicker than blended edges.
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p, k);
    return image;
}

} // namespace FormPicture
