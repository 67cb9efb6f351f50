#pragma once

#include "core/config/DataFolder.h"
#include "core/config/ScreenLayout.h"

struct AppState;
class Prompts;

// The splash window's decisions: the data folder, the screen checks and the editor layout.
namespace SplashStage {

// The stage in two halves, so that the editor's drawing can begin while the splash window is
// being shown. The decision settles the program folder, the kept screen metrics and the scale
// flag in `state`, and tells nothing; the conclusion shows the message of a program that ends
// and returns the layout to open, or None when the program must end.
struct Decision {
    bool dataFolderOk = false;
    LayoutChoice choice;
    // The layout to open, or None when the program ends.
    EditorLayout layout() const;
};
Decision decide(AppState &state, const ScreenMetrics &screen, const DataFolder::Location &data);
EditorLayout conclude(const Decision &decision, Prompts &prompts, const ScreenMetrics &screen,
                      const DataFolder::Location &data);

} // namespace SplashStage
