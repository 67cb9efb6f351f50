#include "core/editor/SlotNavigation.h"

#include "core/model/SlotTable.h"

namespace SlotNavigation {

using namespace SlotTable;

int nextSlot(int current)
{
    int n = current + 1;
    for (;;) {
        if (n > LastLineSlot || n < 1)
            n = FirstTrainNumberSlot;
        else if (n == DateSlot || isMark(n))
            ++n;
        else
            return n;
    }
}

int previousSlot(int current)
{
    int n = current - 1;
    while (n >= 1 && isMark(n))
        --n;
    return n < 1 ? 1 : n;
}

bool isLineEngineSlot(int slot)
{
    const int r = offsetOf(slot);
    return r == EnginTitu || r == EnginUm1 || r == EnginUm2;
}

int nextEngineSlot(int current)
{
    const int first = lineSlot(0, EnginTitu);
    if (!isLineEngineSlot(current))
        return first;
    const int line = lineOf(current);
    switch (offsetOf(current)) {
    case EnginTitu: return lineSlot(line, EnginUm1);
    case EnginUm1: return lineSlot(line, EnginUm2);
    default: return line + 1 < LineCount ? lineSlot(line + 1, EnginTitu) : first;
    }
}

} // namespace SlotNavigation
