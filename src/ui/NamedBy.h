#pragma once

class QComboBox;
class QLabel;
class QString;
class QWidget;

// A caption that names the control it stands beside, so that a screen reader announces the
// control by it. A list takes no name from a caption on its own: it is given the caption's text.
QLabel *captionFor(QWidget *control, const QString &text);

// A drop-down is read by its text on Linux, its value: what it is comes from a caption that
// names it. One that stands on the form, with no caption of its own, gets one that is never
// shown, kept to `name`.
void nameDropDown(QComboBox *box, const QString &name);
