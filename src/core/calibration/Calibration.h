#pragma once

#include "core/print/PrintSide.h"

#include <QString>
#include <QStringView>

struct PrintLayout;
class Prompts;

// The rules of the calibration windows. The windows show layout values in tenths of a
// millimetre (window value = item value x 10) and store item value = window value / 10 as text.
// A window's title selects the print item it acts on.
namespace Calibration {

// The three kinds of X/Y windows and the bounds of their sliders, in tenths of a millimetre.
enum class Window { FramePosition, Shift, Centring };

struct Range {
    int min;
    int max;
    int clamp(int v) const { return v < min ? min : (v > max ? max : v); }
};

struct Bounds {
    Range x;
    Range y;
};

Bounds bounds(Window window);

// A layout value as the window shows it: "60" -> "600", "6.5" -> "65", "" -> "0".
QString tenthsText(const QString &layoutValue);
// The slider position for a typed text: the integer part of its leading number ("12.9" -> 12,
// "-3" -> -3, "abc" -> 0). The slider holds it to its bounds.
int sliderValue(QStringView typed);
// A slider position as a layout value: 125 -> "12.5", 5 -> ".5", -5 -> "-.5", 630 -> "63".
QString layoutValue(int tenths);

// Stores the values of an item from slider positions: both, or one axis as its slider moves.
void store(PrintLayout &layout, int item, int xTenths, int yTenths);
void storeX(PrintLayout &layout, int item, int tenths);
void storeY(PrintLayout &layout, int item, int tenths);

// The X and Y texts of an item as found when a window opened, to put back on "Annuler".
struct Remembered {
    int item = -1;
    QString x;
    QString y;
};
Remembered remember(const PrintLayout &layout, int item);
void restore(PrintLayout &layout, const Remembered &values);

// The spacing window: pitches (Y of items 53, 54, 55, 90) and the observation line length
// (X of item 90), each under its own title.
QString observationLengthTitle();
QString observationLengthPrompt();
QString spacingPrompt();
// The stored text shown on opening; "" for a title that is no spacing.
QString spacingValue(const PrintLayout &layout, QStringView title);

enum class SpacingResult {
    Stored,     // stored and the line length is within 20..110: the window closes
    TooHigh,    // the line length is above 110: the window stays open
    TooLow,     // below 20: the window stays open
    NotANumber, // nothing stored: the typed text holds no number
    UnknownTitle,
};
// Comma becomes point, the value is stored by title, then ParaImpX[90] is checked whatever
// the title (a value out of range stays stored until it is corrected).
SpacingResult storeSpacing(PrintLayout &layout, QStringView title, const QString &typed);
// The message of a result that keeps the window open; nothing for Stored.
void reportSpacing(Prompts &prompts, SpacingResult result);

// "Paramétres par défaut" of a chooser: the side's factory values in memory, and the message.
// Nothing is saved.
void restoreDefaults(PrintLayout &layout, PrintSide side, Prompts &prompts);

// "&Info" of the centring windows.
void showCentringInfo(Prompts &prompts);

// The title of each side's windows.
QString shiftTitle(PrintSide side);
QString screenCalibrationTitle(PrintSide side);
QString centringTitle(PrintSide side);

// Saves the layout to ParametresImp.txt and reads it back, so that memory holds what the file
// holds. A failure is reported, the previous file stays whole and memory keeps its values.
// A file that exists but cannot be read is not replaced: the tables may hold nothing of it.
bool saveAndReload(PrintLayout &layout, const QString &dataFolder, Prompts &prompts);

} // namespace Calibration
