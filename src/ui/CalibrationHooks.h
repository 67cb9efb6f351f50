#pragma once

#include "core/print/PrintSide.h"

#include <functional>

class QWidget;

// What the calibration windows plug into the verso editor and the print previews. Their buttons
// "Réglage bulletin sur imprimante" and "Centrage du bulletin" are enabled only when the hook
// behind them is set when the window opens.
struct CalibrationHooks {
    // Called by the chooser whenever it changed values that the caller shows (factory values
    // restored, line length of the observations): the caller breaks frame H again and redraws.
    using LayoutChanged = std::function<void()>;

    // "Réglage bulletin sur imprimante": the frame chooser of a side, modal over `parent`; the
    // call returns when it is closed. `fromPreview` makes its "Calibrage Ecran-Imprimante"
    // button visible. The layout is loaded before the call, and the caller redraws after it.
    std::function<void(QWidget *parent, PrintSide side, bool fromPreview,
                       const LayoutChanged &layoutChanged)>
        openFrameChooser;

    // "Centrage du bulletin": "CENTRAGE DU BULLETIN RECTO" or "CENTRAGE DU BULLETIN VERSO",
    // modal over `parent`; the call returns when it is closed. The layout is loaded before the
    // call; after it the recto preview loads the layout again from its file.
    std::function<void(QWidget *parent, PrintSide side)> openCentring;
};
