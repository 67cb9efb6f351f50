#pragma once

#include <QString>
#include <QStringView>

// Numbers held inside texts: INI values, print layout values, kilometres.
namespace NumberText {

// Leading blanks skipped, then the longest prefix that forms a decimal number (optional sign,
// digits, optional "." and digits); 0 when there is none. "12,5" reads 12, ".5" reads 0.5.
double leadingNumber(QStringView text);

// The whole part of a value as an int, held to the int range (a stored "99999999999" is the
// largest int, not undefined behaviour); NaN gives 0.
int toInt(double value);

// A value rounded to a whole number as a 16-bit field takes it: to the nearest, a half to the
// even neighbour (8.5 gives 8, 9.5 gives 10); held to the int range like toInt.
int roundedToInt(double value);

// Shortest decimal text of a value to fifteen significant digits, in plain decimals (never an
// exponent), without blanks: 125.5, 0, -3, 100000000000000000000, 0.00001.
QString shortest(double value);

// The layout form of a value: no leading zero between -1 and 1 (".5", "-.5"), integral values
// without a point ("63").
QString layoutText(double value);

} // namespace NumberText
