#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>

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

// X11 launch feedback (the freedesktop startup notification): the desktop's menu gives a
// program it starts an id, "..._TIME<time of the click>", and shows a busy pointer until the
// program says the launch is over. A later start that only brings the running window forward
// says so itself, with this.
void endLaunch(xcb_connection_t *connection, std::uint32_t root, const QByteArray &startupId);
void endLaunch(const QByteArray &startupId);
// The time of the click that started the launch, 0 when the id does not tell it.
std::uint32_t launchTime(const QByteArray &startupId);
// Asks the window manager to activate `window` for a click made at `time` (EWMH): a window
// manager that keeps focus from windows that were not clicked lets it come forward.
void activate(xcb_connection_t *connection, std::uint32_t root, std::uint32_t window,
              std::uint32_t time);
void activate(QWidget *window, std::uint32_t time);

} // namespace Workspace
