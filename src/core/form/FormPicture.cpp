#include "core/form/FormPicture.h"

#include "core/form/FormGeometry.h"

#include <QFont>
#include <QPainter>

namespace FormPicture {
namespace {

QRectF scaled(const QRectF &mm, double k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

void drawCaption(QPainter &p, const FormGeometry::Caption &c, double k)
{
    p.setFont(fontFor(c.bold ? 2.6 : c.vertical ? 1.7 : 2.0, k, c.bold));
    const QRectF r = scaled(c.rect, k);
    if (c.vertical) {
        p.save();
        p.translate(r.left(), r.bottom());
        p.rotate(-90);
        p.drawText(QRectF(0, 0, r.height(), r.width()), Qt::AlignCenter, c.text);
        p.restore();
        return;
    }
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, c.text);
}

} // namespace

double thinLine(double k) { return qMax(1.0, k / 3.0); }
double thickLine(double k) { return 2 * thinLine(k); }

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

    p.setPen(QPen(InkColour, thinLine(k)));
    p.setBrush(BoxColour);
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s)
        p.drawRect(scaled(slotBox(s), k));

    // Frames and the separations of the train lines.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(InkColour, thickLine(k)));
    for (Frame f : {Frame::A, Frame::B1, Frame::B2, Frame::B3, Frame::C})
        p.drawRect(scaled(frameRect(f), k));
    const QRectF c = frameRect(Frame::C);
    const double pitch = 25.6, rightColumn = 269.8;
    p.setPen(QPen(InkColour, thinLine(k)));
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
        p.setPen(QPen(Qt::black, thickLine(k)));
        p.setBrush(BoxColour);
        p.drawRect(scaled(slotBox(SlotTable::TotalKmSlot), k));
    }
    p.restore();
}

} // namespace FormPicture
