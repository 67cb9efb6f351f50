#pragma once

class QApplication;

namespace StartUp {

// Runs the program: screen checks, choice of the editor layout, the editor's loading, then the
// event loop. Returns the exit code.
int run(QApplication &app);

} // namespace StartUp
