#pragma once

// The question of the start-up's printer check, asked on a worker thread: whether the print
// server lists a printer, by name only.
namespace ServerPrinters
{

// Qt's print support is not made on the worker: its print-server plugin ties its password dialog
// to the thread that makes it, and would open that window on the worker. The print library is
// asked itself there, with no password: a server that wants one for its list has printers, as
// far as the start-up can tell, and the print dialog asks for the password when it is needed.
bool anyListed();

} // namespace ServerPrinters
