#include "ui/editor/SlotComboBox.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QWheelEvent>

SlotComboBox::SlotComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setFocusPolicy(Qt::StrongFocus); // not taken by the wheel
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    // Free text stays as typed: no completion from the items.
    setCompleter(nullptr);
    // The control fits the box it stands on, however narrow: a slim arrow leaves the room to
    // the text. Its list drops over the paper form as paper, whatever the desktop's colours.
    setStyleSheet(
        QStringLiteral("QComboBox { padding: 0px 1px; }"
                       "QComboBox::drop-down { width: 11px; }"
                       "QComboBox QAbstractItemView { background: white; color: black; }"));
}

void SlotComboBox::showPopup()
{
    emit aboutToShowPopup();
    // The list itself may be wider than the box: wide enough for its longest item, within the
    // screen, where an item longer still ends with an ellipsis.
    const int room = screen()->availableGeometry().width() - 8; // the drop-down's frame
    view()->setMinimumWidth(qMin(qMax(width(), view()->sizeHintForColumn(0) + 24), room));
    view()->setMaximumWidth(room);
    QComboBox::showPopup();
    // In a list of hundreds of stations the drop-down opens where the driver is: on the item
    // the box shows, or on the first that begins with what he typed. The box keeps its text
    // until he takes an item.
    const QString shown = currentText();
    if (shown.isEmpty()) return;
    int at = findText(shown, Qt::MatchFixedString);
    if (at < 0) at = findText(shown, Qt::MatchStartsWith);
    if (at < 0) return;
    const QModelIndex item = model()->index(at, modelColumn(), rootModelIndex());
    view()->setCurrentIndex(item);
    view()->scrollTo(item, QAbstractItemView::PositionAtTop);
}

void SlotComboBox::wheelEvent(QWheelEvent *event)
{
    // A wheel turned over the box on the way elsewhere leaves the slot alone.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
