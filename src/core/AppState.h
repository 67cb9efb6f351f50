#pragma once

#include "core/automatismes/AutomatismeStore.h"
#include "core/config/Config.h"
#include "core/config/ScreenLayout.h"
#include "core/editor/FrameErase.h"
#include "core/model/BulletinRecord.h"
#include "core/model/VersoContent.h"
#include "core/options/OptionValues.h"
#include "core/print/PrintLayout.h"
#include "core/print/VersoLines.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Everything the program works on during a run, created once at start-up and handed by reference
// to the windows and rules that need it.
struct AppState {
    BulletinRecord record;
    VersoContent verso;
    VersoLines versoLines; // frame H broken into lines, filled before printing or previewing
    PrintLayout printLayout;
    std::array<QString, 36> lineBuffer; // F5 / F8, entries 1..36 stored at 0..35
    FrameSaveAreas saveAreas;
    QString mention;           // of the day file in the editor, at most 5 characters
    QString currentFileFolder; // folder the day was opened from or saved to, "" after a new day
    Config config;
    ScreenMetrics screen;      // the real screen
    ScreenMetrics keptScreen;  // as the layout rules see it (800 when the 800 editor is forced)
    EditorLayout layout = EditorLayout::None;
    QString engineListFile;    // ListeEngins.txt or ListeEnginsAut.txt
    bool engineTabMode = false; // "Tab E": Tab moves over the line engines, for the whole run
    AutomatismeStore automatismes; // Automatisme.ini, read once and kept
    // The options confirmed last, while Config.ini could not take them: in use until the end
    // of the run, and what the options window shows.
    std::optional<OptionValues> unsavedOptions;
};
