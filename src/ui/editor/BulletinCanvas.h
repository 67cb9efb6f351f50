#pragma once

#include "core/config/ScreenLayout.h"
#include "core/model/SlotTable.h"

#include <QFont>
#include <QPixmap>
#include <QStaticText>
#include <QWidget>

#include <array>

class BulletinRecord;

// The on-screen bulletin: the picture of the recto with every slot's text in its box. The edit
// controls of the editor are its children, laid over the box of the current slot.
class BulletinCanvas : public QWidget
{
    Q_OBJECT
public:
    BulletinCanvas(const BulletinRecord &record, EditorLayout layout, QWidget *parent = nullptr);

    // The box of a slot in pixels of this widget.
    QRect boxRect(int slot) const;
    QRect mmRect(const QRectF &mm) const;
    const QFont &textFont() const { return m_textFont; }
    // Schedules the repaint of the boxes whose text changed since the last call.
    void updateChangedSlots();
    // The slot under a point of this widget, 0 when none.
    int slotAt(const QPoint &point) const;

    QSize sizeHint() const override { return m_picture.size() / m_picture.devicePixelRatio(); }

signals:
    void boxPressed(int slot);
    void boxDoubleClicked(int slot);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    const BulletinRecord &m_record;
    double m_scale;
    QFont m_textFont;
    QFont m_totalFont;
    QPixmap m_picture;
    std::array<QRect, SlotTable::SlotCount> m_boxes; // in pixels
    std::array<QStaticText, SlotTable::SlotCount> m_texts;
    std::array<QString, SlotTable::SlotCount> m_shown;
};
