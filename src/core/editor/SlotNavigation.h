#pragma once

// Movement of the edit control from slot to slot with the navigation keys.
namespace SlotNavigation {

// Tab, Enter, Page Down, Right and Down: the next slot, over the date place and the marks; after
// the last line's KmTrain comes the first line's train number.
int nextSlot(int current);
// Page Up and Up: the previous slot, over the marks; the date place is not skipped. Slot 1 has
// nothing before it and stays.
int previousSlot(int current);

// The engine slots of the lines, which "Tab E" mode visits in a row.
bool isLineEngineSlot(int slot);
// The next line engine slot (after 268 comes 82); a slot that is not one gives 82.
int nextEngineSlot(int current);

} // namespace SlotNavigation
