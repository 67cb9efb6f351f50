#pragma once

#include <QComboBox>

// The editor's list control: an editable drop-down that tells its owner before it opens, so that
// the items can be read again from the slot's list file.
class SlotComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit SlotComboBox(QWidget *parent = nullptr);
    void showPopup() override;

signals:
    void aboutToShowPopup();
};
