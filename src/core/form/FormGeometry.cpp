#include "core/form/FormGeometry.h"

#include "core/model/PrintItems.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace FormGeometry {
namespace {

using SlotTable::Frame;

constexpr double BoxHeight = 5.2;
constexpr double CaptionHeight = 2.8;
constexpr double TextLead = 1.0;  // the print position is the text's top; the box starts above
constexpr double TextInset = 0.6; // and a little to its left

// KmTrain is not printed on the recto; its box takes the free place of the first row, over the
// boxes of De2Um1.
constexpr double KmTrainX = 236.4;

using PrintItems::factoryX;
using PrintItems::factoryY;

// A field printed one character per box starts its first character one pitch right of its
// print position (the paper's boxes begin there); its box on the picture begins a little
// before that character, so the characters printed at the factory pitch fall inside it.
constexpr double CharLead = 1.0;

// Width of the box of each print item, up to the next column of the form (or the edge of the
// frame) from where the box begins.
double itemWidth(int item)
{
    switch (item) {
    case 1: case 2: return 44;
    case 3: return 18;
    case 4: return 15;
    case 5: return 31;
    case 6: return 27;
    case 7: return 17;
    case 8: return 12.5;
    case 9: case 10: case 11: case 12: return 21.1;
    case 14: case 17: return 30;
    case 15: case 16: case 18: return 17;
    case 19: return 17.2;
    case 58: return 13;
    case 59: return 25;
    case 60: return 12;
    case 24: return 14;
    case 25: return 21.3;
    case 27: return 3.2;
    case 28: return 29.5;
    case 29: case 30: case 61: return 21.6;
    case 31: return 13.5;
    case 32: return 8;
    case 33: return 13.3;
    case 34: return 17.7;
    case 35: case 62: case 64: return 17.2;
    case 36: case 63: return 13.2;
    case 37: return 10.6;
    case 38: return 13.1;
    case 39: return 21.8;
    case 40: case 41: return 8.8;
    case 44: case 45: case 68: return 9.2;
    case 56: case 57: case 69: return 45;
    case 50: case 72: return 21.3;
    case 51: case 73: return 8.7;
    case 65: case 66: return 17.4;
    case 67: return 15;
    default: return 3.8; // the tick boxes
    }
}

QRectF computeBox(int slot)
{
    using namespace SlotTable;
    if (slot == TotalKmSlot)
        return QRectF(KmTrainX - TextInset, 213.0, 33.0, 6.0);
    if (slot < 1 || slot > LastLineSlot)
        return QRectF();
    const int line = lineOf(slot);
    const double lineOffset = line >= 0 ? line * factoryY(PrintItems::LinePitchC) : 0;
    if (line >= 0 && offsetOf(slot) == KmTrain) {
        const double y = factoryY(28) + lineOffset;
        return QRectF(KmTrainX + factoryY(PrintItems::CharPitch) - CharLead, y - TextLead, 21.3,
                      BoxHeight);
    }
    const SlotInfo &i = info(slot);
    const double rowOffset = i.b2Row > 0 ? i.b2Row * factoryY(PrintItems::RowPitchB2) : 0;
    const double y = factoryY(i.printItem) + lineOffset + rowOffset;
    const double left = i.placement == Placement::Chars
                            ? factoryX(i.printItem) + factoryY(PrintItems::CharPitch) - CharLead
                            : factoryX(i.printItem) - TextInset;
    return QRectF(left, y - TextLead, itemWidth(i.printItem), BoxHeight);
}

const std::array<QRectF, SlotTable::SlotCount> &boxes()
{
    static const auto table = [] {
        std::array<QRectF, SlotTable::SlotCount> t{};
        for (int s = 0; s < SlotTable::SlotCount; ++s)
            t[size_t(s)] = computeBox(s);
        return t;
    }();
    return table;
}

QList<Caption> buildCaptions()
{
    QList<Caption> c;
    auto add = [&c](double x, double y, double w, double h, const char16_t *text,
                    bool vertical = false, bool bold = false) {
        c.append({QRectF(x, y, w, h), QString::fromUtf16(text), vertical, bold});
    };
    // A column head as wide as the box below it, its bottom at `y` + CaptionHeight.
    auto over = [&c](int slot, double y, const char16_t *text) {
        const QRectF box = slotBox(slot);
        c.append({QRectF(box.left(), y, box.width(), CaptionHeight), QString::fromUtf16(text)});
    };
    // Frame A.
    add(2.5, 2.2, 40, 3, u"BULLETIN DE SERVICE", false, true);
    add(48, 5.5, 11, 4.5, u"NOM");
    add(48, 11.5, 11, 4.5, u"PRENOM");
    over(3, 5.2, u"Etablissement");
    over(4, 5.2, u"Résidence");
    over(5, 5.2, u"Immatriculation");
    over(6, 5.2, u"Date PS");
    over(7, 5.2, u"Roulement");
    over(8, 5.2, u"Journée");
    // Frame B1.
    add(2.5, 23.6, 36, 3, u"B1", false, true);
    add(2.5, 28.5, 12, 5, u"Lieu PS");
    add(2.5, 34.5, 12, 5, u"Heure PS");
    add(2.5, 40.1, 12, 5, u"Lieu FS");
    add(2.5, 45.9, 12, 5, u"Heure FS");
    // Frame B2: the column heads of the three tables, over the boxes of their first row.
    add(41.0, 38.0, 4.2, 14.0, u"Non conforme", true); // clear of the frame's bottom line
    const double b2Heads = 25.0;
    over(14, b2Heads, u"Tâches");
    over(15, b2Heads, u"Début");
    over(16, b2Heads, u"Fin");
    over(26, b2Heads, u"Tâches / Manoeuvre");
    over(27, b2Heads, u"Début");
    over(28, b2Heads, u"Fin");
    over(38, b2Heads, u"Lieu Mv");
    over(39, b2Heads, u"Engin de manoeuvre");
    over(40, b2Heads, u"Emt");
    // Frame B3.
    add(239.0, 28.0, 21.0, 5, u"Panier non utilisé");
    add(239.0, 37.1, 20.5, 5, u"Ticket de  métro");
    add(239.0, 45.1, 15.2, 5, u"Unites tel");
    // The instructor's column, a millimetre clear of the boxes on its left.
    add(277.3, 23.4, 13.2, 2.7, u"Instructeur:");
    add(277.3, 26.2, 13.2, 5, u"CRLEL");
    add(277.3, 31.9, 13.2, 5, u"CRMP");
    add(277.3, 39.5, 13.2, 5, u"30SC");
    add(277.3, 47.2, 13.2, 5, u"2 BS");
    // Frame C, as the head of the form's first train line: each caption stands over the row it
    // names. The first row's captions head the frame; the engine columns serve the three rows
    // (the holder, then the units in multiple working); the third row's captions take the free
    // left part of the second row, right above their boxes.
    using namespace SlotTable;
    const double firstRow = 58.8, thirdRow = 70.8;
    for (auto [offset, text] : std::initializer_list<std::pair<int, const char16_t *>>{
             {NumeroTrain, u"N° du train"}, {De, u"De"}, {A, u"A"}, {Via, u"Via"},
             {EvoDep, u"Evo dép"}, {MvDep, u"Mv dép"}, {HeureDep, u"Heure dép"},
             {HeureArr, u"Heure arr"}, {MvArr, u"Mv arr"}, {EvoArr, u"Evo arr"}, {Nat1, u"Nat"},
             {EnginTitu, u"Engin moteur titulaire, UM 1, UM 2"}, {KmTrain, u"Km train / De"},
             {A2Um1, u"A"}})
        over(lineSlot(0, offset), firstRow, text);
    // "Fac" keeps clear of the frame's thick line, whose width grows with the scale, and may
    // reach over to the train number's caption.
    const double facLeft = frameRect(Frame::C).left() + 1.2;
    add(facLeft, firstRow, slotBox(lineSlot(0, NumeroTrain)).left() - 0.5 - facLeft, CaptionHeight,
        u"Fac");
    for (auto [offset, text] : std::initializer_list<std::pair<int, const char16_t *>>{
             {Gare, u"Gare"}, {HeureArr2, u"Arr"}, {Mv, u"Mv"}, {HeureDep2, u"Dép"},
             {Categ, u"Catég"}, {IndCompo, u"Ind. compo"}, {AgSeul, u"Ag seul"},
             {NbVeh, u"Nb véh"}, {Long, u"Long"}, {Masse, u"Masse"}, {Coef, u"Coef"}})
        over(lineSlot(0, offset), thirdRow, text);
    // The tick boxes of the right column of every line.
    for (int line = 0; line < SlotTable::LineCount; ++line) {
        const double dy = line * factoryY(PrintItems::LinePitchC);
        add(270.5, factoryY(52) - TextLead + dy, 18, BoxHeight, u"Observations");
        add(270.5, factoryY(42) - TextLead + dy, 18, BoxHeight, u"Agent en 2nd");
        add(270.5, factoryY(43) - TextLead + dy, 18, BoxHeight, u"Autre agent");
    }
    add(205.0, 213.5, 30, 5.5, u"TOTAL Km", false, true);
    return c;
}

} // namespace

