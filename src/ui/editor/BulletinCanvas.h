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

    // Pixels per millimetre: the layout's own, or more when the form grows with the window.
    double scale() const { return m_scale; }
    double layoutScale() const { return m_layoutScale; }
    // Draws the form at another scale: picture, boxes and fonts follow, the slots stay. The
    // widget takes the form's new size; emits scaleChanged.
    void setScale(double pixelsPerMm);
    // Fixed at the form's size, or free to take any size from the layout's form upwards.
    void setResizable(bool resizable);

    // The box of a slot in pixels of this widget.
    QRect boxRect(int slot) const;
    QRect mmRect(const QRectF &mm) const;
    const QFont &textFont() const { return m_textFont; }
    // Schedules the repaint of the boxes whose text changed since the last call.
    void updateChangedSlots();
    // The slot under a point of this widget, 0 when none.
    int slotAt(const QPointF &point) const;

    // How a slot's text is shown in its box: the whole text, narrowed where it is wider than
    // the box; only a text too wide even narrowed shows its start and an ellipsis (the record
    // keeps the whole text). `narrowing` is the horizontal scale it is drawn at.
    struct Shown {
        QString text;
        qreal narrowing = 1;
    };
    Shown shown(int slot) const;
    QString shownText(int slot) const { return shown(slot).text; }
    // The bold font of TotalKm, made smaller where the total would not fit its box.
    QFont totalFont(const QString &total) const;

    // The form's size in pixels of this widget.
    QSize formSize() const { return m_formSize; }
    QSize sizeHint() const override { return m_formSize; }

signals:
    void scaleChanged();
    void boxPressed(int slot);
    void boxDoubleClicked(int slot);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void renderPicture();
    void findFreeColumns(const QImage &picture, qreal ratio);
    // The width a narrowed text takes in its box.
    int narrowedRoom(int slot) const;

    const BulletinRecord &m_record;
    double m_layoutScale;
    double m_textMm;
    double m_scale = 0;
    bool m_resizable = false;
    QSize m_formSize;
    QFont m_textFont;
    QFont m_totalFont;
    QPixmap m_picture; // at the screen's device pixel ratio, drawn again when that changes
    std::array<QRect, SlotTable::SlotCount> m_boxes; // in pixels
    // The first and last columns of a box that no line covers, along its middle.
    struct FreeColumns {
        int left = 0;
        int right = 0;
    };
    std::array<FreeColumns, SlotTable::SlotCount> m_free{};
    std::array<QStaticText, SlotTable::SlotCount> m_texts;
    std::array<QString, SlotTable::SlotCount> m_shown;
};
