#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whole-file reading and writing of the program's 8-bit text files (Windows-1252, CR LF).
namespace TextFile {

struct ReadResult {
    bool ok = false;    // false: the file is missing or could not be read
    QStringList lines;  // CR LF or bare LF line ends, decoded from Windows-1252
    QString error;      // why it could not be read, for a message
};

ReadResult readLines(const QString &path);

// Splits bytes into lines: a final line without a line end still counts, a final line end does
// not start a new empty line.
QStringList splitLines(const QByteArray &bytes);

// Encodes every line in Windows-1252 followed by CR LF.
QByteArray joinLines(const QStringList &lines);

// Writes the bytes atomically: either the whole new file is in place, or the previous file is
// left untouched. On failure `error` (when given) receives a French explanation naming the file.
bool writeAtomic(const QString &path, const QByteArray &bytes, QString *error = nullptr);

bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace TextFile
