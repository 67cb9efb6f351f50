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

    // How a slot's text is shown in its box: the whole text, or its start with an ellipsis at
    // the box's right edge when it is wider than the box (the record keeps the whole text).
    QString shownText(int slot) const;
    // The bold font of TotalKm, made smaller where the total would not fit its box.
    QFont totalFont(const QString &total) const;

    QSize sizeHint() const override { return m_picture.size() / m_picture.devicePixelRatio(); }

signals:
    void boxPressed(int slot);
    void boxDoubleClicked(int slot);

protected:
    bool event(QEvent *event) override;
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
