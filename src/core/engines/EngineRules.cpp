#include "core/engines/EngineRules.h"

#include "core/base/NumberText.h"
#include "core/config/Config.h"
#include "core/model/BulletinRecord.h"
#include "core/model/EngineText.h"
#include "core/model/SlotTable.h"

namespace EngineRules
{

using namespace SlotTable;

namespace
{

const QString Traction = QStringLiteral("T");
const QString MultipleUnit = QStringLiteral("UM");

bool filled(const QString &text)
{
    return !text.trimmed().isEmpty();
}

QString lineText(const EngineParts &p)
{
    return p.letter + u' ' + p.number + u' ' + p.code;
}

// NbVeh of a self-propelled line: vehicles of one unit times the units running in it.
void countVehicles(BulletinRecord &record, int line, const Options &options)
{
    const int units = 1 + int(filled(record.slot(lineSlot(line, EnginUm1)))) +
                      int(filled(record.slot(lineSlot(line, EnginUm2))));
    // Counted wide: the count of the options may be as large as an int holds.
    record.setSlot(lineSlot(line, NbVeh), QString::number(qint64(options.nbvhe) * units));
}

void carryOver(BulletinRecord &record, int slot, const Options &options, bool twins)
{
    const int line = lineOf(slot);
    if (line < 1) return;
    const QString titu = record.slot(lineSlot(line - 1, EnginTitu));
    const QString um1 = record.slot(lineSlot(line - 1, EnginUm1));
    const QString um2 = record.slot(lineSlot(line - 1, EnginUm2));
    QString engines[3]; // EnginTitu, EnginUm1, EnginUm2 of the line
    int count = 0;
    if (filled(titu) && !filled(um1) && !filled(um2)) {
        engines[0] = titu;
        count = 1;
    } else if (filled(titu) && filled(um1) && !filled(um2)) {
        engines[0] = um1;
        engines[1] = titu;
        count = 2;
    } else if (filled(titu) && filled(um1) && filled(um2)) {
        engines[0] = um2;
        engines[1] = um1;
        engines[2] = titu;
        count = 3;
    } else {
        return;
    }

    constexpr int engineOffsets[3] = {EnginTitu, EnginUm1, EnginUm2};
    constexpr int natureOffsets[3] = {Nat1, Nat2, Nat3};
    for (int i = 0; i < 3; ++i) {
        const int target = lineSlot(line, engineOffsets[i]);
        QString text = engines[i];
        if (twins && options.enaut == 1 && i < count) {
            EngineParts p = ExtractEngin(text, target, options.enaut, options.lettreAutom);
            // The twin number keeps its leading blank: it separates it from the letter.
            text = p.letter + parite_Autom(p.number) + u' ' + p.code;
        }
        record.setSlot(target, text);
        if (i < count)
            record.setSlot(lineSlot(line, natureOffsets[i]), i == 0 ? Traction : MultipleUnit);
    }
    if (!twins) return;
    const QString &from = record.slot(lineSlot(line, De));
    const QString &to = record.slot(lineSlot(line, A));
    if (count >= 2) {
        record.setSlot(lineSlot(line, De2Um1), from);
        record.setSlot(lineSlot(line, A2Um1), to);
    }
    if (count == 3) {
        record.setSlot(lineSlot(line, De2Um2), from);
        record.setSlot(lineSlot(line, A2Um2), to);
    }
}

// `typed`: the driver has just changed the slot's text, and its code part (or the lack of one)
// is the code. Otherwise a shunting engine already in its normalised form keeps the code of the
// slot after it: the form holds no code, the code slot does.
bool normalise(BulletinRecord &record, int slot, const Options &options, bool typed)
{
    if (!isEngine(slot) || !filled(record.slot(slot))) return false;
    EngineParts p = ExtractEngin(record.slot(slot), slot, options.enaut, options.lettreAutom);
    const bool shunting = isShuntingEngine(slot);
    const QString before = record.slot(slot);
    if (shunting && !typed && p.code.isEmpty() && p.letter + p.number == before
        && !record.slot(slot + 1).isEmpty())
        return false;
    if (p.code.isEmpty() && !p.number.isEmpty() && options.enaut == 1) p.code = options.emtaut;
    if (shunting) {
        const QString code = record.slot(slot + 1);
        record.setSlot(slot, p.letter + p.number);
        record.setSlot(slot + 1, p.code);
        return before != record.slot(slot) || code != p.code;
    }
    record.setSlot(slot, lineText(p));
    return before != record.slot(slot);
}

} // namespace

QString parite_Autom(const QString &number)
{
    if (number.isEmpty()) return number;
    const QChar last = number.back();
    if (last < u'0' || last > u'9') return number;
    const double value = NumberText::leadingNumber(number) + ((last.unicode() - u'0') % 2 ? 1 : -1);
    const QString text = NumberText::shortest(value);
    return value >= 0 ? u' ' + text : text;
}

bool Traitement_Engins(BulletinRecord &record, int slot, const Options &options)
{
    return normalise(record, slot, options, false);
}

QString normalisedForm(const QString &text, int slot, const Options &options)
{
    if (!filled(text)) return text;
    EngineParts p = ExtractEngin(text, slot, options.enaut, options.lettreAutom);
    if (isShuntingEngine(slot)) return p.letter + p.number;
    if (p.code.isEmpty() && !p.number.isEmpty() && options.enaut == 1) p.code = options.emtaut;
    return lineText(p);
}

void engineEntered(BulletinRecord &record, int slot, const Options &options)
{
    const int line = lineOf(slot);
    const int offset = offsetOf(slot);
    if (offset == EnginTitu) {
        const int nat1 = lineSlot(line, Nat1);
        if (options.enaut == 1) {
            record.setSlot(nat1, Traction);
            countVehicles(record, line, options);
            record.setSlot(lineSlot(line, IndCompo), options.indCompo);
        } else if (!filled(record.slot(slot))) {
            record.setSlot(nat1, QString());
        } else if (record.slot(nat1).isEmpty()) {
            record.setSlot(nat1, Traction);
        }
    } else if (offset == EnginUm1 || offset == EnginUm2) {
        record.setSlot(lineSlot(line, offset == EnginUm1 ? Nat2 : Nat3), MultipleUnit);
        if (options.enaut == 1) countVehicles(record, line, options);
    }
    normalise(record, slot, options, true);
}

void Change_ParitEngin(BulletinRecord &record, int slot, const Options &options)
{
    carryOver(record, slot, options, true);
}

void takePreviousEngines(BulletinRecord &record, int slot, const Options &options)
{
    carryOver(record, slot, options, false);
}

} // namespace EngineRules
