#include "print/PrinterFonts.h"

#include "app/AppState.h"

namespace PrinterFonts {

void checkAtStartUp(AppState &) {}

} // namespace PrinterFonts
