#pragma once

#include "core/model/SlotTable.h"

#include <QStringList>

class BulletinRecord;
class Config;

// Values kept by the erase commands of the editor so that a frame can be restored.
struct FrameSaveAreas {
    QStringList a;  // slots 7 and 8
    QStringList b1; // slots 9..12
    QStringList b2; // slots 13..49
    QStringList b3; // slots 50..55
    QStringList c;  // slots 57..271
};

// "Effacer le cadre ..." and "Rétablir le cadre ...": a frame's slots go to its save area and
// come back from it. Frame A keeps the date place, B3 keeps the mark 2 BS and C keeps the last
// line's KmTrain.
namespace FrameErase {

// The slots an erase empties, first and last (frame A also skips the date place 6).
int eraseFirst(SlotTable::Frame frame);
int eraseLast(SlotTable::Frame frame);
bool erases(SlotTable::Frame frame, int slot);

void erase(BulletinRecord &record, FrameSaveAreas &areas, SlotTable::Frame frame);
// Every saved value that is not empty comes back (an empty one leaves its slot as it is); A also
// reloads the cartouche from the configuration, its saved values being Roulement and Journee.
void restore(BulletinRecord &record, const FrameSaveAreas &areas, const Config &config,
             SlotTable::Frame frame);

} // namespace FrameErase
