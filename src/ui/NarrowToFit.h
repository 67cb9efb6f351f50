#pragma once

class QFont;
class QLineEdit;

// Narrows the control's font so that the whole of its text shows in the box while the driver
// types it, as the forms draw a text too wide for its box; never below six tenths of the width
// of `base`, the font the control has when its text fits.
void narrowToFit(QLineEdit *edit, const QFont &base);
