#include "ui/editor/BulletinCanvas.h"

#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "core/model/BulletinRecord.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>

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

    for (int s = 0; s < SlotTable::SlotCount; ++s) {
        m_boxes[size_t(s)] = mmRect(FormGeometry::slotBox(s));
        m_texts[size_t(s)].setTextFormat(Qt::PlainText);
        m_texts[size_t(s)].setPerformanceHint(QStaticText::AggressiveCaching);
    }
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

void BulletinCanvas::updateChangedSlots()
{
    // Only the boxes whose text changed since the last call are repainted; past a few, one
    // repaint of the whole form is cheaper than a region of many boxes.
    QList<int> changed;
    for (int s = 1; s < SlotTable::SlotCount; ++s) {
        QString &shown = m_shown[size_t(s)];
        if (shown != m_record.slot(s)) {
            shown = m_record.slot(s);
            changed.append(s);
        }
    }
    if (changed.size() > 8) {
        update();
        return;
    }
    for (int s : changed) {
        // An over-long text runs to the right of its box: repaint up to the edge.
        const QRect &box = m_boxes[size_t(s)];
        update(QRect(box.left(), box.top(), width() - box.left(), box.height()));
    }
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
    const int top = (metrics.height() - 1) / 2;
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s) {
        const QString &text = m_record.slot(s);
        if (text.isEmpty() || s == SlotTable::DateSlot)
            continue;
        const QRect &box = m_boxes[size_t(s)];
        if (!box.intersects(dirty))
            continue;
        // A text drawn a second time is kept laid out: most repaints change one slot or none,
        // while a new day changes them all at once.
        const QPoint at(box.left() + 3, box.center().y() + 1 - top);
        QStaticText &laidOut = m_texts[size_t(s)];
        if (laidOut.text() != text) {
            laidOut.setText(text);
            p.drawText(at.x(), at.y() + metrics.ascent(), text);
            continue;
        }
        p.drawStaticText(at, laidOut);
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
