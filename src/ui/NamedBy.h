#pragma once

class QLabel;
class QString;
class QWidget;

// A caption that names the control it stands beside, so that a screen reader announces the
// control by it. A list takes no name from a caption on its own: it is given the caption's text.
QLabel *captionFor(QWidget *control, const QString &text);
