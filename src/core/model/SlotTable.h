#pragma once

#include <QString>

#include <array>

// What each of the 327 slots of the bulletin is. Slot numbers are the identity of the fields:
// the day file, the print layout and the editor's movement are all defined in slot numbers.
namespace SlotTable {

constexpr int SlotCount = 327;
constexpr int FirstLineSlot = 57; // frame C starts with line 1's Fac
constexpr int LineLength = 36;
constexpr int LineCount = 6;
constexpr int LastLineSlot = 272; // line 6's KmTrain
constexpr int TotalKmSlot = 326;
constexpr int DateSlot = 6;
constexpr int FirstTrainNumberSlot = 58;

// Named slots of frames A, B2 and B3.
constexpr int CartoucheFirstSlot = 1; // Nom, Prenom, Etablissement, Residence, Immatriculation
constexpr int CartoucheLastSlot = 5;
constexpr int RoulementSlot = 7;
constexpr int JourneeSlot = 8;
constexpr int NonConformeSlot = 13;
constexpr int Mark30SCSlot = 50;
constexpr int MarkPanierSlot = 53; // last of the marks 50..53 that typing ticks
constexpr int TicketMetroSlot = 54;
constexpr int UnitesTelSlot = 55;
constexpr int Mark2BSSlot = 56;
// The engine of each of the four shunting rows of frame B2 (EnginMa).
constexpr std::array<int, 4> ShuntingEngineSlots = {39, 42, 45, 48};

enum class Kind { Unused, Date, Text, Mark, Engine, Computed };
enum class Frame { None, A, B1, B2, B3, C };

// How a slot's text lands on the printed recto, at its print item(s).
enum class Placement {
    None,   // not printed
    Whole,  // the text in one piece at the item
    Chars,  // one character per box of the form, at most `printLimit` when it is not 0
    Engine, // letter at printItem, number in the boxes of numberItem, code in those of codeItem
};

// Offsets inside a train line.
enum LineOffset {
    Fac = 0, NumeroTrain, De, A, Via, EvoDep, MvDep, HeureDep, HeureArr, MvArr, EvoArr, Gare,
    HeureArr2, Mv, HeureDep2, Categ, IndCompo, AgSeul, NbVeh, Long, Masse, Coef, AgentEnSecond,
    AutreAgent, Nat1, EnginTitu, Nat2, EnginUm1, De2Um1, A2Um1, Nat3, EnginUm2, De2Um2, A2Um2,
    Observation, KmTrain
};

struct SlotInfo {
    const char *name = "";  // the field's name, "" for unused slots
    Kind kind = Kind::Unused;
    Frame frame = Frame::None;
    int loadLimit = 0;      // characters kept by the day-file reader, 0 = whole
    int displayLimit = 0;   // characters kept by the on-screen refresh, 0 = whole
    int printItem = -1;     // first print layout item of the field, -1 = not printed
    Placement placement = Placement::None;
    int printLimit = 0;     // characters printed (Chars), 0 = all
    int numberItem = -1;    // Engine: the items of the number and of the depot code
    int codeItem = -1;
    int b2Row = -1;         // row 0..3 of the tables of frame B2, -1 elsewhere
};

bool isValid(int slot);
// The description of a slot; an invalid slot number gives the description of an unused slot.
const SlotInfo &info(int slot);

bool isMark(int slot);
bool isEngine(int slot);
bool isTrainNumber(int slot); // 58, 94, 130, 166, 202, 238
bool isShuntingEngine(int slot); // 39, 42, 45, 48
// The marks that typing ticks (13 and 50..53) rather than a click.
bool isTypedMark(int slot);

// Line addressing: line 0..5, offset 0..35.
constexpr int lineSlot(int line, int offset) { return FirstLineSlot + LineLength * line + offset; }
// -1 when the slot is outside frame C.
int lineOf(int slot);
int offsetOf(int slot);

// First and last slot of a frame (A 1..8, B1 9..12, B2 13..49, B3 50..56, C 57..272).
int frameFirst(Frame frame);
int frameLast(Frame frame);
Frame frameOf(int slot);

} // namespace SlotTable
