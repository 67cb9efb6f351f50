#pragma once

#include "core/config/DataFolder.h"
#include "core/config/ScreenLayout.h"

struct AppState;
class Prompts;

// The splash window's decisions: the data folder, the screen checks and the editor layout.
namespace SplashStage {

// Settles the program folder, the kept screen metrics and the scale flag in `state`. Returns the
// layout to open, or None when the program must end (its message has been shown).
EditorLayout run(AppState &state, Prompts &prompts, const ScreenMetrics &screen,
                 const DataFolder::Location &data);

} // namespace SplashStage
