#include "core/form/ScreenRefresh.h"

#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"

namespace ScreenRefresh {

bool SortieEcranEditeur(BulletinRecord &record)
{
    bool cut = false;
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s) {
        const int limit = SlotTable::info(s).displayLimit;
        if (limit > 0 && record.slot(s).size() > limit) {
            record.setSlot(s, record.slot(s).left(limit));
            cut = true;
        }
    }
    record.updateTotalKm();
    return cut;
}

} // namespace ScreenRefresh
