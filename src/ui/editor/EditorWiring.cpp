#include "ui/editor/EditorWiring.h"

#include "core/startup/StartUpMessages.h"
#include "ui/HelpFile.h"
#include "ui/ScreenReader.h"
#include "ui/WithinScreen.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/config/Config.h"
#include "ui/editor/AboutDialog.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"

#include <QAction>

namespace {

using C = EditorCommand;
using SlotTable::Frame;

// The screen found at start, or the primary screen when there was none.
ScreenMetrics realScreen(const AppState &state)
{
    return state.screen.width > 0 ? state.screen : readPrimaryScreen();
}

// The 1024 (or large-font) editor gives way to the 800 one, and back.
void switchScale(EditorWindow &editor, AppState &state, Prompts &prompts,
                 const OpenEditor &openEditor)
{
    EditorLayout next;
    if (editor.editorLayout() == EditorLayout::Editor800) {
        const ScreenMetrics screen = realScreen(state);
        if (!largeEditorFits(screen)) {
            prompts.message(QStringLiteral("Kerbo"), StartUpMessages::largeEditorRefusedText(screen),
                            Prompts::Icon::Exclamation);
            return;
        }
        state.config.echelle = false;
        state.config.write(ConfigKeys::EchelleEditeur, ConfigKeys::Echelle, QStringLiteral("0"));
        state.keptScreen = screen;
        next = layoutForMetrics(state.keptScreen);
        if (next == EditorLayout::None || next == EditorLayout::Editor800)
            next = EditorLayout::Editor1024;
    } else {
        state.config.echelle = true;
        state.config.write(ConfigKeys::EchelleEditeur, ConfigKeys::Echelle, QStringLiteral("1"));
        state.keptScreen.width = 800;
        state.keptScreen.dpi = 96;
        next = EditorLayout::Editor800;
    }
    EditorWindow *opened = openEditor(next);
    editor.closeForLayoutSwitch();
    if (opened)
        opened->activateWindow();
}

// "Ajuster à la fenêtre": kept in Config.ini; the window takes the screen to show the form large.
// Unticked on a screen too small for the layout, the form stays fitted for the run, as at
// start-up: at the layout's size the last train line and the total would fall off the screen.
// The entry shows the choice kept.
void switchFit(EditorWindow &editor, Config &config, Prompts &prompts)
{
    const bool fit = editor.action(C::FitToWindow)->isChecked();
    config.fitToWindow = fit;
    config.write(ConfigKeys::Options, ConfigKeys::AjusterFenetre,
                 fit ? QStringLiteral("1") : QStringLiteral("0"));
    if (fit) {
        editor.setFitToWindow(true);
        editor.showMaximized();
        return;
    }
    if (fitsScreen(&editor, editor.layoutSize())) {
        editor.leaveFitToWindow();
        return;
    }
    prompts.message(QStringLiteral("Kerbo"),
                    Prompts::lines({QStringLiteral("L'écran est trop petit pour montrer l'éditeur "
                                                   "à sa taille : le bulletin reste ajusté à la "
                                                   "fenêtre."),
                                    QStringLiteral("Votre choix est enregistré et vaudra sur un "
                                                   "écran plus grand.")}),
                    Prompts::Icon::Information);
}

void openHelp(AppState &state, Prompts &prompts)
{
    HelpFile::show(prompts, state.config.dataFile(QStringLiteral("AideKerbo1.html")));
}

} // namespace

void wireEditorCommands(EditorWindow &editor, AppState &state, Prompts &prompts,
                        const OpenEditor &openEditor)
{
    BulletinEditing *editing = editor.editing();
    const std::pair<C, Frame> erases[] = {{C::EraseA, Frame::A},   {C::EraseB1, Frame::B1},
                                          {C::EraseB2, Frame::B2}, {C::EraseB3, Frame::B3},
                                          {C::EraseC, Frame::C}};
    // The frame is copied out of the pair: clang 14 cannot capture a structured binding.
    for (const auto &erase : erases) {
        const Frame frame = erase.second;
        editor.wireCommand(erase.first, [editing, frame] { editing->eraseFrame(frame); });
    }
    const std::pair<C, Frame> restores[] = {{C::RestoreA, Frame::A},   {C::RestoreB1, Frame::B1},
                                            {C::RestoreB2, Frame::B2}, {C::RestoreB3, Frame::B3},
                                            {C::RestoreC, Frame::C}};
    for (const auto &restore : restores) {
        const Frame frame = restore.second;
        editor.wireCommand(restore.first, [editing, frame] { editing->restoreFrame(frame); });
    }

    editor.wireCommand(C::TabMode, [editing] { editing->toggleTabMode(); });
    // Told once the drop-down is open, not from inside its opening.
    QObject::connect(
        editing, &BulletinEditing::listUnreadable, &editor,
        [&prompts](const QString &error) {
            prompts.message(QStringLiteral("Kerbo"), error, Prompts::Icon::Critical);
        },
        Qt::QueuedConnection);
    EditorWindow *window = &editor;
    editor.wireCommand(C::ScaleSwitch,
         [window, &state, &prompts, openEditor] { switchScale(*window, state, prompts, openEditor); });
    editor.wireCommand(C::FitToWindow,
                       [window, &state, &prompts] { switchFit(*window, state.config, prompts); });
    editor.wireCommand(C::Help, [&state, &prompts] { openHelp(state, prompts); });
    editor.wireCommand(C::About, [window, &state] {
        AboutDialog about(realScreen(state), window);
        about.exec();
    });
}
