#pragma once

#include <QColor>

class QWidget;

// The form on the screen is paper: its boxes show dark text on a light ground, and so does a
// box lit up for the keyboard in any window, whatever colours the desktop gives the program (a
// dark theme gives light text, which a light ground would hide).
namespace PaperColours
{

// The light yellow of a box that has the keyboard.
inline QColor focusGround()
{
    return QColor(255, 255, 192);
}

// The widget and every control standing on it take the colours of paper.
void makePaper(QWidget *form);

// The controls standing on the form now are drawn as on a light desktop, in Qt's own style,
// whatever style the desktop chose: a desktop's style (Adwaita) frames a box with room for its
// own padding, which the form's boxes, a few pixels tall, do not have, and draws the arrows of
// its dark variant in light colours, unseen on paper. Called once the controls are made.
void drawAsPaper(QWidget *form);

// The box shows `ground` behind dark text; `unlight` gives it back the colours of its window.
void light(QWidget *box, const QColor &ground);
void unlight(QWidget *box);

} // namespace PaperColours
