#pragma once

#include "core/roster/CaraibeRoster.h"

#include <QString>

#include <functional>
#include <optional>

class Prompts;

// Reads the roster files exported by the railway's roster system Caraibe: the header when the
// driver picks a file, then the whole file day by day when the conversion runs.
namespace CaraibeReader {

// No real roster comes near these sizes; beyond them the reading stops as on a damaged line.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
constexpr qsizetype MaxLineBytes = 64 * 1024;

// The header of the file, or nullopt when it is not a Caraibe roster: a name ending in ".SWP",
// not a readable regular file, an empty file, a first line other than "[RLT]".
std::optional<EnteteRoulement> readHeader(const QString &path);

// "Erreur !!": the file is not a Caraibe roster.
void showRefusal(Prompts &prompts);

// Receives each finished day; returning false stops the reading.
using DayConsumer = std::function<bool(const JourneeCaraibe &day)>;

enum class ReadEnd {
    Finished,     // end of the file (or an empty path)
    TooManySteps, // a day with a 13th step: the reading stopped there
    CannotOpen,   // the file is gone or cannot be opened
    Unreadable,   // a line could not be read: the reading stopped there
    Stopped,      // the consumer asked to stop
};

// Reads the whole file and hands every finished day to `consumer`, in file order. Days handed
// before a stop stay handed.
ReadEnd OuvreFichier_CARAIBE(const QString &path, const DayConsumer &consumer);

} // namespace CaraibeReader
