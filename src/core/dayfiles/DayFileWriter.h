#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class BulletinRecord;
struct VersoContent;

// Writes the bulletin and its verso as a day file.
namespace DayFileWriter {

// Lines 1..261: the date and the recto slots, marks written "1" / "0". The roster converter
// lays out its files with it too.
QStringList rectoLines(const BulletinRecord &record);

// The lines of the file, in order. Marks are written "1" / "0" (any other text as an empty
// line); a line break inside a one-line value becomes a blank so that the layout holds; the
// two multi-line verso texts give one line per line of text.
QStringList lines(const BulletinRecord &record, const VersoContent &verso);

// The file's bytes: Windows-1252, CR LF after every line.
QByteArray bytes(const BulletinRecord &record, const VersoContent &verso);

// Writes the file atomically: on failure the previous file of that name is kept and `error`
// gets a French explanation. An empty path writes nothing and succeeds.
bool save(const QString &path, const BulletinRecord &record, const VersoContent &verso,
          QString *error = nullptr);

} // namespace DayFileWriter
