#pragma once

class BulletinRecord;

// The refresh rule of the on-screen bulletin: what the record becomes before it is drawn.
namespace ScreenRefresh {

// Cuts every slot that has a display limit to that limit (the cut value stays in the record)
// and recomputes TotalKm. Returns true when a slot was cut.
bool SortieEcranEditeur(BulletinRecord &record);

} // namespace ScreenRefresh
