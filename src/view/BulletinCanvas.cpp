#include "view/BulletinCanvas.h"

#include "model/BulletinRecord.h"
#include "view/FormGeometry.h"
#include "view/FormPicture.h"

#include <QMouseEvent>
#include <QPainter>

BulletinCanvas::BulletinCanvas(const BulletinRecord &record, EditorLayout layout, QWidget *parent)
    : QWidget(parent), m_record(record)
{
    const FormGeometry::Scale scale = FormGeometry::scaleFor(layout);
    m_scale = scale.pixelsPerMm;
    m_textFont = FormPicture::fontFor(scale.textMm, m_scale);
    m_totalFont = FormPicture::fontFor(scale.textMm * 1.15, m_scale, true);

    // The blank form never changes: draw it once.
    const QSize size(qCeil(FormGeometry::WidthMm * m_scale), qCeil(FormGeometry::HeightMm * m_scale));
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(size * ratio);
    m_picture.setDevicePixelRatio(ratio);
    QPainter p(&m_picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FormPicture::paint(p, m_scale);
    p.end();

    for (int s = 0; s < SlotTable::SlotCount; ++s)
        m_boxes[size_t(s)] = mmRect(FormGeometry::slotBox(s));
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect BulletinCanvas::mmRect(const QRectF &mm) const
{
    return QRectF(mm.x() * m_scale, mm.y() * m_scale, mm.width() * m_scale, mm.height() * m_scale)
        .toAlignedRect();
}

QRect BulletinCanvas::boxRect(int slot) const
{
    return SlotTable::isValid(slot) ? m_boxes[size_t(slot)] : QRect();
}

int BulletinCanvas::slotAt(const QPoint &point) const
{
    return FormGeometry::slotAt(QPointF(point) / m_scale);
}

void BulletinCanvas::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
    p.setPen(Qt::black);
    p.setFont(m_textFont);
    const QRect dirty = event->rect();
    // Texts start at the left of their box on a baseline centred in it; like the paper form,
    // an over-long text runs over its neighbour rather than being hidden.
    const QFontMetrics metrics(m_textFont);
    const int lift = (metrics.ascent() - metrics.descent()) / 2;
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s) {
        const QString &text = m_record.slot(s);
        if (text.isEmpty() || s == SlotTable::DateSlot)
            continue;
        const QRect &box = m_boxes[size_t(s)];
        if (box.intersects(dirty))
            p.drawText(box.left() + 3, box.center().y() + 1 + lift, text);
    }
    p.setFont(m_totalFont);
    p.drawText(boxRect(SlotTable::TotalKmSlot), Qt::AlignCenter,
               m_record.slot(SlotTable::TotalKmSlot));
}

void BulletinCanvas::mousePressEvent(QMouseEvent *event)
{
    const int slot = event->button() == Qt::LeftButton ? slotAt(event->position().toPoint()) : 0;
    if (slot > 0)
        emit boxPressed(slot);
    else
        event->ignore();
}

void BulletinCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int slot = event->button() == Qt::LeftButton ? slotAt(event->position().toPoint()) : 0;
    if (slot > 0)
        emit boxDoubleClicked(slot);
    else
        event->ignore();
}
