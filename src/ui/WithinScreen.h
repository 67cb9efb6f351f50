#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Gives a top-level window the size it asks for, or less where its screen's free area is
// smaller (the window manager's frame and title bar allowed for), so that its buttons stay in
// sight on a small or scaled screen; never less than its layout needs.
void resizeWithinScreen(QWidget *window, QSize wanted);

// Whether a top-level window of the size it asks for, frame and title bar included, fits its
// screen's free area.
bool fitsScreen(const QWidget *window);
// The same for the window at another size.
bool fitsScreen(const QWidget *window, QSize wanted);

// Places a window that opens from `owner` over the middle of the owner's window, within the free
// area of the monitor the owner stands on, as a dialog box is placed: with two monitors it opens
// on the driver's, and a window then maximized fills that monitor.
void placeOver(QWidget *window, const QWidget *owner);
// Where the frame of that size goes over the owner's frame, within the room.
QPoint placedOver(QSize frame, const QRect &owner, const QRect &room);

// The narrowest a window may be for its whole title to show in its title bar, as far as the
// screen allows: the titles of the questions and of the calibration windows are long and say
// what the window is about.
int widthForTitle(const QWidget &window);
// Keeps the window at least that wide, or `atLeast` where it is wider, and never narrower than
// its layout needs: a minimum width set on the window itself would stand in for its layout's,
// and with a large desktop font cut its captions and buttons. Called once its layout is built.
void holdWidthForTitle(QWidget *window, int atLeast = 0);
