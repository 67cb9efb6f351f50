#include "core/model/ServiceDate.h"

namespace ServiceDate
{

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
