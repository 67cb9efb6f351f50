#include "core/editor/EditRules.h"

#include "core/model/SlotTable.h"

namespace EditRules {

using namespace SlotTable;

namespace {

bool isStationSlot(int slot)
{
    switch (slot) {
    case 9: case 11: case 38: case 40: case 41: case 43: case 44: case 46: case 47: case 49:
        return true;
    default: break;
    }
    const int r = offsetOf(slot);
    return r == De || r == A || r == Via || r == Gare;
}

bool isTaskSlot(int slot)
{
    return (slot >= 14 && slot <= 35 && (slot - 14) % 3 == 0);
}

} // namespace

Control controlFor(int slot)
{
    if (slot == DateSlot)
        return Control::Date;
    return listFileFor(slot, QString()).isEmpty() ? Control::Text : Control::List;
}

QString listFileFor(int slot, const QString &engineListFile)
{
    if (isStationSlot(slot))
        return QStringLiteral("ListeGares.txt");
    if (isTaskSlot(slot))
        return QStringLiteral("ListeTaches.txt");
    if (isEngine(slot))
        return engineListFile.isEmpty() ? QStringLiteral("ListeEngins.txt") : engineListFile;
    switch (offsetOf(slot)) {
    case Categ: return QStringLiteral("ListeCateg.txt");
    case IndCompo: return QStringLiteral("InCompo.txt");
    case AgSeul: return QStringLiteral("AgentSeul.txt");
    default: return QString();
    }
}

QString typedText(int slot, const QString &typed)
{
    if (isTypedMark(slot))
        return QStringLiteral("x");
    if (slot == 1 || slot == 2)
        return typed;
    return typed.toUpper();
}

bool prefixFirst(int slot, const QString &controlText, const QString &prefix)
{
    return !prefix.isEmpty() && controlText.isEmpty() && isTrainNumber(slot);
}

bool listKeyRefused(int slot, const QString &controlText, bool hasSelection, bool isBackspace)
{
    return isShuntingEngine(slot) && controlText.size() >= 6 && !hasSelection && !isBackspace;
}

bool togglesOnClick(int slot) { return slot != NonConformeSlot && isMark(slot); }

QString toggled(const QString &mark)
{
    return mark.isEmpty() ? QStringLiteral("x") : QString();
}

} // namespace EditRules
