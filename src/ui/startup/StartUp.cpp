#include "ui/startup/StartUp.h"

#include "core/AppState.h"
#include "core/config/DataFolder.h"
#include "core/form/FormGeometry.h"
#include "core/startup/EditorStage.h"
#include "core/startup/SplashStage.h"
#include "core/startup/StartUpMessages.h"
#include "ui/EndOfRun.h"
#include "ui/KeepInSight.h"
#include "ui/ScreenReader.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/PreparedFormPicture.h"
#include "ui/print/PrinterChoice.h"
#include "ui/startup/CommandWiring.h"
#include "ui/startup/SingleInstance.h"
#include "ui/startup/StartUpMarks.h"
#include "ui/startup/WidgetPrompts.h"
#include "ui/startup/Workspace.h"
#include "ui/startup/frmCartouche.h"
#include "ui/startup/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <thread>

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#endif

Q_LOGGING_CATEGORY(lcStartUp, "kerbo.startup", QtWarningMsg)

namespace {

// The longest the editor's loading waits for the print server's answer.
constexpr std::chrono::milliseconds PrinterWait{750};

// KERBO_EXIT_AFTER lets scripts stop a run early: "data" once the data folder is ready (it is
// printed, or the reason it is not), "editor" once the editor is on the screen.
enum class Stop { Never, AfterDataFolder, AfterEditorShown };

Stop stopFromEnvironment()
{
    const QByteArray stop = qgetenv("KERBO_EXIT_AFTER");
    if (stop == "data")
        return Stop::AfterDataFolder;
    if (stop == "editor")
        return Stop::AfterEditorShown;
    return Stop::Never;
}

// Ends the run right after the window's first frame, saying so on the standard output at once,
// so that a script timing the start-up does not count the program's exit.
void shownAndQuit()
{
    markStartUp("shown");
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

class QuitWhenShown : public QObject
{
public:
    explicit QuitWhenShown(QWindow *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            shownAndQuit();
        }
        return false;
    }
};

void quitWhenShown(QWidget *window)
{
    if (window->windowHandle()->isExposed())
        shownAndQuit();
    else
        new QuitWhenShown(window->windowHandle());
}

// A later start asked for the window: the editor and the windows open over it come forward.
void raiseEditor(const QByteArray &activationToken)
{
    QWidget *editor = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<EditorWindow *>(w) && w->isVisible()) editor = w;
    // The desktop's token is good once: for the window that ends on top.
    const QList<QWidget *> windows = SingleInstance::windowsToBringForward(editor);
    for (QWidget *w : windows)
        SingleInstance::bringForward(w, w == windows.last() ? activationToken : QByteArray());
}

// A print server that never answered holds a thread that cannot be joined: leave without running
// the destructors it might still need.
int leave(const PrinterProbe &probe, int code)
{
    if (probe.busy()) {
        std::fflush(nullptr);
        std::quick_exit(code);
    }
    return code;
}

} // namespace

