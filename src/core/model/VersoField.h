#pragma once

#include "core/model/VersoContent.h"

#include <QString>

// The texts of the verso, by frame.
enum class VersoText {
    D,         // txtD, 80 boxes
    E,         // txtE, 16 boxes
    NumTrainH, // txtNumTrainH, several lines
    ObsMecUP,  // txtObsMecUP
    ObsMec,    // txtObsMec, several lines
    I,         // txtI, 8 boxes
    J,         // txtJ
    L,         // textL, 30 boxes
};

// One text of the verso: which text and, for the boxed ones, the box's index.
struct VersoField {
    VersoText text = VersoText::D;
    int index = 0;

    bool operator==(const VersoField &) const = default;

    // Whether the text holds several lines (Enter makes a new line there).
    bool isMultiLine() const { return text == VersoText::NumTrainH || text == VersoText::ObsMec; }
};

// How many boxes a text has: 80, 16, 8 or 30; 1 for the texts of one piece.
inline int boxCount(VersoText text)
{
    switch (text) {
    case VersoText::D:
        return VersoContent::DCount;
    case VersoText::E:
        return VersoContent::ECount;
    case VersoText::I:
        return VersoContent::ICount;
    case VersoText::L:
        return VersoContent::LCount;
    default:
        return 1;
    }
}

// The text of a field; an index outside the boxes reads the first box.
template <typename Content> auto &versoText(Content &verso, VersoField field)
{
    auto box = [&field](auto &list) -> auto &
    {
        return list[field.index >= 0 && field.index < list.size() ? field.index : 0];
    };
    switch (field.text) {
    case VersoText::D:
        return box(verso.txtD);
    case VersoText::E:
        return box(verso.txtE);
    case VersoText::NumTrainH:
        return verso.txtNumTrainH;
    case VersoText::ObsMecUP:
        return verso.txtObsMecUP;
    case VersoText::ObsMec:
        return verso.txtObsMec;
    case VersoText::I:
        return box(verso.txtI);
    case VersoText::J:
        return verso.txtJ;
    case VersoText::L:
        return box(verso.textL);
    }
    return verso.txtJ;
}
