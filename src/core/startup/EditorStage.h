#pragma once

#include <QString>

#include <functional>

struct AppState;
class BulletinView;
class Prompts;

// What the editor's loading needs from the platform, given by the caller so that tests need
// neither a printer nor a blocking dialog.
struct EditorStageHooks {
    std::function<bool()> hasPrinter;
    // Runs the cartouche dialog modally; `firstStart` selects its first-start captions.
    std::function<void(bool firstStart)> runCartouche;
};

// The loading of an editor layout: configuration, first start, roster folders, first display.
namespace EditorStage {

void run(AppState &state, Prompts &prompts, BulletinView &view, const EditorStageHooks &hooks);


} // namespace EditorStage
