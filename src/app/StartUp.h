#pragma once

#include "app/ScreenLayout.h"

class QApplication;
class EditorWindow;
class Prompts;
struct AppState;

namespace StartUp {

// Runs the program: screen checks, choice of the editor layout, the editor's loading, then the
// event loop. Returns the exit code.
int run(QApplication &app);

// Opens the editor of a layout and runs its loading. Used at start and by the scale switch.
EditorWindow *openEditor(AppState &state, Prompts &prompts, EditorLayout layout);

} // namespace StartUp
