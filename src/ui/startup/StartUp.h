#pragma once

#include "core/config/ScreenLayout.h"

class QApplication;
class EditorWindow;
struct Session;

namespace StartUp {

// Runs the program: screen checks, choice of the editor layout, the editor's loading, then the
// event loop. Returns the exit code.
int run(QApplication &app);

// Begins on worker threads, while the connection to the display is made, what the start waits
// for later: the system's font configuration (for the first window's texts) and the print
// server's client library (for the printer question). Call before the application object.
void warmUp();

// Opens the editor of a layout and runs its loading. Used at start and by the scale switch.
EditorWindow *openEditor(Session &session, EditorLayout layout);

} // namespace StartUp
