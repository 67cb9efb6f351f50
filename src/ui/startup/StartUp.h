#pragma once

#include "core/config/ScreenLayout.h"

class QApplication;
class EditorWindow;
struct Session;

namespace StartUp {

// Runs the program: screen checks, choice of the editor layout, the editor's loading, then the
// event loop. Returns the exit code.
int run(QApplication &app);

// Reads the system's font configuration on a worker thread, while the connection to the display
// is made: the first window's texts then find it ready. Call before the application object.
void warmUpFonts();

// Opens the editor of a layout and runs its loading. Used at start and by the scale switch.
EditorWindow *openEditor(Session &session, EditorLayout layout);

} // namespace StartUp
