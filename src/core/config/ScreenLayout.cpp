#include "core/config/ScreenLayout.h"

LayoutChoice chooseLayout(const ScreenMetrics &screen, bool scaleFlag)
{
    LayoutChoice choice;
    choice.kept = screen;
    choice.scaleFlag = scaleFlag;
    const int w = screen.width;
    const int dpi = screen.dpi;

    if (w < 800 && dpi == 96) {
        choice.outcome = LayoutChoice::Outcome::ResolutionMessage;
        return choice;
    }
    if (w >= 800 && dpi > 120) {
        choice.outcome = LayoutChoice::Outcome::FontMessage;
        return choice;
    }
    if (w < 800) {
        // Narrow screen at another dpi: no layout fits; the resolution message says why.
        choice.outcome = LayoutChoice::Outcome::ResolutionMessage;
        return choice;
    }

    auto open800 = [&choice](bool keepAs800) {
        choice.layout = EditorLayout::Editor800;
        choice.scaleFlag = false;
        if (keepAs800)
            choice.kept = ScreenMetrics{800, choice.kept.height, 96};
        return choice;
    };

    if (w >= 1024 && dpi > 100) {
        choice.layout = EditorLayout::LargeFont;
        choice.scaleFlag = false;
        return choice;
    }
    if (w >= 1024) { // dpi up to 100: 97..100 is taken as normal fonts
        if (scaleFlag) {
            choice.layout = EditorLayout::Editor800;
            choice.kept = ScreenMetrics{800, screen.height, 96};
            return choice;
        }
        choice.layout = EditorLayout::Editor1024;
        return choice;
    }
    // 800..1023 pixels wide: only the 800 layout fits. Off 96 dpi it is kept as an 800 screen
    // so that the layout rules of the other windows agree.
    return open800(w != 800 || dpi > 96);
}

EditorLayout layoutForMetrics(const ScreenMetrics &kept)
{
    if (kept.width >= 1024 && kept.dpi <= 96)
        return EditorLayout::Editor1024;
    if (kept.width >= 1024 && kept.dpi > 100)
        return EditorLayout::LargeFont;
    if (kept.width >= 1024)
        return EditorLayout::Editor1024;
    return EditorLayout::Editor800;
}

bool largeEditorFits(const ScreenMetrics &screen)
{
    return screen.width >= 1024;
}
