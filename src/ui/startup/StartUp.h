#pragma once

#include <QByteArray>
#include <QIcon>

#include "core/config/ScreenLayout.h"

#include <thread>

class QApplication;
class EditorWindow;
struct Session;

namespace StartUp {

// Runs the program: screen checks, choice of the editor layout, the editor's loading, then the
// event loop. Returns the exit code.
// `launchId`: the X11 desktop's launch id of this start (DESKTOP_STARTUP_ID), if any.
int run(QApplication &app, const QByteArray &launchId = QByteArray());

// The program's icon, for its windows and the desktop's task bar.
QIcon windowIcon();

// Begins on worker threads, while the connection to the display is made, what the start waits
// for later: the system's font configuration (for the first window's texts) and the print
// server's client library (for the printer question). Made before the application object and
// kept to the end of the run: a run that ends at once (a script's, a refused screen) waits for
// the two threads rather than leave them halfway through their work.
class WarmUp
{
public:
    WarmUp();
    ~WarmUp();
    WarmUp(const WarmUp &) = delete;
    WarmUp &operator=(const WarmUp &) = delete;

private:
    std::thread m_fonts;
    std::thread m_printing;
};

// Opens the editor of a layout and runs its loading. Used at start and by the scale switch.
// nullptr when the run was ended during the loading.
EditorWindow *openEditor(Session &session, EditorLayout layout);

} // namespace StartUp
