#pragma once

#include <QObject>

// Enter on the button that has the keyboard presses it, as Space does, in every window: Qt leaves
// Enter to a dialog's default button only, and many of the program's windows have none.
class EnterPressesButtons : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
