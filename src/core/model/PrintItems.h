#pragma once

#include <QStringView>

// The 103 print items of the form: the title of the window that adjusts each item (the titles are
// also the keys by which that window finds its item) and the factory position in millimetres.
namespace PrintItems {

constexpr int Count = 103;

// Items with a special meaning.
enum : int {
    RectoShift = 0,
    CharPitch = 53,   // Y only: distance between two characters of a boxed field
    RowPitchB2 = 54,  // Y only: distance between two rows of frame B2
    LinePitchC = 55,  // Y only: distance between two train lines
    VersoObsWidth = 90, // X: line length of the observations; Y: verso line spacing
    ScreenCalibration = 92,
    ScreenCalibrationVerso = 93,
    VersoShift = 94,
    RectoCentring = 95,
    VersoCentring = 96,
};

struct Item {
    int number;
    const char16_t *title;   // "" when the item has no window of its own
    const char16_t *titleY;  // second title of item 90 (its Y value), "" otherwise
    const char *defaultX;    // factory value as text, nullptr when there is none
    const char *defaultY;
};

const Item &item(int number);

// The factory position of an item in millimetres, 0 where it has none.
double factoryX(int number);
double factoryY(int number);

// The item adjusted under a window title, -1 when no item has that title.
int itemByTitle(QStringView title);

} // namespace PrintItems
