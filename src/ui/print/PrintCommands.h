#pragma once

#include "core/print/PrinterFonts.h"

#include <QFont>

class QWidget;
struct Session;

namespace PrintCommands {

// " IMPRIMER ?" then the recto on the chosen printer; the layout is loaded first when it has
// not been yet. Returns whether a page was printed.
bool printRecto(Session &session);

// "&Choix Police": the recto font dialog, the font measured on the printer that will print.
// Also run by the recto preview's "Choix Police".
bool chooseRectoFont(QWidget *parent, Session &session);

// Qt's font dialog over `parent`, opening on the font given.
PrinterFonts::FontDialog fontDialog(QWidget *parent);

// The dialog selects a style by name: the font with its family's own name for its weight and
// slant ("Book" rather than "Normal", "Bold Oblique" for bold italic), else the dialog falls on
// the first style listed and the driver's bold or italic is lost at its OK.
QFont withStyleName(QFont font);

} // namespace PrintCommands

// Prints the recto on the chosen printer: one page, or the no-printer message and nothing else.
// Returns whether a page was printed.
bool SortieImpimante(Session &session);
