#pragma once

#include <QString>

// Copy of one file through a temporary file that takes the destination's name only once it is
// whole: a full disk, an I/O error or a crash never leaves a half-written file under that name.
namespace FileCopy
{

// Refuses (false) when the destination already exists: a copy never overwrites. `error` receives
// a French explanation naming the file.
bool copy(const QString &source, const QString &destination, QString *error = nullptr);

} // namespace FileCopy
