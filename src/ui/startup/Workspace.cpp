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

// `make`: made when the server does not know it yet, for a message sent; a property asked
// about is not there when its name is not.
xcb_atom_t atom(xcb_connection_t *connection, const char *name, bool make = false)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, make ? 0 : 1, std::uint16_t(std::strlen(name)), name);
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

// Qt's connection to the X server and its first screen's root window; 0 where Qt does not
// draw through X11.
std::uint32_t qtRoot(xcb_connection_t **connection)
{
#if QT_CONFIG(xcb)
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return 0;
    *connection = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(*connection)).data;
    return screen ? screen->root : 0;
#else
    Q_UNUSED(connection);
    return 0;
#endif
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
    xcb_connection_t *connection = nullptr;
    if (const std::uint32_t root = qtRoot(&connection))
        moveToCurrent(connection, root, std::uint32_t(window->winId()));
}

void endLaunch(xcb_connection_t *connection, std::uint32_t root, const QByteArray &startupId)
{
    if (startupId.isEmpty()) return;
    // The message goes to the root window in pieces of 20 bytes, the first one typed BEGIN,
    // from a window of the sender's own; it ends with a zero byte.
    QByteArray message = "remove: ID=";
    for (const char c : startupId) {
        if (c == ' ' || c == '"' || c == '\\') message += '\\';
        message += c;
    }
    message += '\0';
    const xcb_window_t source = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, source, root, -100, -100, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN", true);
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO", true);
    for (qsizetype at = 0; at < message.size(); at += 20) {
        xcb_client_message_event_t piece{};
        piece.response_type = XCB_CLIENT_MESSAGE;
        piece.format = 8;
        piece.window = source;
        piece.type = at == 0 ? begin : more;
        const QByteArray part = message.mid(at, 20);
        std::memcpy(piece.data.data8, part.constData(), size_t(part.size()));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&piece));
    }
    xcb_destroy_window(connection, source);
    // A round trip, not a flush alone: the second start ends right after, and the server may
    // drop what it had not read of a program that closed its connection.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void endLaunch(const QByteArray &startupId)
{
    xcb_connection_t *connection = nullptr;
    if (const std::uint32_t root = qtRoot(&connection)) endLaunch(connection, root, startupId);
}

std::uint32_t launchTime(const QByteArray &startupId)
{
    const qsizetype at = startupId.lastIndexOf("_TIME");
    if (at < 0) return 0;
    bool ok = false;
    const qulonglong time = startupId.mid(at + 5).toULongLong(&ok);
    return ok && time <= 0xFFFFFFFFu ? std::uint32_t(time) : 0;
}

void activate(xcb_connection_t *connection, std::uint32_t root, std::uint32_t window,
              std::uint32_t time)
{
    xcb_client_message_event_t active{};
    active.response_type = XCB_CLIENT_MESSAGE;
    active.format = 32;
    active.window = window;
    active.type = atom(connection, "_NET_ACTIVE_WINDOW");
    active.data.data32[0] = 1; // asked by an application
    active.data.data32[1] = time;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&active));
    xcb_flush(connection);
}

void activate(QWidget *window, std::uint32_t time)
{
    xcb_connection_t *connection = nullptr;
    if (const std::uint32_t root = qtRoot(&connection))
        activate(connection, root, std::uint32_t(window->winId()), time);
}

} // namespace Workspace
