#pragma once

#include "core/print/PrintSide.h"

class QPrinter;
struct Session;

// For drivers without pre-printed forms: one side printed with the picture of its form beneath
// the texts, on plain A4 or to a PDF file. The texts land where they land on the pre-printed
// form; the picture follows the centring of the printer, so it stands where the form would.
namespace PlainPaper {

// False, after a message, when the printer or the file cannot be opened.
bool print(Session &session, PrintSide side, QPrinter &printer);

} // namespace PlainPaper
