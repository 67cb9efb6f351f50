#include "core/model/SlotTable.h"

#include <algorithm>
#include <array>

namespace SlotTable {
namespace {

struct LineField {
    const char *name;
    Kind kind;
    int loadLimit;
    int displayLimit;
    int printItem;
};

constexpr std::array<LineField, LineLength> kLine = {{
    {"Fac", Kind::Mark, 0, 0, 27},          {"NumeroTrain", Kind::Text, 0, 0, 28},
    {"De", Kind::Text, 5, 5, 29},           {"A", Kind::Text, 5, 5, 30},
    {"Via", Kind::Text, 3, 3, 31},          {"EvoDep", Kind::Text, 0, 0, 32},
    {"MvDep", Kind::Text, 0, 0, 33},        {"HeureDep", Kind::Text, 0, 0, 34},
    {"HeureArr", Kind::Text, 0, 0, 35},     {"MvArr", Kind::Text, 0, 0, 36},
    {"EvoArr", Kind::Text, 0, 0, 37},       {"Gare", Kind::Text, 3, 5, 61},
    {"HeureArr2", Kind::Text, 0, 0, 62},    {"Mv", Kind::Text, 0, 0, 63},
    {"HeureDep2", Kind::Text, 0, 0, 64},    {"Categ", Kind::Text, 3, 3, 38},
    {"IndCompo", Kind::Text, 5, 5, 39},     {"AgSeul", Kind::Text, 2, 2, 40},
    {"NbVeh", Kind::Text, 0, 0, 41},        {"Long", Kind::Text, 0, 0, 65},
    {"Masse", Kind::Text, 0, 0, 66},        {"Coef", Kind::Text, 0, 0, 67},
    {"AgentEnSecond", Kind::Mark, 0, 0, 42}, {"AutreAgent", Kind::Mark, 0, 0, 43},
    {"Nat1", Kind::Text, 0, 0, 44},         {"EnginTitu", Kind::Engine, 0, 0, 56},
    {"Nat2", Kind::Text, 0, 0, 45},         {"EnginUm1", Kind::Engine, 0, 0, 57},
    {"De2Um1", Kind::Text, 0, 0, 50},       {"A2Um1", Kind::Text, 0, 0, 51},
    {"Nat3", Kind::Text, 0, 0, 68},         {"EnginUm2", Kind::Engine, 0, 0, 69},
    {"De2Um2", Kind::Text, 0, 0, 72},       {"A2Um2", Kind::Text, 0, 0, 73},
    {"Observation", Kind::Mark, 0, 0, 52},  {"KmTrain", Kind::Text, 0, 0, -1},
}};

std::array<SlotInfo, SlotCount> buildTable()
{
    std::array<SlotInfo, SlotCount> t{};
    auto set = [&t](int s, const char *name, Kind kind, Frame frame, int item, int load = 0,
                    int display = 0) { t[s] = SlotInfo{name, kind, frame, load, display, item}; };

    set(1, "Nom", Kind::Text, Frame::A, 1);
    set(2, "Prenom", Kind::Text, Frame::A, 2);
    set(3, "Etablissement", Kind::Text, Frame::A, 3);
    set(4, "Residence", Kind::Text, Frame::A, 4);
    set(5, "Immatriculation", Kind::Text, Frame::A, 5);
    set(6, "DatePS", Kind::Date, Frame::A, 6);
    set(7, "Roulement", Kind::Text, Frame::A, 7);
    set(8, "Journee", Kind::Text, Frame::A, 8);

    set(9, "LieuPS", Kind::Text, Frame::B1, 9);
    set(10, "HeurePS", Kind::Text, Frame::B1, 10);
    set(11, "LieuFS", Kind::Text, Frame::B1, 11);
    set(12, "HeureFS", Kind::Text, Frame::B1, 12);

    set(13, "NonConforme", Kind::Mark, Frame::B2, 13);
    for (int k = 0; k < 4; ++k) {
        set(14 + 3 * k, "Tache", Kind::Text, Frame::B2, 14, 7, 7);
        set(15 + 3 * k, "HeureDebTache", Kind::Text, Frame::B2, 15);
        set(16 + 3 * k, "HeureFinTache", Kind::Text, Frame::B2, 16);
        set(26 + 3 * k, "TacheManoeuvre", Kind::Text, Frame::B2, 17, 7, 7);
        set(27 + 3 * k, "HeureDebManoeuvre", Kind::Text, Frame::B2, 18);
        set(28 + 3 * k, "HeureFinManoeuvre", Kind::Text, Frame::B2, 19);
        set(38 + 3 * k, "LieuMv", Kind::Text, Frame::B2, 58, 3, 3);
        set(39 + 3 * k, "EnginMa", Kind::Engine, Frame::B2, 59, 7, 7);
        set(40 + 3 * k, "EmtMa", Kind::Text, Frame::B2, 60, 3, 3);
    }

    set(50, "Mark30SC", Kind::Mark, Frame::B3, 22);
    set(51, "MarkCRLEL", Kind::Mark, Frame::B3, 20);
    set(52, "MarkCRMP", Kind::Mark, Frame::B3, 21);
    set(53, "MarkPanierNonUtilise", Kind::Mark, Frame::B3, 23);
    set(54, "TicketMetro", Kind::Text, Frame::B3, 24);
    set(55, "UnitesTel", Kind::Text, Frame::B3, 25);
    set(56, "Mark2BS", Kind::Mark, Frame::B3, 26);

    for (int line = 0; line < LineCount; ++line)
        for (int r = 0; r < LineLength; ++r) {
            const LineField &f = kLine[r];
            set(lineSlot(line, r), f.name, f.kind, Frame::C, f.printItem, f.loadLimit,
                f.displayLimit);
        }

    set(TotalKmSlot, "TotalKm", Kind::Computed, Frame::None, -1);
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
