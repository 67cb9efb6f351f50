#include "core/editor/FrameErase.h"

#include "core/config/Config.h"
#include "core/model/BulletinRecord.h"

namespace FrameErase {

using SlotTable::Frame;

namespace {

template <typename Areas>
auto &area(Areas &areas, Frame frame)
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

void erase(BulletinRecord &r, FrameSaveAreas &areas, Frame frame)
{
    if (frame == Frame::None)
        return;
    QStringList &saved = area(areas, frame);
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

void restore(BulletinRecord &r, const FrameSaveAreas &areas, const Config &config, Frame frame)
{
    if (frame == Frame::None)
        return;
    const QStringList &saved = area(areas, frame);
    if (frame == Frame::A) {
        for (int s = SlotTable::CartoucheFirstSlot; s <= SlotTable::CartoucheLastSlot; ++s)
            r.setSlot(s, config.cartoucheValue(s));
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
