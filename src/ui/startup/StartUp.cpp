#include "ui/startup/StartUp.h"

#include "core/AppState.h"
#include "core/config/DataFolder.h"
#include "core/startup/EditorStage.h"
#include "core/startup/SplashStage.h"
#include "ui/editor/EditorWindow.h"
#include "ui/print/PrinterChoice.h"
#include "ui/ScreenReader.h"
#include "ui/Session.h"
#include "ui/startup/CommandWiring.h"
#include "ui/startup/frmCartouche.h"
#include "ui/startup/frmSplash.h"
#include "ui/startup/WidgetPrompts.h"

#include <QApplication>
#include <QStandardPaths>

namespace StartUp {

EditorWindow *openEditor(Session &session, EditorLayout layout)
{
    AppState &state = session.state;
    Prompts &prompts = session.prompts;
    state.layout = layout;
    auto *editor = new EditorWindow(state, layout);
    wireCommands(*editor, session);

    EditorStageHooks hooks;
    hooks.hasPrinter = [] { return PrinterChoice::anyPrinterInstalled(); };
    hooks.runCartouche = [&state, &prompts](bool firstStart) {
        frmCartouche::run(state, prompts, firstStart, nullptr);
    };
    EditorStage::run(state, prompts, *editor, hooks);
    editor->show();
    return editor;
}

int run(QApplication &app)
{
    AppState state;
    WidgetPrompts prompts;
    PrinterChoice printer;
    Session session{state, prompts, printer};
    // Settings that cannot be saved are told once; the windows go on with them in memory.
    state.config.onWriteFailure = [&prompts](const QString &title, const QString &text) {
        prompts.message(title, text, Prompts::Icon::Exclamation);
    };

    frmSplash splash;
    state.screen = readPrimaryScreen();
    splash.showMetrics(state.screen);
    splash.show();
    app.processEvents();
    prompts.setParent(&splash);

    const DataFolder::Location data = DataFolder::locate(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const EditorLayout layout = SplashStage::run(state, prompts, state.screen, data);
    if (layout == EditorLayout::None)
        return data.ok() ? 0 : 1;

    splash.close();
    prompts.setParent(nullptr);
    openEditor(session, layout);
    return app.exec();
}

} // namespace StartUp
