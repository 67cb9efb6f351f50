#include "core/editor/EditRules.h"

#include "core/base/Cp1252.h"
#include "core/model/ListFiles.h"
#include "core/model/SlotTable.h"

namespace EditRules {

using namespace SlotTable;

Control controlFor(int slot)
{
    if (slot == DateSlot)
        return Control::Date;
    return listFileFor(slot, QString()).isEmpty() ? Control::Text : Control::List;
}

QString listFileFor(int slot, const QString &engineListFile)
{
    const std::optional<ListKind> kind = ListFiles::kindOf(slot);
    return kind ? ListFiles::fileName(*kind, engineListFile) : QString();
}

QString typedText(int slot, const QString &typed)
{
    if (isTypedMark(slot))
        return QStringLiteral("x");
    if (slot == 1 || slot == 2)
        return typed;
    return Cp1252::toUpper(typed);
}

bool prefixFirst(int slot, const QString &controlText, const QString &prefix)
{
    return !prefix.isEmpty() && controlText.isEmpty() && isTrainNumber(slot);
}

bool listKeyRefused(int slot, const QString &slotValue, bool hasSelection, bool isBackspace)
{
    return isShuntingEngine(slot) && slotValue.size() >= 6 && !hasSelection && !isBackspace;
}

bool togglesOnClick(int slot) { return slot != NonConformeSlot && isMark(slot); }

QString toggled(const QString &mark)
{
    return mark.isEmpty() ? QStringLiteral("x") : QString();
}

} // namespace EditRules
