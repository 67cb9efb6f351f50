#pragma once

struct AppState;

namespace PrinterFonts {

// Completes the recto and the verso printer fonts from the printer, writing every completed key
// to Config.ini (run by the editor's loading).
void checkAtStartUp(AppState &state);

} // namespace PrinterFonts
