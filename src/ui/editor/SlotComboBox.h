#pragma once

#include <QComboBox>

// The editor's list control: an editable drop-down that tells its owner before it opens, so that
// the items can be read again from the slot's list file. The wheel chooses among the items only
// once the control has the keyboard.
class SlotComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit SlotComboBox(QWidget *parent = nullptr);
    void showPopup() override;

signals:
    void aboutToShowPopup();

protected:
    void wheelEvent(QWheelEvent *event) override;
};
