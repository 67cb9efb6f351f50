#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Brings the program's windows back in sight when the screens change under them: a laptop taken
// off its docking station, a projector unplugged, the resolution lowered. The window manager
// moves the windows of a monitor that goes away only as far as its own edge: a dialog then shows
// a strip of itself, its buttons out of reach, while it holds the editor.
namespace KeepInSight
{

// Where a window's frame goes to stand whole on the screens (`screens`, their whole areas), in
// the free area (`rooms`, the same screens less their panels) of the screen it overlaps most, or
// of the first when it overlaps none: as little a move as that takes, none for a frame already
// whole on the screens, even across two of them. A frame larger than the room keeps its
// top-left corner in it, the menu and title first.
QPoint inSight(const QRect &frame, const QList<QRect> &screens, const QList<QRect> &rooms);

// Moves every window of the program that stands partly off the screens back in sight.
void bringBack();

// Watches the screens for the rest of the run, and brings the windows back after each change,
// once the window manager has placed them.
void watchScreens();

} // namespace KeepInSight
