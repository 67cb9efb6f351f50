#include "ui/startup/Workspace.h"

#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace
{

constexpr std::uint32_t AllDesktops = 0xFFFFFFFF;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 1, std::uint16_t(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A window's CARDINAL property, when it has one.
std::optional<std::uint32_t> cardinal(xcb_connection_t *connection, std::uint32_t window,
                                      xcb_atom_t property)
{
    if (property == XCB_ATOM_NONE) return std::nullopt;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    return *static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
}

} // namespace

namespace Workspace
{

std::optional<std::uint32_t> currentDesktop(xcb_connection_t *connection, std::uint32_t root)
{
    return cardinal(connection, root, atom(connection, "_NET_CURRENT_DESKTOP"));
}

std::optional<std::uint32_t> desktopOf(xcb_connection_t *connection, std::uint32_t window)
{
    return cardinal(connection, window, atom(connection, "_NET_WM_DESKTOP"));
}

bool moveToCurrent(xcb_connection_t *connection, std::uint32_t root, std::uint32_t window)
{
    const std::optional<std::uint32_t> current = currentDesktop(connection, root);
    const std::optional<std::uint32_t> on = desktopOf(connection, window);
    if (!current || !on || *on == *current || *on == AllDesktops) return false;
    // The window manager's own request (EWMH): the window goes, the desktop shown stays.
    xcb_client_message_event_t move{};
    move.response_type = XCB_CLIENT_MESSAGE;
    move.format = 32;
    move.window = window;
    move.type = atom(connection, "_NET_WM_DESKTOP");
    move.data.data32[0] = *current;
    move.data.data32[1] = 1; // asked by an application
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&move));
    xcb_flush(connection);
    return true;
}

void moveToCurrent(QWidget *window)
{
#if QT_CONFIG(xcb)
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t *connection = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) return;
    moveToCurrent(connection, screen->root, std::uint32_t(window->winId()));
#else
    Q_UNUSED(window);
#endif
}

} // namespace Workspace
