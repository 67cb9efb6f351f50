#pragma once

#include <QString>

#include <array>

// The converter criteria of DataBul/ParaConvert.ini: the roster file gives no category,
// composition index or single-agent code, so the driver ties them to the prefix of the train
// number. Sections "Train 0" .. "Train 14", keys NumeroTrain, Categ, IndCompo, AgentSeul.
namespace ConvertCriteria {

constexpr int Count = 15;
constexpr int Fields = 4;

QString fileName(); // ParaConvert.ini
QString sectionName(int index);
const std::array<const char *, Fields> &keys();

// The four values of each section as stored (absent keys empty).
using Rows = std::array<std::array<QString, Fields>, Count>;

// The criterion of a row: the values padded with blanks to 7, 3, 5 and 2 characters and joined,
// 17 characters long unless a value is longer than its width.
QString CritereConvert(const std::array<QString, Fields> &row);

// Reads the file once; a missing file gives empty rows.
Rows readRows(const QString &path);
// Writes the 60 keys, empty values included, in one save. `error` gets a French explanation.
bool writeRows(const QString &path, const Rows &rows, QString *error = nullptr);

using Criteria = std::array<QString, Count>;
Criteria criteria(const Rows &rows);

// What a train takes from the criteria; all empty when none matches.
struct TrainCodes {
    QString categ;
    QString indCompo;
    QString agSeul;
};

// Criteria 0 to 14 in order: one of exactly 17 characters whose trimmed prefix (columns 1..7)
// begins the train number, without regard to case, sets the three codes; the last match wins.
TrainCodes match(const Criteria &criteria, const QString &trainNumber);

} // namespace ConvertCriteria
