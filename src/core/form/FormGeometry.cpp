#include "core/form/FormGeometry.h"

#include "core/model/PrintItems.h"

#include <array>

namespace FormGeometry {
namespace {

using SlotTable::Frame;

constexpr double BoxHeight = 5.2;
constexpr double TextLead = 1.0;  // the print position is the text's top; the box starts above
constexpr double TextInset = 0.6; // and a little to its left

// KmTrain is not printed on the recto; its box takes the free place of the first row.
constexpr double KmTrainX = 236.4;

using PrintItems::factoryX;
using PrintItems::factoryY;

// Width of the box of each print item, up to the next column of the form.
double itemWidth(int item)
{
    switch (item) {
    case 1: case 2: return 44;
    case 3: return 18;
    case 4: return 15;
    case 5: return 22;
    case 6: return 24;
    case 7: return 17;
    case 8: return 15;
    case 9: case 10: case 11: case 12: return 24;
    case 14: case 17: return 30;
    case 15: case 16: case 18: return 17;
    case 19: return 16;
    case 58: return 13;
    case 59: return 25;
    case 60: return 12;
    case 24: return 14;
    case 25: return 23;
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
    case 44: case 45: case 68: return 12.6;
    case 56: case 57: case 69: return 41.2;
    case 50: case 72: return 21.3;
    case 51: case 73: return 12;
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
        return QRectF(KmTrainX - TextInset, y - TextLead, 21.3, BoxHeight);
    }
    const SlotInfo &i = info(slot);
    const double rowOffset = i.b2Row > 0 ? i.b2Row * factoryY(PrintItems::RowPitchB2) : 0;
    const double x = factoryX(i.printItem);
    const double y = factoryY(i.printItem) + lineOffset + rowOffset;
    return QRectF(x - TextInset, y - TextLead, itemWidth(i.printItem), BoxHeight);
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
    // Frame A.
    add(2.5, 2.2, 40, 3, u"BULLETIN DE SERVICE", false, true);
    add(48, 5.5, 11, 4.5, u"NOM");
    add(48, 11.5, 11, 4.5, u"PRENOM");
    add(107.3, 3.8, 19, 3, u"Etablissement");
    add(126.4, 3.8, 16, 3, u"Résidence");
    add(142.3, 3.8, 22, 3, u"Immatriculation");
    add(185.5, 3.8, 24, 3, u"Date PS");
    add(219.0, 3.8, 18, 3, u"Roulement");
    add(237.9, 3.8, 16, 3, u"Journée");
    // Frame B1.
    add(2.5, 23.6, 36, 3, u"B1", false, true);
    add(2.5, 28.5, 12, 5, u"Lieu PS");
    add(2.5, 34.5, 12, 5, u"Heure PS");
    add(2.5, 40.1, 12, 5, u"Lieu FS");
    add(2.5, 45.9, 12, 5, u"Heure FS");
    // Frame B2: the column heads of the three tables.
    add(41.2, 38.4, 4.4, 14.2, u"Non conforme", true);
    add(45.3, 24.8, 30, 3, u"Tâches");
    add(76.6, 24.8, 17, 3, u"Début");
    add(94.6, 24.8, 17, 3, u"Fin");
    add(114.4, 24.8, 30, 3, u"Tâches / Manoeuvre");
    add(145.5, 24.8, 17, 3, u"Début");
    add(163.5, 24.8, 16, 3, u"Fin");
    add(181.0, 24.8, 13, 3, u"Lieu Mv");
    add(195.2, 24.8, 25, 3, u"Engin de manoeuvre");
    add(221.4, 24.8, 12, 3, u"Emt");
    // Frame B3.
    add(238.5, 28.0, 22, 5, u"Panier non utilisé");
    add(238.5, 37.1, 21.5, 5, u"Ticket de  métro");
    add(238.5, 45.1, 12.5, 5, u"Unites tel");
    add(276.5, 23.4, 14, 3, u"Instructeur:");
    add(276.5, 26.2, 14, 5, u"CRLEL");
    add(276.5, 31.9, 14, 5, u"CRMP");
    add(276.5, 39.5, 14, 5, u"30SC");
    add(276.5, 47.2, 14, 5, u"2 BS");
    // Frame C: one head row per row of a train line.
    const double r1 = 53.4, r2 = 56.2, r3 = 59.0, h = 2.7;
    add(3.2, r1, 5, h, u"Fac");
    add(7.5, r1, 29.5, h, u"N° du train");
    add(37.8, r1, 21.6, h, u"De");
    add(60.0, r1, 21.6, h, u"A");
    add(82.2, r1, 13.5, h, u"Via");
    add(96.5, r1, 8.5, h, u"Evo dép");
    add(105.3, r1, 13.3, h, u"Mv dép");
    add(119.3, r1, 17.7, h, u"Heure dép");
    add(137.7, r1, 17.2, h, u"Heure arr");
    add(155.6, r1, 13.2, h, u"Mv arr");
    add(169.4, r1, 10.6, h, u"Evo arr");
    add(180.7, r1, 12.6, h, u"Nat");
    add(194.0, r1, 41.2, h, u"Engin moteur titulaire");
    add(235.8, r1, 21.3, h, u"Km train");
    add(180.7, r2, 12.6, h, u"Nat");
    add(194.0, r2, 41.2, h, u"Engin moteur UM 1");
    add(235.8, r2, 21.3, h, u"De");
    add(257.7, r2, 12, h, u"A");
    add(1.8, r3, 21.6, h, u"Gare");
    add(24.3, r3, 17.2, h, u"Arr");
    add(42.2, r3, 13.2, h, u"Mv");
    add(56.0, r3, 17.2, h, u"Dép");
    add(73.8, r3, 13.1, h, u"Catég");
    add(87.6, r3, 21.8, h, u"Ind. compo");
    add(110.1, r3, 8.8, h, u"Ag seul");
    add(119.6, r3, 8.8, h, u"Nb véh");
    add(129.0, r3, 17.4, h, u"Long");
    add(147.0, r3, 17.4, h, u"Masse");
    add(165.0, r3, 15, h, u"Coef");
    add(180.7, r3, 12.6, h, u"Nat");
    add(194.0, r3, 41.2, h, u"Engin moteur UM 2");
    add(235.8, r3, 21.3, h, u"De");
    add(257.7, r3, 12, h, u"A");
    // The tick boxes of the right column of every line.
    for (int line = 0; line < SlotTable::LineCount; ++line) {
        const double dy = line * factoryY(PrintItems::LinePitchC);
        add(270.5, factoryY(52) - TextLead + dy, 18, BoxHeight, u"Observations");
        add(270.5, factoryY(42) - TextLead + dy, 18, BoxHeight, u"Agent en 2nd");
        add(270.5, factoryY(43) - TextLead + dy, 18, BoxHeight, u"Autre agent");
    }
    add(205.0, 213.0, 30, 6, u"TOTAL Km", false, true);
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
    case Frame::B2: return QRectF(40.5, 23, 195.5, 30);
    case Frame::B3: return QRectF(237.5, 23, 58, 30);
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

} // namespace FormGeometry
