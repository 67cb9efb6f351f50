#pragma once

#include "core/calibration/Calibration.h"

#include <QString>

#include <span>

// The frame buttons of the recto and verso choosers: which print item each adjusts, its caption,
// and where it stands (the frame of the form and a row inside it, in the order of the form).
namespace ChooserFrames {

struct Button {
    int item;
    const char16_t *caption;
    const char16_t *frame; // caption of the frame box: "Cadre A", ...
    int row;               // row inside the frame box
};

std::span<const Button> buttons(PrintSide side);

} // namespace ChooserFrames
