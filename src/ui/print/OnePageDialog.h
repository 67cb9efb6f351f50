#pragma once

class QPrintDialog;
class QString;

// Qt's print dialog set up for the one page the program prints: a printer, its settings and the
// number of copies. The choice of pages, and the pages' order (all, odd, even), is left out:
// with a print server Qt shows those boxes whatever the dialog's options say, and refuses a
// plain "1" there.
namespace OnePageDialog
{
void prepare(QPrintDialog &dialog, const QString &title);
}
