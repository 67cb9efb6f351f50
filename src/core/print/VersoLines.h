#pragma once

#include "core/model/VersoPlacement.h"

#include <QString>

#include <array>

// The two multi-line texts of frame H broken into printed lines: line n (1..42) at index n - 1.
// They are filled just before printing or previewing; only lines 1..31 are printed.
struct VersoLines {
    static constexpr int Count = 42;
    static constexpr int Printed = VersoPlacement::PrintedLines;
    using Table = std::array<QString, Count>;

    Table trainNumbers; // txtNumTrainH
    Table observations; // txtObsMec

    bool operator==(const VersoLines &) const = default;
};