namespace StartUp {

QIcon windowIcon()
{
    // Read as the PNG it is: a reader left to guess the format would first load every image
    // plug-in of the system and ask each of them, a few milliseconds of the start.
    QImageReader reader(QStringLiteral(":/icon/kerbo-64.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

WarmUp::WarmUp()
{
#if __has_include(<dlfcn.h>)
    // Qt's own font database calls fontconfig, which reads its configuration once per process;
    // fontconfig is already loaded with Qt and may be initialised from any thread.
    using Init = int (*)();
    if (auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        m_fonts = std::thread(init);
    // The printer question loads the print server's client library, and the dozen libraries it
    // needs: loaded now, they are ready when the question is asked. Where the library is missing
    // nothing is loaded, and the question goes its own way. Bound lazily: only the few functions
    // the question calls are ever looked up.
    m_printing = std::thread([] { dlopen("libcups.so.2", RTLD_LAZY | RTLD_LOCAL); });
#endif
}

WarmUp::~WarmUp()
{
    // Both are local work of a few milliseconds, long done in a normal run.
    if (m_fonts.joinable()) m_fonts.join();
    if (m_printing.joinable()) m_printing.join();
}

EditorWindow *openEditor(Session &session, EditorLayout layout)
{
    AppState &state = session.state;
    Prompts &prompts = session.prompts;
    state.layout = layout;
    auto *editor = new EditorWindow(state, layout);
    markStartUp("editor");
    wireCommands(*editor, session);

    EditorStageHooks hooks;
    PrinterChoice &printer = session.printer;
    hooks.hasPrinter = [&printer] { return printer.probe().anyPrinter(PrinterWait); };
    hooks.runCartouche = [&state, &prompts](bool firstStart) {
        frmCartouche::run(state, prompts, firstStart, nullptr);
    };
    EndOfRun::watch();
    const int endsAsked = EndOfRun::requests();
    EditorStage::run(state, prompts, *editor, hooks);
    // The desktop session ended while the editor was loading, its first start's cartouche open:
    // the run ends there, the editor never shown.
    if (EndOfRun::requests() != endsAsked) {
        delete editor;
        return nullptr;
    }
    // A screen too small for the layout (a small laptop's, scaled) gets the form fitted to it
    // for this run; the driver's own choice in Config.ini is left as it is.
    const bool fit = state.config.fitToWindow || !fitsScreen(editor);
    editor->setFitToWindow(fit);
    editor->action(EditorCommand::FitToWindow)->setChecked(state.config.fitToWindow);
    if (fit) {
        // Given back its normal state, or where no window manager maximizes it, the window shows
        // the form at the layout's size as far as the screen allows, not at its smallest.
        resizeWithinScreen(editor, editor->layoutSize());
        editor->showMaximized();
    } else
        editor->show();
    return editor;
}

int run(QApplication &app, const QByteArray &launchId)
{
    const Stop stop = stopFromEnvironment();
    AppState state;
    WidgetPrompts prompts;
    PrinterChoice printer;
    Session session{state, prompts, printer};
    // Settings that cannot be saved are told once; the windows go on with them in memory.
    state.config.onWriteFailure = [&prompts](const QString &title, const QString &text) {
        prompts.message(title, text, Prompts::Icon::Exclamation);
    };

    const QString programFolder = QCoreApplication::applicationDirPath();
    const DataFolder::Location data = DataFolder::locate(
        DataFolder::isInstalled(programFolder) ? QString() : programFolder,
        DataFolder::userFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                               QDir::homePath()));
    if (stop == Stop::AfterDataFolder) {
        if (!data.ok()) {
            std::fprintf(stderr, "%s\n%s\n", qPrintable(DataFolder::unwritableTitle()),
                         qPrintable(data.error));
            return 1;
        }
        std::printf("%s\n", qPrintable(Config::dataFolder(data.programFolder)));
        return 0;
    }

    SingleInstance instance(Config::dataFolder(data.programFolder));
    if (data.ok()) {
        if (!instance.claim()) {
            // The desktop's permission to bring a window forward goes to the running program:
            // Wayland's activation token, or the X11 launch id with the time of the click.
            const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
            if (!instance.raiseRunning(x11 ? launchId
                                           : qgetenv(SingleInstance::ActivationTokenVariable)))
                prompts.message(QStringLiteral("Kerbo"),
                                StartUpMessages::alreadyRunningText(
                                    Config::dataFolder(data.programFolder)),
                                Prompts::Icon::Exclamation);
            else if (x11)
                Workspace::endLaunch(launchId); // no window of this start will say it
            return 0;
        }
        QObject::connect(&instance, &SingleInstance::raiseRequested, &app, &raiseEditor);
    }
    // The print server is asked while the windows are built; the editor's loading takes the
    // answer.
    printer.probe().start();

    // From the first window on: the first start's dialog may stand on a monitor unplugged.
    KeepInSight::watchScreens();
    frmSplash splash;
    const ScreenMetrics screen = readPrimaryScreen();
    splash.showMetrics(screen);
    // The editor's form is drawn on a worker while the splash window is shown.
    const SplashStage::Decision decision = SplashStage::decide(state, screen, data);
    const PreparedFormPicture::DropAtEnd dropUntaken;
    if (decision.layout() != EditorLayout::None)
        if (const QScreen *primary = QGuiApplication::primaryScreen())
            PreparedFormPicture::start(FormGeometry::scaleFor(decision.layout()).pixelsPerMm,
                                       primary->devicePixelRatio());
    splash.show();
    app.processEvents();
    markStartUp("splash");
    prompts.setParent(&splash);

    const EditorLayout layout = SplashStage::conclude(decision, prompts, screen, data);
    if (layout == EditorLayout::None)
        return leave(printer.probe(), data.ok() ? 0 : 1);

    splash.close();
    prompts.setParent(nullptr);
    EditorWindow *editor = openEditor(session, layout);
    if (!editor) return leave(printer.probe(), 0);
    if (stop == Stop::AfterEditorShown) quitWhenShown(editor);
    return leave(printer.probe(), app.exec());
}

} // namespace StartUp
