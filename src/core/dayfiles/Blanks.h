#pragma once

#include <QString>

// Day files and their names are trimmed of blanks only, as earlier versions did: tabs stay.
inline QString trimBlanks(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}
