#pragma once

#include <QDate>

// The dates a bulletin carries: what the editor's date box takes, what a day file may hold, and
// the century of a year typed on two digits.
namespace ServiceDate
{

// No bulletin is older: the date box goes no further back and a day file dated before is not
// read.
inline QDate earliest()
{
    return QDate(1900, 1, 1);
}

// The last year a bulletin may carry: ten years after `currentYear`.
inline int latestYear(int currentYear)
{
    return currentYear + 10;
}

// The year the dates typed are measured from: the clock's, or the year this program was built
// when the clock says earlier (a computer that lost its time to a flat battery says 2000: the
// driver's "26" would have been 1926 and a "2026" typed whole beyond the years allowed).
int referenceYear(int clockYear);

// The year meant by its last two digits: the one within the ninety years up to `currentYear`
// and the ten after it ("99" typed in 2026 is 1999, "30" is 2030, "37" is 1937).
int yearOfTwoDigits(int twoDigits, int currentYear);

} // namespace ServiceDate
