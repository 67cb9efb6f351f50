#include "core/form/BoxNames.h"

#include "core/form/VersoGeometry.h"
#include "core/model/SlotTable.h"
#include "core/model/VersoPlacement.h"

#include <array>

namespace BoxNames
{
namespace
{

using namespace SlotTable;

// By offset in a train line, as the column heads of frame C read; the engine columns that
// share one head are told apart.
constexpr std::array<const char16_t *, LineLength> kLine = {u"Fac",
                                                            u"N° du train",
                                                            u"De",
                                                            u"A",
                                                            u"Via",
                                                            u"Evo dép",
                                                            u"Mv dép",
                                                            u"Heure dép",
                                                            u"Heure arr",
                                                            u"Mv arr",
                                                            u"Evo arr",
                                                            u"Gare",
                                                            u"Arr",
                                                            u"Mv",
                                                            u"Dép",
                                                            u"Catég",
                                                            u"Ind. compo",
                                                            u"Ag seul",
                                                            u"Nb véh",
                                                            u"Long",
                                                            u"Masse",
                                                            u"Coef",
                                                            u"Agent en 2nd",
                                                            u"Autre agent",
                                                            u"Nat titulaire",
                                                            u"Engin moteur titulaire",
                                                            u"Nat UM 1",
                                                            u"Engin UM 1",
                                                            u"UM 1 de",
                                                            u"UM 1 à",
                                                            u"Nat UM 2",
                                                            u"Engin UM 2",
                                                            u"UM 2 de",
                                                            u"UM 2 à",
                                                            u"Observations",
                                                            u"Km train"};

// Frames A, B1, B2 (its first row) and B3, by slot.
QString head(int slot)
{
    switch (slot) {
    case 1:
        return QStringLiteral("Nom");
    case 2:
        return QStringLiteral("Prénom");
    case 3:
        return QStringLiteral("Etablissement");
    case 4:
        return QStringLiteral("Résidence");
    case 5:
        return QStringLiteral("Immatriculation");
    case DateSlot:
        return QStringLiteral("Date PS");
    case RoulementSlot:
        return QStringLiteral("Roulement");
    case JourneeSlot:
        return QStringLiteral("Journée");
    case 9:
        return QStringLiteral("Lieu PS");
    case 10:
        return QStringLiteral("Heure PS");
    case 11:
        return QStringLiteral("Lieu FS");
    case 12:
        return QStringLiteral("Heure FS");
    case NonConformeSlot:
        return QStringLiteral("Non conforme");
    case Mark30SCSlot:
        return QStringLiteral("30SC");
    case 51:
        return QStringLiteral("CRLEL");
    case 52:
        return QStringLiteral("CRMP");
    case MarkPanierSlot:
        return QStringLiteral("Panier non utilisé");
    case TicketMetroSlot:
        return QStringLiteral("Ticket de métro");
    case UnitesTelSlot:
        return QStringLiteral("Unités tel");
    case Mark2BSSlot:
        return QStringLiteral("2 BS");
    case TotalKmSlot:
        return QStringLiteral("Total Km");
    default:
        return {};
    }
}

// Frame B2's three tables of four rows, three columns each.
QString shunting(int slot)
{
    static const char16_t *const columns[] = {
        u"Tâche",           u"Début de tâche",     u"Fin de tâche",
        u"Tâche manoeuvre", u"Début de manoeuvre", u"Fin de manoeuvre",
        u"Lieu Mv",         u"Engin de manoeuvre", u"Emt"};
    const int table = (slot - 14) / 12, inTable = (slot - 14) % 12;
    return QString::fromUtf16(columns[table * 3 + inTable % 3]) + u' ' +
           QString::number(inTable / 3 + 1);
}

// Frame D's rows are of six boxes, or seven where a box of item 74 comes first: the row and the
// item of a box are found in the print placement.
QString frameD(int index)
{
    int row = 0, previousItem = 1000;
    for (const VersoPlacement::Place &place : VersoPlacement::places()) {
        if (place.field.text != VersoText::D) continue;
        if (place.item <= previousItem) ++row;
        previousItem = place.item;
        if (place.field.index != index) continue;
        const QString head =
            place.item == 74
                ? QStringLiteral("Texte (2) et (3)")
                : QString::fromUtf16(VersoGeometry::columnHeads(VersoText::D)[place.item - 75]);
        return QStringLiteral("D, ligne %1, %2").arg(row).arg(head);
    }
    return {};
}

QString rowAndColumn(const char *frame, VersoText text, int index)
{
    const QList<const char16_t *> heads = VersoGeometry::columnHeads(text);
    return QStringLiteral("%1, ligne %2, %3")
        .arg(QLatin1String(frame))
        .arg(index / heads.size() + 1)
        .arg(QString::fromUtf16(heads[index % heads.size()]));
}

} // namespace

QString ofVerso(VersoField field)
{
    if (field.index < 0 || field.index >= boxCount(field.text)) return {};
    switch (field.text) {
    case VersoText::D:
        return frameD(field.index);
    case VersoText::E:
        return rowAndColumn("E", field.text, field.index);
    case VersoText::I:
        return rowAndColumn("I", field.text, field.index);
    case VersoText::L:
        return rowAndColumn("L", field.text, field.index);
    case VersoText::NumTrainH:
        return QStringLiteral("H, N° du train");
    case VersoText::ObsMecUP:
        return QStringLiteral("H, UP.Résidence");
    case VersoText::ObsMec:
        return QStringLiteral("H, observations du mécanicien");
    case VersoText::J:
        return QStringLiteral("J, conditions atmosphériques");
    }
    return {};
}

QString of(int slot)
{
    if (info(slot).kind == Kind::Unused) return {};
    if (const int line = lineOf(slot); line >= 0)
        return QStringLiteral("Ligne %1, ").arg(line + 1) +
               QString::fromUtf16(kLine[size_t(offsetOf(slot))]);
    if (slot >= 14 && slot <= 49) return shunting(slot);
    return head(slot);
}

} // namespace BoxNames
