#include "core/base/TypedText.h"

#include "core/base/Cp1252.h"

namespace TypedText
{

QString upperCaseInserted(QStringView before, qsizetype from, QStringView after, qsizetype cursor)
{
    // Nothing before the edit's start changes; a typed character equal to the one it replaces
    // is still typed, so the common start stops there.
    qsizetype start = 0;
    while (start < from && start < before.size() && start < after.size() &&
           before[start] == after[start])
        ++start;
    if (cursor <= start || cursor > after.size()) return after.toString();
    return after.left(start).toString() + Cp1252::toUpper(after.mid(start, cursor - start)) +
           after.mid(cursor).toString();
}

} // namespace TypedText
