#pragma once

class QWidget;

// The keyboard comes into `box` by a click of the left button only (or by the keys): the right
// button opens the bulletin's menu over it and leaves the keyboard in the box the driver stands
// in. `part` is the child the presses land on (the line edit inside the box).
void focusOnLeftClickOnly(QWidget *box, QWidget *part = nullptr);
