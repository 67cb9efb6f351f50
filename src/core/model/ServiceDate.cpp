#include "core/model/ServiceDate.h"

#include <algorithm>

namespace ServiceDate
{

namespace
{

// The year of __DATE__ ("Dec  7 2026").
constexpr int builtYear()
{
    constexpr const char *built = __DATE__;
    return (built[7] - '0') * 1000 + (built[8] - '0') * 100 + (built[9] - '0') * 10 +
           (built[10] - '0');
}

} // namespace

int referenceYear(int clockYear)
{
    return std::max(clockYear, builtYear());
}

int yearOfTwoDigits(int twoDigits, int currentYear)
{
    const int latest = latestYear(currentYear);
    int year = currentYear - currentYear % 100 + twoDigits;
    if (year > latest)
        year -= 100;
    else if (year <= latest - 100)
        year += 100;
    return year;
}

} // namespace ServiceDate
