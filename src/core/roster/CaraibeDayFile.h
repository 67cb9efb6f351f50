#pragma once

#include "core/roster/CaraibeRoster.h"
#include "core/roster/ConvertCriteria.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Turns one roster day into generic day files that the editor opens.
namespace CaraibeDayFile {

// What every day of one conversion shares.
struct Target {
    QString folder; // where the files go, ending with the separator
    QChar lettre;   // LettrePeriode: "A" for period 1 .. "F" for period 6
    QString roster; // ROUL, written as the Roulement of every day
    ConvertCriteria::Criteria criteria;
    QDate date; // the service date written in every file: the day of the conversion
};

struct DayFile {
    QString name; // "12.txt", "12 1bis.txt", "12 2bis.txt"
    QStringList lines;
};

// The files of a day: none when its period letter is not the target's or when its number cannot
// name a file; one with up to 6 trains; two beyond, trains 1..6 with the activities then the
// others, both with Mark2BS ticked.
QList<DayFile> files(const JourneeCaraibe &day, const Target &target);

// The number of a day of the target's period that cannot name a file ("1/2", or "" for a day
// given only its period letter); nullopt for a day that gives its files or is not of the period.
std::optional<QString> unnamableNumber(const JourneeCaraibe &day, const Target &target);

} // namespace CaraibeDayFile

// Writes the files of a day into the target folder, overwriting files of the same name, and adds
// 1 to `count` when the day gave any. False on a write failure, explained in `error`.
bool SauveFichier_Caraibe(const JourneeCaraibe &day, const CaraibeDayFile::Target &target,
                          int &count, QString *error);
