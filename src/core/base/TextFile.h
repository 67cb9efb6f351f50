#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whole-file reading and writing of the program's 8-bit text files (Windows-1252, CR LF).
namespace TextFile {

// Readers refuse files above a size that no file of the program comes near, so that a stray
// huge file is neither loaded whole nor mistaken for an empty one.
constexpr qint64 MaxListBytes = 16 * 1024 * 1024; // reference and roster-folder lists
constexpr qint64 MaxIniBytes = 32 * 1024 * 1024;  // Config.ini, Automatisme.ini, ParaConvert.ini
constexpr qint64 MaxLayoutBytes = 1024 * 1024;    // ParametresImp.txt (203 short lines)

struct ReadBytes {
    bool ok = false;      // false: missing, unreadable, or larger than allowed
    bool missing = false; // the file does not exist (for most readers not an error)
    QByteArray bytes;
    QString error;        // why it could not be read, in French, naming the file
};

// The whole file, or nothing: a read that fails part-way gives no bytes at all.
ReadBytes readBytes(const QString &path, qint64 maxBytes);

struct ReadResult {
    bool ok = false;      // false: the file is missing, unreadable or too large
    bool missing = false; // the file does not exist
    QStringList lines;    // CR LF or bare LF line ends, decoded from Windows-1252
    QString error;        // why it could not be read, for a message
};

ReadResult readLines(const QString &path, qint64 maxBytes = MaxListBytes);

// Splits bytes into lines: a final line without a line end still counts, a final line end does
// not start a new empty line.
QStringList splitLines(const QByteArray &bytes);

// Encodes every line in Windows-1252 followed by CR LF.
QByteArray joinLines(const QStringList &lines);

// Writes the bytes atomically: the new content goes to a temporary file of the same folder,
// every write is checked, the data is forced to the disk, and only then does it take the file's
// name. Either the whole new file is in place or the previous file is left byte for byte as it
// was. On failure `error` (when given) receives a French explanation naming the file.
bool writeAtomic(const QString &path, const QByteArray &bytes, QString *error = nullptr);

bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace TextFile
