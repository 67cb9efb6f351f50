#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class Config;
class Page;
class Prompts;
struct PrinterFont;

namespace PrinterFonts {

// Boxes of the paper form are one character pitch high: a recto font must fit in 4.3 mm.
constexpr double RectoHeightLimitMm = 4.3;

// Bold and italic are stored as "True" / "False".
QString boolText(bool value);
bool textBool(const QString &text);

// Whether every setting of a font record is set (name, size above 0, bold, italic).
bool isComplete(const PrinterFont &font);
QFont toQFont(const PrinterFont &font);
PrinterFont fromQFont(const QFont &font);

// The printer's own font: DejaVu Sans at 9 points, or the desktop's family where it is
// missing, brought down to fit the recto's boxes, never below 6 points.
constexpr int DefaultPoints = 9;
constexpr int MinimumPoints = 6;

// The font a printer starts with before any choice.
QFont deviceDefaultFont();
// The height of a line of `font` on a printer, in millimetres.
double lineHeightMm(const QFont &font);

// Fill every unset setting of a side from the device's font and write it at once to its key.
void ErreurPolice_Recto(Config &config, const QFont &deviceFont);
void ErreurPolice_Verso(Config &config, const QFont &deviceFont);

// Write the four keys of a side.
void SauvePolicesImprimante(const Config &config);
void SauvePolicesImprimanteVerso(const Config &config);

// The recto font for printing; completed from the device first when a setting is missing.
QFont rectoFontForPrinting(Config &config, const QFont &deviceFont);

// The verso font for printing; completed from the device first when a setting is missing.
QFont versoFontForPrinting(Config &config, const QFont &deviceFont);

// The font dialog: the chosen font, or nullopt when cancelled.
using FontDialog = std::function<std::optional<QFont>(const QFont &initial)>;

// Asks for a font until one whose "W" fits in `limitMm` on the measuring page is chosen; the
// record takes it, in whole points, and `chosenPoints` (when given) the size as chosen.
// Cancelling leaves the record as it was and returns false.
bool chooseFont(PrinterFont &font, double limitMm, Page &measure, Prompts &prompts,
                const FontDialog &dialog, double *chosenPoints = nullptr);

// The recto font dialog: chooses within the 4.3 mm limit, then saves the four recto keys.
bool Police_Recto(Config &config, Page &measure, Prompts &prompts, const FontDialog &dialog);

// The verso font dialog ("Choix Police" of the verso editor and preview): chooses within the
// height of the verso editor's boxes, then saves the four verso keys, the size as chosen in the
// dialog (a half point stays, a whole size has no decimals).
bool Police_Verso(Config &config, double limitMm, Page &measure, Prompts &prompts,
                  const FontDialog &dialog);

// Completes the recto and the verso printer fonts from the printer, writing every completed key
// to Config.ini (run by the editor's loading).
void checkAtStartUp(Config &config);

} // namespace PrinterFonts
