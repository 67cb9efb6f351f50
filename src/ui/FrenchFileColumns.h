#pragma once

class QCoreApplication;
class QFileDialog;

// Qt's own file dialog writes its sizes and dates in the desktop's language: "3 bytes" and
// "12/8/26 10:56 AM" on an English desktop, where a French reader takes 12/8 for the 12th of
// August. These give them in the program's French, as a French desktop shows them.
namespace FrenchFileColumns
{

// The desktop's own dialog is left as it is: it has no columns of Qt's to give.
void install(QFileDialog &dialog);

// The same for every file dialog of Qt's that opens, the print dialog's "..." included.
void installEverywhere(QCoreApplication &app);

} // namespace FrenchFileColumns
