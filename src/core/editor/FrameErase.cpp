#include "core/editor/FrameErase.h"

#include "core/AppState.h"

namespace FrameErase {

using SlotTable::Frame;

namespace {

QStringList &area(FrameSaveAreas &areas, Frame frame)
{
    switch (frame) {
    case Frame::A: return areas.a;
    case Frame::B1: return areas.b1;
    case Frame::B2: return areas.b2;
    case Frame::B3: return areas.b3;
    default: return areas.c;
    }
}

} // namespace

int eraseFirst(Frame frame) { return SlotTable::frameFirst(frame); }

int eraseLast(Frame frame)
{
    // B3 keeps its last mark and C the last line's KmTrain.
    if (frame == Frame::B3 || frame == Frame::C)
        return SlotTable::frameLast(frame) - 1;
    return SlotTable::frameLast(frame);
}

bool erases(Frame frame, int slot)
{
    if (frame == Frame::None || slot < eraseFirst(frame) || slot > eraseLast(frame))
        return false;
    return !(frame == Frame::A && slot == SlotTable::DateSlot);
}

void erase(AppState &state, Frame frame)
{
    if (frame == Frame::None)
        return;
    BulletinRecord &r = state.record;
    QStringList &saved = area(state.saveAreas, frame);
    saved.clear();
    if (frame == Frame::A) {
        saved << r.slot(SlotTable::RoulementSlot) << r.slot(SlotTable::JourneeSlot);
    } else {
        for (int s = eraseFirst(frame); s <= eraseLast(frame); ++s)
            saved << r.slot(s);
    }
    for (int s = eraseFirst(frame); s <= eraseLast(frame); ++s)
        if (erases(frame, s))
            r.setSlot(s, QString());
}

void restore(AppState &state, Frame frame)
{
    if (frame == Frame::None)
        return;
    BulletinRecord &r = state.record;
    const QStringList &saved = area(state.saveAreas, frame);
    if (frame == Frame::A) {
        for (int s = SlotTable::CartoucheFirstSlot; s <= SlotTable::CartoucheLastSlot; ++s)
            r.setSlot(s, state.config.cartoucheValue(s));
        for (int i = 0; i < saved.size() && i < 2; ++i)
            if (!saved[i].isEmpty())
                r.setSlot(SlotTable::RoulementSlot + i, saved[i]);
        return;
    }
    const int first = eraseFirst(frame);
    for (int i = 0; i < saved.size(); ++i)
        if (!saved[i].isEmpty())
            r.setSlot(first + i, saved[i]);
}

} // namespace FrameErase
