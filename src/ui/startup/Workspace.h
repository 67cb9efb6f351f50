#pragma once

#include <cstdint>
#include <optional>

struct xcb_connection_t;
class QWidget;

// The desktops (workspaces) of an X11 window manager. A window on a desktop the driver is not
// looking at is out of sight: raised and activated there, it stays out of sight.
namespace Workspace
{

// The desktop shown on the screen of `root`, where the window manager has desktops.
std::optional<std::uint32_t> currentDesktop(xcb_connection_t *connection, std::uint32_t root);
// The desktop of the managed window `window`; 0xFFFFFFFF for a window on every desktop.
std::optional<std::uint32_t> desktopOf(xcb_connection_t *connection, std::uint32_t window);

// Moves the managed window `window` to the desktop shown on the screen of `root`. False when
// it is there already, on every desktop, or the window manager has no desktops.
bool moveToCurrent(xcb_connection_t *connection, std::uint32_t root, std::uint32_t window);

// The same for a window of this program, through Qt's connection to the X server; nothing
// where Qt does not draw through X11.
void moveToCurrent(QWidget *window);

} // namespace Workspace
