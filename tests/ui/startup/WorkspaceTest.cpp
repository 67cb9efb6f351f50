#include "TestMain.h"

#include "ui/startup/Workspace.h"

#include <QProcess>
#include <QStandardPaths>

#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace
{

// An X server and a window manager with desktops, of the test's own.
struct Desktop {
    QProcess server;
    QProcess manager;
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;

    ~Desktop()
    {
        if (connection) xcb_disconnect(connection);
        manager.kill();
        manager.waitForFinished(5000);
        server.kill();
        server.waitForFinished(5000);
    }
};

// Tells the window manager what a pager would: show another desktop.
void showDesktop(xcb_connection_t *c, xcb_window_t root, std::uint32_t desktop)
{
    const char *name = "_NET_CURRENT_DESKTOP";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    xcb_client_message_event_t show{};
    show.response_type = XCB_CLIENT_MESSAGE;
    show.format = 32;
    show.window = root;
    show.type = atom->atom;
    show.data.data32[0] = desktop;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&show));
    xcb_flush(c);
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
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (xvfb.isEmpty() || openbox.isEmpty()) QSKIP("needs Xvfb and openbox");
        Desktop desktop;
        desktop.server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(desktop.server.waitForReadyRead(10000));
        const QByteArray display = ":" + desktop.server.readAllStandardOutput().trimmed();
        desktop.connection = xcb_connect(display.constData(), nullptr);
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
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        desktop.manager.setProcessEnvironment(env);
        desktop.manager.start(openbox, {QStringLiteral("--sm-disable")});
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
};

KERBO_TEST(WorkspaceTest)
#include "WorkspaceTest.moc"
