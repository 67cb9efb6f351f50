#include "core/model/SlotTable.h"

#include <algorithm>
#include <array>

namespace SlotTable {
namespace {

using P = Placement;

struct LineField {
    const char *name;
    Kind kind;
    int loadLimit;
    int displayLimit;
    int printItem;
    Placement placement;
    int printLimit = 0;
    int numberItem = -1;
    int codeItem = -1;
};

constexpr std::array<LineField, LineLength> kLine = {{
    {"Fac", Kind::Mark, 0, 0, 27, P::Whole},
    {"NumeroTrain", Kind::Text, 0, 0, 28, P::Chars},
    {"De", Kind::Text, 5, 5, 29, P::Chars},
    {"A", Kind::Text, 5, 5, 30, P::Chars},
    {"Via", Kind::Text, 3, 3, 31, P::Chars},
    {"EvoDep", Kind::Text, 0, 0, 32, P::Chars},
    {"MvDep", Kind::Text, 0, 0, 33, P::Chars},
    {"HeureDep", Kind::Text, 0, 0, 34, P::Chars},
    {"HeureArr", Kind::Text, 0, 0, 35, P::Chars},
    {"MvArr", Kind::Text, 0, 0, 36, P::Chars},
    {"EvoArr", Kind::Text, 0, 0, 37, P::Chars},
    {"Gare", Kind::Text, 3, 5, 61, P::Chars},
    {"HeureArr2", Kind::Text, 0, 0, 62, P::Chars},
    {"Mv", Kind::Text, 0, 0, 63, P::Chars},
    {"HeureDep2", Kind::Text, 0, 0, 64, P::Chars},
    {"Categ", Kind::Text, 3, 3, 38, P::Chars},
    {"IndCompo", Kind::Text, 5, 5, 39, P::Chars, 5},
    {"AgSeul", Kind::Text, 2, 2, 40, P::Chars, 2},
    {"NbVeh", Kind::Text, 0, 0, 41, P::Chars},
    {"Long", Kind::Text, 0, 0, 65, P::Chars},
    {"Masse", Kind::Text, 0, 0, 66, P::Chars},
    {"Coef", Kind::Text, 0, 0, 67, P::Chars},
    {"AgentEnSecond", Kind::Mark, 0, 0, 42, P::Whole},
    {"AutreAgent", Kind::Mark, 0, 0, 43, P::Whole},
    {"Nat1", Kind::Text, 0, 0, 44, P::Chars},
    {"EnginTitu", Kind::Engine, 0, 0, 56, P::Engine, 0, 46, 48},
    {"Nat2", Kind::Text, 0, 0, 45, P::Chars},
    {"EnginUm1", Kind::Engine, 0, 0, 57, P::Engine, 0, 47, 49},
    {"De2Um1", Kind::Text, 0, 0, 50, P::Chars},
    {"A2Um1", Kind::Text, 0, 0, 51, P::Chars},
    {"Nat3", Kind::Text, 0, 0, 68, P::Chars},
    {"EnginUm2", Kind::Engine, 0, 0, 69, P::Engine, 0, 70, 71},
    {"De2Um2", Kind::Text, 0, 0, 72, P::Chars},
    {"A2Um2", Kind::Text, 0, 0, 73, P::Chars},
    {"Observation", Kind::Mark, 0, 0, 52, P::Whole},
    {"KmTrain", Kind::Text, 0, 0, -1, P::None},
}};

std::array<SlotInfo, SlotCount> buildTable()
{
    std::array<SlotInfo, SlotCount> t{};
    auto set = [&t](int s, const char *name, Kind kind, Frame frame, int item, Placement placement,
                    int load = 0, int display = 0, int printLimit = 0) {
        t[s] = SlotInfo{name, kind, frame, load, display, item, placement, printLimit};
    };

    set(1, "Nom", Kind::Text, Frame::A, 1, P::Whole);
    set(2, "Prenom", Kind::Text, Frame::A, 2, P::Whole);
    set(3, "Etablissement", Kind::Text, Frame::A, 3, P::Chars);
    set(4, "Residence", Kind::Text, Frame::A, 4, P::Chars);
    set(5, "Immatriculation", Kind::Text, Frame::A, 5, P::Chars);
    set(6, "DatePS", Kind::Date, Frame::A, 6, P::Chars); // printed from the service date
    set(7, "Roulement", Kind::Text, Frame::A, 7, P::Chars);
    set(8, "Journee", Kind::Text, Frame::A, 8, P::Chars);

    set(9, "LieuPS", Kind::Text, Frame::B1, 9, P::Chars);
    set(10, "HeurePS", Kind::Text, Frame::B1, 10, P::Chars);
    set(11, "LieuFS", Kind::Text, Frame::B1, 11, P::Chars);
    set(12, "HeureFS", Kind::Text, Frame::B1, 12, P::Chars);

    set(13, "NonConforme", Kind::Mark, Frame::B2, 13, P::Whole);
    for (int k = 0; k < 4; ++k) {
        set(14 + 3 * k, "Tache", Kind::Text, Frame::B2, 14, P::Chars, 7, 7);
        set(15 + 3 * k, "HeureDebTache", Kind::Text, Frame::B2, 15, P::Chars);
        set(16 + 3 * k, "HeureFinTache", Kind::Text, Frame::B2, 16, P::Chars);
        set(26 + 3 * k, "TacheManoeuvre", Kind::Text, Frame::B2, 17, P::Chars, 7, 7);
        set(27 + 3 * k, "HeureDebManoeuvre", Kind::Text, Frame::B2, 18, P::Chars);
        set(28 + 3 * k, "HeureFinManoeuvre", Kind::Text, Frame::B2, 19, P::Chars);
        set(38 + 3 * k, "LieuMv", Kind::Text, Frame::B2, 58, P::Chars, 3, 3, 3);
        set(39 + 3 * k, "EnginMa", Kind::Engine, Frame::B2, 59, P::Chars, 7, 7, 6);
        set(40 + 3 * k, "EmtMa", Kind::Text, Frame::B2, 60, P::Chars, 3, 3, 3);
        for (int s : {14, 15, 16, 26, 27, 28, 38, 39, 40})
            t[size_t(s + 3 * k)].b2Row = k;
    }

    set(50, "Mark30SC", Kind::Mark, Frame::B3, 22, P::Whole);
    set(51, "MarkCRLEL", Kind::Mark, Frame::B3, 20, P::Whole);
    set(52, "MarkCRMP", Kind::Mark, Frame::B3, 21, P::Whole);
    set(53, "MarkPanierNonUtilise", Kind::Mark, Frame::B3, 23, P::Whole);
    set(54, "TicketMetro", Kind::Text, Frame::B3, 24, P::Whole);
    set(55, "UnitesTel", Kind::Text, Frame::B3, 25, P::Chars);
    set(56, "Mark2BS", Kind::Mark, Frame::B3, 26, P::Whole);

    for (int line = 0; line < LineCount; ++line)
        for (int r = 0; r < LineLength; ++r) {
            const LineField &f = kLine[r];
            SlotInfo &i = t[size_t(lineSlot(line, r))];
            i = SlotInfo{f.name, f.kind, Frame::C, f.loadLimit, f.displayLimit, f.printItem,
                         f.placement, f.printLimit, f.numberItem, f.codeItem};
        }

    set(TotalKmSlot, "TotalKm", Kind::Computed, Frame::None, -1, P::None);
    return t;
}

const std::array<SlotInfo, SlotCount> &table()
{
    static const std::array<SlotInfo, SlotCount> t = buildTable();
    return t;
}

} // namespace

bool isValid(int slot) { return slot >= 0 && slot < SlotCount; }

const SlotInfo &info(int slot)
{
    static const SlotInfo unused;
    return isValid(slot) ? table()[size_t(slot)] : unused;
}

bool isMark(int slot) { return info(slot).kind == Kind::Mark; }
bool isEngine(int slot) { return info(slot).kind == Kind::Engine; }

bool isTrainNumber(int slot) { return offsetOf(slot) == NumeroTrain; }

bool isShuntingEngine(int slot)
{
    return std::find(ShuntingEngineSlots.begin(), ShuntingEngineSlots.end(), slot)
        != ShuntingEngineSlots.end();
}

bool isTypedMark(int slot)
{
    return slot == NonConformeSlot || (slot >= Mark30SCSlot && slot <= MarkPanierSlot);
}

int lineOf(int slot)
{
    if (slot < FirstLineSlot || slot > LastLineSlot)
        return -1;
    return (slot - FirstLineSlot) / LineLength;
}

int offsetOf(int slot)
{
    if (slot < FirstLineSlot || slot > LastLineSlot)
        return -1;
    return (slot - FirstLineSlot) % LineLength;
}

int frameFirst(Frame frame)
{
    switch (frame) {
    case Frame::A: return 1;
    case Frame::B1: return 9;
    case Frame::B2: return 13;
    case Frame::B3: return 50;
    case Frame::C: return 57;
    case Frame::None: break;
    }
    return -1;
}

int frameLast(Frame frame)
{
    switch (frame) {
    case Frame::A: return 8;
    case Frame::B1: return 12;
    case Frame::B2: return 49;
    case Frame::B3: return 56;
    case Frame::C: return 272;
    case Frame::None: break;
    }
    return -1;
}

Frame frameOf(int slot) { return info(slot).frame; }

} // namespace SlotTable
