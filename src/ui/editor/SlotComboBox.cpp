#include "ui/editor/SlotComboBox.h"

SlotComboBox::SlotComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    // Free text stays as typed: no completion from the items.
    setCompleter(nullptr);
}

void SlotComboBox::showPopup()
{
    emit aboutToShowPopup();
    QComboBox::showPopup();
}
