#include "core/roster/CaraibeDayFile.h"

#include "core/base/AtomicFile.h"
#include "core/base/TextFile.h"
#include "core/dayfiles/DayFileLayout.h"
#include "core/dayfiles/DayFileWriter.h"
#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"


namespace CaraibeDayFile {
namespace {

// Task rows 1..4 then shunting rows 1..3 take the activities; the fourth shunting row stays
// empty.
constexpr std::array<int, 7> ActivityRows = {14, 17, 20, 23, 26, 29, 32};
constexpr int LinesPerTrain = int(DayFileLayout::LineOrder.size());
// The verso of a converted day is empty: the lines that the editor's verso fields and markers
// take, in the groups the editor reads them.
constexpr std::array<int, 7> EmptyVersoGroups = {80, 16, 42, 1, 42, 8, 1};

// A day number that would leave the folder or name no file is not written.
bool namesAFile(const QString &number)
{
    return !number.isEmpty() && number != u"." && number != u".." && !number.contains(u'/')
           && !number.contains(u'\\');
}

DayFile dayFile(const QString &name, const JourneeCaraibe &day, const Target &target,
                const QList<TrainCaraibe> &trains, bool withActivities, bool split)
{
    BulletinRecord record;
    record.setServiceDate(target.date);
    record.setSlot(SlotTable::RoulementSlot, target.roster);
    record.setSlot(SlotTable::JourneeSlot, day.nujs.chopped(1));
    record.setSlot(9, day.ldjs);
    record.setSlot(10, day.hdjs);
    record.setSlot(11, day.lfjs);
    record.setSlot(12, day.hfjs);
    record.setSlot(SlotTable::Mark2BSSlot, split ? QStringLiteral("x") : QString());
    if (withActivities)
        for (qsizetype i = 0; i < day.activities.size() && i < qsizetype(ActivityRows.size());
             ++i) {
            const AutreActivite &a = day.activities[i];
            const int row = ActivityRows[size_t(i)];
            record.setSlot(row, a.kind);
            record.setSlot(row + 1, a.start);
            record.setSlot(row + 2, a.end);
        }
    for (qsizetype i = 0; i < trains.size(); ++i) {
        const TrainCaraibe &t = trains[i];
        const ConvertCriteria::TrainCodes codes = ConvertCriteria::match(target.criteria, t.number);
        auto set = [&record, i](int offset, const QString &value) {
            record.setSlot(SlotTable::lineSlot(int(i), offset), value);
        };
        set(SlotTable::NumeroTrain, t.number);
        set(SlotTable::De, t.from);
        set(SlotTable::A, t.to);
        set(SlotTable::HeureDep, t.start);
        set(SlotTable::HeureArr, t.end);
        set(SlotTable::Categ, codes.categ);
        set(SlotTable::IndCompo, codes.indCompo);
        set(SlotTable::AgSeul, codes.agSeul);
    }

    QStringList lines = DayFileWriter::rectoLines(record);
    // A line without a train is 32 empty lines, its marks included.
    for (qsizetype i = trains.size(); i < SlotTable::LineCount; ++i)
        for (int k = 0; k < LinesPerTrain; ++k)
            lines[DayFileLayout::FirstTrainLineIndex + i * LinesPerTrain + k].clear();
    for (int group : EmptyVersoGroups)
        for (int k = 0; k < group; ++k)
            lines << QString();
    // Only the kilometres that are there: the editor puts them on its lines from the first.
    lines << DayFileLayout::DebutKmTrain;
    for (const TrainCaraibe &t : trains)
        if (!t.km.isEmpty())
            lines << t.km;
    lines << DayFileLayout::FinKmTrain;
    return {name, lines};
}

} // namespace

std::optional<QString> unnamableNumber(const JourneeCaraibe &day, const Target &target)
{
    if (day.nujs.isEmpty() || day.nujs.back() != target.lettre) return std::nullopt;
    const QString number = day.nujs.chopped(1);
    if (namesAFile(number)) return std::nullopt;
    return number;
}

QList<DayFile> files(const JourneeCaraibe &day, const Target &target)
{
    if (day.nujs.isEmpty() || day.nujs.back() != target.lettre)
        return {};
    const QString number = day.nujs.chopped(1);
    if (!namesAFile(number))
        return {};
    qsizetype n = 0;
    for (const TrainCaraibe &t : day.trains)
        if (!t.number.isEmpty())
            ++n;
    const QList<TrainCaraibe> trains = day.trains.first(n);
    if (n <= SlotTable::LineCount)
        return {dayFile(number + QStringLiteral(".txt"), day, target, trains, true, false)};
    return {dayFile(number + QStringLiteral(" 1bis.txt"), day, target,
                    trains.first(SlotTable::LineCount), true, true),
            dayFile(number + QStringLiteral(" 2bis.txt"), day, target,
                    trains.sliced(SlotTable::LineCount), false, true)};
}

} // namespace CaraibeDayFile

bool SauveFichier_Caraibe(const JourneeCaraibe &day, const CaraibeDayFile::Target &target,
                          int &count, QString *error)
{
    const QList<CaraibeDayFile::DayFile> files = CaraibeDayFile::files(day, target);
    for (const CaraibeDayFile::DayFile &f : files) {
        // The files go into a folder that takes its final name only once the whole roster is
        // converted, and is synced once then: a failure leaves no folder behind.
        if (!AtomicFile::writeNew(target.folder + f.name, TextFile::joinLines(f.lines), error))
            return false;
    }
    if (!files.isEmpty())
        ++count;
    return true;
}
