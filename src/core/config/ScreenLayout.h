#pragma once

// The screen as the start-up checks see it: logical pixels and logical dots per inch.
struct ScreenMetrics {
    int width = 0;
    int height = 0;
    int dpi = 96;
    bool operator==(const ScreenMetrics &) const = default;
};

// The three layouts of the bulletin editor: the same editor at three scales.
enum class EditorLayout { None, Editor1024, Editor800, LargeFont };

struct LayoutChoice {
    enum class Outcome {
        OpenEditor,
        ResolutionMessage, // screen too narrow: message, then the program ends
        FontMessage,       // fonts too large: message, then the program ends
    };
    Outcome outcome = Outcome::OpenEditor;
    EditorLayout layout = EditorLayout::None;
    ScreenMetrics kept;      // metrics kept for the rest of the run
    bool scaleFlag = false;  // the scale flag after the choice (in memory only)
};

// The splash window's decision, as a pure function of the screen and the scale flag. Screens
// that no rule names open the nearest layout that fits; a screen narrower than 800 never gets an
// editor and is told why.
LayoutChoice chooseLayout(const ScreenMetrics &screen, bool scaleFlag);

// Which layout's drawing routines serve the kept metrics.
EditorLayout layoutForMetrics(const ScreenMetrics &kept);

// Whether the screen is wide enough for the larger editor, by the same rule as at start-up
// (1024 pixels, whatever the height); the scale switch refuses it where it is not.
bool largeEditorFits(const ScreenMetrics &screen);
