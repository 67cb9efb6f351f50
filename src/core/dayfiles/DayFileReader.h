#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class BulletinRecord;
class Prompts;
struct AppState;
struct VersoContent;

// Reads a day file back into the bulletin and its verso.
namespace DayFileReader {

// Largest file and line taken for a day file; anything bigger is not one.
constexpr qsizetype MaxFileBytes = 4 * 1024 * 1024;
constexpr qsizetype MaxLineBytes = 64 * 1024;

// Splits the file's bytes into lines (a carriage return inside a line reads as a blank); false
// for bytes that cannot be a day file (NUL bytes, oversized file or line).
bool splitDayFile(const QByteArray &bytes, QStringList &lines);

// Fills the date, the recto slots and the verso from the lines. The caller has emptied them
// first. Marks read "1" / "0" become "x" / ""; NumeroTrain and marks lose their surrounding
// blanks; the fields with a load limit are cut to it; a task "EV" becomes "LOC" when
// `evEnLoc`. Returns false on a file that is not a day file; what was read before the fault
// stays in the record.
bool parse(const QStringList &lines, bool evEnLoc, BulletinRecord &record, VersoContent &verso);

// Loads the file into the state, taking the EV-to-LOC option from Config.ini. On failure shows
// the "Erreur !!" message and returns true (the load-failed flag). An empty path does nothing.
bool load(const QString &path, AppState &state, Prompts &prompts);

} // namespace DayFileReader
