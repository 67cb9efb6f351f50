#include "TestMain.h"

#include "ui/startup/Workspace.h"

#include <QProcess>
#include <QStandardPaths>

#include <cstring>
#include <memory>
#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

namespace
{

// An X server and a window manager with desktops, of the test's own.
struct Desktop {
    QProcess server;
    QProcess manager;
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;

    // The display's name, empty when the server did not start; connects to it.
    QByteArray startServer(const QString &xvfb)
    {
        server.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s});
        if (!server.waitForReadyRead(10000)) return {};
        const QByteArray display = ":" + server.readAllStandardOutput().trimmed();
        connection = xcb_connect(display.constData(), nullptr);
        return display;
    }

    ~Desktop()
    {
        if (connection) xcb_disconnect(connection);
        manager.kill();
        manager.waitForFinished(5000);
        server.kill();
        server.waitForFinished(5000);
    }
};

xcb_atom_t atomNamed(xcb_connection_t *c, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Tells the window manager what a pager would: show another desktop.
void showDesktop(xcb_connection_t *c, xcb_window_t root, std::uint32_t desktop)
{
    xcb_client_message_event_t show{};
    show.response_type = XCB_CLIENT_MESSAGE;
    show.format = 32;
    show.window = root;
    show.type = atomNamed(c, "_NET_CURRENT_DESKTOP");
    show.data.data32[0] = desktop;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&show));
    xcb_flush(c);
}

// The launch messages a desktop's launcher reads on the root window, put together.
QList<QByteArray> launchMessages(xcb_connection_t *c)
{
    const xcb_atom_t begin = atomNamed(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atomNamed(c, "_NET_STARTUP_INFO");
    QList<QByteArray> messages;
    QByteArray message;
    xcb_flush(c);
    for (int waited = 0; waited < 2000; waited += 10) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(c),
                                                                         &std::free);
        if (!event) {
            if (!messages.isEmpty()) break;
            QTest::qWait(10);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) continue;
        const auto *piece = reinterpret_cast<xcb_client_message_event_t *>(event.get());
        if (piece->type != begin && piece->type != more) continue;
        if (piece->type == begin) message.clear();
        const char *data = reinterpret_cast<const char *>(piece->data.data8);
        const qsizetype length = qsizetype(strnlen(data, 20));
        message.append(data, length);
        if (length < 20) messages << message;
    }
    return messages;
}

} // namespace

// A later start asks for the window while the driver looks at another desktop than the
// editor's: the editor comes to the desktop in sight.
class WorkspaceTest : public QObject
{
    Q_OBJECT

private slots:
    void windowOnAnotherDesktopComesToTheOneInSight()
    {
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        const QString openbox = QStandardPaths::findExecutable(u"openbox"_s);
        if (xvfb.isEmpty() || openbox.isEmpty()) QSKIP("needs Xvfb and openbox");
        Desktop desktop;
        const QByteArray display = desktop.startServer(xvfb);
        QVERIFY(!display.isEmpty());
        QVERIFY(!xcb_connection_has_error(desktop.connection));
        xcb_connection_t *c = desktop.connection;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        desktop.root = screen->root;
        const xcb_window_t window = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, window, desktop.root, 0, 0, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(c, window);
        xcb_flush(c);

        // No window manager, no desktops: nothing is asked of anybody.
        QVERIFY(!Workspace::moveToCurrent(c, desktop.root, window));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DISPLAY"_s, QString::fromLatin1(display));
        desktop.manager.setProcessEnvironment(env);
        desktop.manager.start(openbox, {u"--sm-disable"_s});
        QTRY_VERIFY_WITH_TIMEOUT(Workspace::desktopOf(c, window).has_value(), 10000);
        QCOMPARE(Workspace::currentDesktop(c, desktop.root), std::optional<std::uint32_t>(0));
        QCOMPARE(Workspace::desktopOf(c, window), std::optional<std::uint32_t>(0));
        QVERIFY(!Workspace::moveToCurrent(c, desktop.root, window));

        showDesktop(c, desktop.root, 2);
        QTRY_COMPARE(Workspace::currentDesktop(c, desktop.root), std::optional<std::uint32_t>(2));
        QVERIFY(Workspace::moveToCurrent(c, desktop.root, window));
        QTRY_COMPARE(Workspace::desktopOf(c, window), std::optional<std::uint32_t>(2));
        // The desktop in sight stays the one the driver chose.
        QCOMPARE(Workspace::currentDesktop(c, desktop.root), std::optional<std::uint32_t>(2));
    }

    // Started again from the menu of an X11 desktop while it runs, Kerbo only brings the
    // running window forward: it tells the desktop the launch is over, or the busy pointer and
    // the task bar's spinner stayed until the desktop gave up on it.
    void launchFromTheMenuEnds()
    {
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        if (xvfb.isEmpty()) QSKIP("needs Xvfb");
        Desktop desktop;
        const QByteArray display = desktop.startServer(xvfb);
        QVERIFY(!display.isEmpty());
        xcb_connection_t *launcher = desktop.connection;
        QVERIFY(!xcb_connection_has_error(launcher));
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(launcher)).data;
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(launcher, screen->root, XCB_CW_EVENT_MASK, &events);
        // A round trip: the server listens for the launcher before another client sends.
        std::free(xcb_get_input_focus_reply(launcher, xcb_get_input_focus(launcher), nullptr));

        xcb_connection_t *kerbo = xcb_connect(display.constData(), nullptr);
        QVERIFY(!xcb_connection_has_error(kerbo));
        const QByteArray id = "xfce4-panel/kerbo \"menu\"-1234_TIME8675309";
        Workspace::endLaunch(kerbo, screen->root, id);
        Workspace::endLaunch(kerbo, screen->root, QByteArray()); // no launch id, nothing said
        xcb_disconnect(kerbo);
        QCOMPARE(launchMessages(launcher),
                 QList<QByteArray>{"remove: ID=xfce4-panel/kerbo\\ \\\"menu\\\"-1234_TIME8675309"});

        QCOMPARE(Workspace::launchTime(id), 8675309u);
        QCOMPARE(Workspace::launchTime("kde-launch_TIME0"), 0u);
        QCOMPARE(Workspace::launchTime("gnome-shell-1234-vm-kerbo-1"), 0u);
        QCOMPARE(Workspace::launchTime("a_TIME99999999999"), 0u);
    }
};

KERBO_TEST(WorkspaceTest)
#include "WorkspaceTest.moc"
