#include "ui/editor/BulletinCanvas.h"

#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "core/model/BulletinRecord.h"
#include "ui/editor/PreparedFormPicture.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace
{

// A text starts this many pixels inside its box and keeps a free pixel before the line on its
// right. A text drawn narrower takes every pixel between the lines. A letter's edge may shade
// one pixel past its advance.
constexpr int TextInset = 3;
constexpr int Air = 1;
constexpr int Shade = 1;
// A text drawn narrower is never narrower than it can be read.
constexpr qreal MinNarrowing = 0.58;

} // namespace

BulletinCanvas::BulletinCanvas(const BulletinRecord &record, EditorLayout layout, QWidget *parent)
    : QWidget(parent), m_record(record)
{
    setLayoutDirection(Qt::LeftToRight); // the paper form's texts, whatever the desktop's
    const FormGeometry::Scale scale = FormGeometry::scaleFor(layout);
    m_layoutScale = scale.pixelsPerMm;
    m_textMm = scale.textMm;
    for (QStaticText &text : m_texts) {
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScale(m_layoutScale);
}

void BulletinCanvas::setScale(double pixelsPerMm)
{
    if (pixelsPerMm == m_scale)
        return;
    m_scale = pixelsPerMm;
    m_textFont = FormPicture::fontFor(m_textMm, m_scale);
    m_totalFont = FormPicture::fontFor(m_textMm * 1.15, m_scale, true);
    m_formSize = FormPicture::editorSize(m_scale);
    for (int s = 0; s < SlotTable::SlotCount; ++s) {
        m_boxes[size_t(s)] = mmRect(FormGeometry::slotBox(s));
        m_texts[size_t(s)].setText(QString()); // laid out again in the new font
    }
    renderPicture();
    setResizable(m_resizable);
    resize(m_formSize);
    updateGeometry();
    update();
    emit scaleChanged();
}

void BulletinCanvas::setResizable(bool resizable)
{
    m_resizable = resizable;
    if (!resizable) {
        setFixedSize(m_formSize);
        return;
    }
    setMinimumSize(FormPicture::editorSize(m_layoutScale * FormGeometry::MinimumFitShare));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void BulletinCanvas::renderPicture()
{
    // The blank form changes only with the scale or the screen: drawn once for each, in vectors
    // at the screen's own resolution. The first may have been drawn while the program started.
    const qreal ratio = devicePixelRatioF();
    QImage picture = PreparedFormPicture::take(m_scale, ratio);
    if (picture.isNull())
        picture = FormPicture::editorImage(m_scale, ratio);
    findFreeColumns(picture, ratio);
    m_picture = QPixmap::fromImage(std::move(picture));
}

void BulletinCanvas::findFreeColumns(const QImage &picture, qreal ratio)
{
    // Measured on the picture along each box's middle: a frame's thick line may run over the
    // edge of a box, and the lines grow wider with the scale.
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb inside = FormPicture::BoxColour.rgb();
    const auto isInside = [&](int x, int y) {
        const int px = std::clamp(int((x + 0.5) * ratio), 0, image.width() - 1);
        const int py = std::clamp(int((y + 0.5) * ratio), 0, image.height() - 1);
        return reinterpret_cast<const QRgb *>(image.constScanLine(py))[px] == inside;
    };
    for (int s = 1; s < SlotTable::SlotCount; ++s) {
        const QRect &box = m_boxes[size_t(s)];
        const int y = box.center().y();
        int left = box.left();
        while (left < box.right() && !isInside(left, y))
            ++left;
        int right = box.left() + TextInset;
        while (right <= box.right() && isInside(right, y))
            ++right;
        m_free[size_t(s)] = {left, right - 1};
    }
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
    for (int s : changed)
        update(m_boxes[size_t(s)]);
}

int BulletinCanvas::slotAt(const QPointF &point) const
{
    return FormGeometry::slotAt(point / m_scale);
}

BulletinCanvas::Shown BulletinCanvas::shown(int slot) const
{
    const QString &text = m_record.slot(slot);
    if (!SlotTable::isValid(slot)) return {text, 1};
    const FreeColumns free = m_free[size_t(slot)];
    const QFontMetricsF metrics(m_textFont);
    const qreal width = metrics.horizontalAdvance(text);
    if (boxRect(slot).left() + TextInset + std::ceil(width) - 1 + Shade <= free.right - Air)
        return {text, 1};
    const int room = narrowedRoom(slot);
    if (width * MinNarrowing <= room) return {text, qreal(room) / width};
    const QString start = metrics.elidedText(text, Qt::ElideRight, room / MinNarrowing);
    // A tick box is too narrow even for the ellipsis alone: the ellipsis still tells.
    return {start.isEmpty() ? QString(QChar(0x2026)) : start, MinNarrowing};
}

int BulletinCanvas::narrowedRoom(int slot) const
{
    const FreeColumns free = m_free[size_t(slot)];
    return free.right - free.left + 1 - Shade;
}

QFont BulletinCanvas::totalFont(const QString &total) const
{
    QFont font = m_totalFont;
    const int room = boxRect(SlotTable::TotalKmSlot).width() - 4;
    while (font.pixelSize() > 6 && QFontMetrics(font).horizontalAdvance(total) > room)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

bool BulletinCanvas::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // The whole text of a box, wherever the box shows only its start.
        const auto *help = static_cast<QHelpEvent *>(event);
        const int slot = slotAt(help->pos());
        if (slot > 0 && shown(slot).narrowing < 1)
            QToolTip::showText(help->globalPos(), m_record.slot(slot), this, boxRect(slot));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void BulletinCanvas::paintEvent(QPaintEvent *event)
{
    if (m_picture.devicePixelRatio() != devicePixelRatioF())
        renderPicture(); // moved to a screen of another resolution
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
    // Past the form, while a larger window waits for the form's new scale.
    if (width() > m_formSize.width())
        p.fillRect(m_formSize.width(), 0, width() - m_formSize.width(), height(), Qt::white);
    if (height() > m_formSize.height())
        p.fillRect(0, m_formSize.height(), width(), height() - m_formSize.height(), Qt::white);
    p.setPen(Qt::black);
    p.setFont(m_textFont);
    const QRect dirty = event->rect();
    // Texts start at the left of their box on a baseline centred in it. Each stays inside its
    // own box: a text wider than its box is drawn narrower, or cut with an ellipsis.
    const QFontMetrics metrics(m_textFont);
    const int top = (metrics.height() - 1) / 2;
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s) {
        if (m_record.slot(s).isEmpty() || s == SlotTable::DateSlot) continue;
        const QRect &box = m_boxes[size_t(s)];
        if (!box.intersects(dirty)) continue;
        const Shown shownText = shown(s);
        const QString &text = shownText.text;
        const QPoint at(box.left() + TextInset, box.center().y() + 1 - top);
        if (shownText.narrowing < 1) {
            const FreeColumns free = m_free[size_t(s)];
            p.save();
            p.setClipRect(
                QRect(free.left, box.top() + 1, free.right - free.left + 1, box.height() - 2));
            p.translate(free.left, 0);
            p.scale(shownText.narrowing, 1);
            p.drawText(0, at.y() + metrics.ascent(), text);
            p.restore();
            continue;
        }
        // A text drawn a second time is kept laid out: most repaints change one slot or none,
        // while a new day changes them all at once.
        QStaticText &laidOut = m_texts[size_t(s)];
        if (laidOut.text() != text) {
            laidOut.setText(text);
            p.drawText(at.x(), at.y() + metrics.ascent(), text);
        } else {
            p.drawStaticText(at, laidOut);
        }
    }
    const QString &total = m_record.slot(SlotTable::TotalKmSlot);
    const QFont font = totalFont(total);
    const QRect box = boxRect(SlotTable::TotalKmSlot);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter,
               QFontMetrics(font).elidedText(total, Qt::ElideRight, box.width() - 4));
}

void BulletinCanvas::mousePressEvent(QMouseEvent *event)
{
    const int slot = event->button() == Qt::LeftButton ? slotAt(event->position()) : 0;
    if (slot > 0)
        emit boxPressed(slot);
    else
        event->ignore();
}

void BulletinCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int slot = event->button() == Qt::LeftButton ? slotAt(event->position()) : 0;
    if (slot > 0)
        emit boxDoubleClicked(slot);
    else
        event->ignore();
}
