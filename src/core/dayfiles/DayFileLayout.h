#pragma once

#include <QDate>
#include <QString>

#include <array>

// What a day file holds, line after line. Earlier versions of the program wrote the same
// layout, so every position and marker here is fixed for good.
namespace DayFileLayout {

// Marker lines, compared exactly (the two regularity markers hold byte 0xE9 in the file).
inline const QString DebutNumTrain = QStringLiteral("@@debutNumTrain@@");
inline const QString FinNumTrain = QStringLiteral("@@finNumTrain@@");
inline const QString DebutObsMec = QStringLiteral("@@debutObsMec@@");
inline const QString FinObsMec = QStringLiteral("@@finObsMec@@");
inline const QString DebutKmTrain = QStringLiteral("@@DebutKmTrain@@");
inline const QString FinKmTrain = QStringLiteral("@@FinKmTrain@@");
inline const QString Regularite = QString::fromUtf16(u"@@Regularit\u00e9@@");
inline const QString FinRegularite = QString::fromUtf16(u"@@FinRegularit\u00e9@@");

// Header marks, lines 8..13.
constexpr std::array<int, 6> HeaderMarks = {13, 51, 52, 50, 53, 56};

// Offsets of a train line in file order; 25, 27 and 31 (engines) come after all six lines,
// 35 (KmTrain) in the km block.
constexpr std::array<int, 32> LineOrder = {0,  1,  2,  3,  5,  6,  7,  8,  9,  10, 17,
                                           15, 4,  18, 22, 23, 34, 24, 26, 30, 16, 11,
                                           12, 13, 14, 19, 20, 21, 28, 29, 32, 33};
constexpr std::array<int, 3> EngineOffsets = {25, 27, 31};

// Lines 1..261 hold the date and the recto; the train lines are the 32-line blocks starting at
// line 52 (index 51 in a list of lines).
constexpr int RectoLineCount = 261;
constexpr int FirstTrainLineIndex = 51;

constexpr int KmLines = 6;
constexpr int RegularityLines = 30;

// The service date as line 1: " dd mm yyyy".
inline QString dateLine(const QDate &date)
{
    return date.toString(u" dd MM yyyy");
}

} // namespace DayFileLayout
