#include "core/model/ServiceDate.h"

namespace ServiceDate
{

int yearOfTwoDigits(int twoDigits, int currentYear)
{
    constexpr int YearsAhead = 10;
    int year = currentYear - currentYear % 100 + twoDigits;
    if (year > currentYear + YearsAhead)
        year -= 100;
    else if (year <= currentYear + YearsAhead - 100)
        year += 100;
    return year;
}

} // namespace ServiceDate