QRectF slotBox(int slot)
{
    return SlotTable::isValid(slot) ? boxes()[size_t(slot)] : QRectF();
}

int slotAt(const QPointF &mm)
{
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s)
        if (boxes()[size_t(s)].contains(mm))
            return s;
    return 0;
}

QRectF frameRect(Frame frame)
{
    switch (frame) {
    case Frame::A: return QRectF(1.5, 1.5, 294, 16.5);
    case Frame::B1: return QRectF(1.5, 23, 38.5, 30);
    case Frame::B2: return QRectF(40.5, 23, 197.3, 30);
    case Frame::B3: return QRectF(238.3, 23, 57.2, 30);
    case Frame::C: return QRectF(1.5, 53, 294, 159.6);
    case Frame::None: break;
    }
    return QRectF();
}

const QList<Caption> &captions()
{
    static const QList<Caption> list = buildCaptions();
    return list;
}

QRectF rosterListBox() { return QRectF(2.5, 6.0, 42, 5.6); }
QRectF mentionBox() { return QRectF(254.5, 8.7, 36, 5.2); }

Scale scaleFor(EditorLayout layout)
{
    switch (layout) {
    case EditorLayout::Editor800: return {2.33, 3.7, 98, 10};
    case EditorLayout::LargeFont: return {3.0, 3.9, 116, 12};
    default: return {3.0, 3.6, 116, 12};
    }
}

double fittedScale(double availableWidth, double availableHeight, double layoutScale)
{
    const double fitting = std::min(availableWidth / WidthMm, availableHeight / HeightMm);
    // Hundredths of a pixel per millimetre: a window resized by a pixel or two draws nothing again.
    return std::max(layoutScale * MinimumFitShare, std::floor(fitting * 100.0) / 100.0);
}

} // namespace FormGeometry
