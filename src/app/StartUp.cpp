#include "app/StartUp.h"

#include "app/AppState.h"
#include "app/CommandWiring.h"
#include "app/DataFolder.h"
#include "app/EditorStage.h"
#include "app/SplashStage.h"
#include "app/WidgetPrompts.h"
#include "app/frmCartouche.h"
#include "app/frmSplash.h"
#include "editor/EditorWindow.h"

#include <QAction>
#include <QApplication>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>

#include <cmath>

namespace StartUp {

namespace {

ScreenMetrics primaryScreen()
{
    ScreenMetrics metrics;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        metrics.width = screen->geometry().width();
        metrics.height = screen->geometry().height();
        metrics.dpi = int(std::lround(screen->logicalDotsPerInchX()));
    }
    if (metrics.dpi <= 0)
        metrics.dpi = 96;
    return metrics;
}

void runCartouche(AppState &state, Prompts &prompts, bool firstStart, QWidget *parent)
{
    frmCartouche dialog(state, prompts, firstStart, parent);
    dialog.exec();
}

} // namespace

EditorWindow *openEditor(AppState &state, Prompts &prompts, EditorLayout layout)
{
    state.layout = layout;
    auto *editor = new EditorWindow(state, layout);
    wireCommands(*editor, state, prompts);

    QAction *cartouche = editor->action(EditorCommand::EditCartouche);
    QObject::connect(cartouche, &QAction::triggered, editor, [&state, &prompts, editor] {
        runCartouche(state, prompts, false, editor);
        editor->refreshBulletin();
    });
    cartouche->setEnabled(true);

    EditorStageHooks hooks;
    hooks.hasPrinter = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    hooks.runCartouche = [&state, &prompts](bool firstStart) {
        runCartouche(state, prompts, firstStart, nullptr);
    };
    EditorStage::run(state, prompts, *editor, hooks);
    editor->show();
    return editor;
}

int run(QApplication &app)
{
    AppState state;
    WidgetPrompts prompts;

    frmSplash splash;
    state.screen = primaryScreen();
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
    openEditor(state, prompts, layout);
    return app.exec();
}

} // namespace StartUp
