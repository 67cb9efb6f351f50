#pragma once

class QWidget;
struct Session;

// The verso's commands shared by the verso editor and the verso preview.
namespace VersoCommands {

// Breaks frame H's texts into `state.versoLines`, measured in the verso font on the printer that
// will print them. With no printer: the message, and the tables stay as they were.
bool wrapForPrinting(Session &session);

// The same for what is shown or printed without the chosen printer (preview, plain paper): the
// printer measures when there is one, else a PDF page of the same resolution stands in.
void wrapForPreview(Session &session);

// "Imprimer": " IMPRIMER ?", then on OK frame H broken into lines and the verso printed.
// Returns whether a page was printed.
bool printVerso(Session &session);

// "Choix Police": the verso font dialog, the font measured on the printer; it must fit in the
// height of the verso editor's boxes.
bool chooseVersoFont(QWidget *parent, Session &session);

} // namespace VersoCommands

// Prints the verso on the chosen printer from the tables already filled: one page, or the
// no-printer message and nothing else. Returns whether a page was printed.
bool SortieImpVerso(Session &session);
