#include "ui/editor/SlotComboBox.h"

#include <QAbstractItemView>
#include <QScreen>

SlotComboBox::SlotComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
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
}
