#pragma once

#include "core/base/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A one-item-per-line file of the data folder (reference lists, roster-folder list). Every change
// rewrites the file through the atomic writer, so that a failed write leaves it as it was.
namespace ListFile
{

// No real list comes near this; a bigger file is not read (and never rewritten).
constexpr qint64 MaxBytes = TextFile::MaxListBytes;

struct Content {
    bool readable = false; // false: the file exists but could not be read (or is too big)
    QByteArray bytes;      // as on disk, in the code page; empty for a missing file
    QStringList lines;
    QString error; // why it could not be read
};

// A missing file is an empty, readable list.
Content read(const QString &path);

// The lines of the file in order; a missing or unreadable file gives an empty list.
QStringList lines(const QString &path);

// Adds `item` as a new line after the lines already read, keeping their bytes. A last line
// without its line end gets one first, so that two items are never glued together.
QByteArray appended(const QByteArray &bytes, const QString &item);

// Appends one line. Fails (with `error`) when the file exists but cannot be read.
bool append(const QString &path, const QString &item, QString *error = nullptr);

// Rewrites the file without every entry equal to `entry`, and without empty entries. With
// `splitAtCommas` a line holding commas counts as several entries, each then written on its own
// line. Returns the number of entries removed, or -1 when the file could not be read or written.
int remove(const QString &path, const QString &entry, bool splitAtCommas, QString *error = nullptr);

// Replaces the file by an empty one.
bool clear(const QString &path, QString *error = nullptr);

} // namespace ListFile
