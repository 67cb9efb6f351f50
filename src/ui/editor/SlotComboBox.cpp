#include "ui/editor/SlotComboBox.h"

#include <QAbstractItemView>

SlotComboBox::SlotComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    // Free text stays as typed: no completion from the items.
    setCompleter(nullptr);
    // The control fits the box it stands on, however narrow: a slim arrow leaves the room to
    // the text.
    setStyleSheet(QStringLiteral("QComboBox { padding: 0px 1px; }"
                                 "QComboBox::drop-down { width: 11px; }"));
}

void SlotComboBox::showPopup()
{
    emit aboutToShowPopup();
    // The list itself may be wider than the box: wide enough for its longest item.
    view()->setMinimumWidth(qMax(width(), view()->sizeHintForColumn(0) + 24));
    QComboBox::showPopup();
}
