// A Caraibe roster file read and converted: the reader stops cleanly on anything, and every day
// file the conversion makes is one that the day-file reader takes.
#include "FuzzCheck.h"

#include "core/base/TextFile.h"
#include "core/dayfiles/DayFileReader.h"
#include "core/model/BulletinRecord.h"
#include "core/model/VersoContent.h"
#include "core/roster/CaraibeDayFile.h"
#include "core/roster/CaraibeReader.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(scratchFolder() + QStringLiteral("/kerbo-fuzz-roster-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("ROULEMENT.TXT"));
    FUZZ_CHECK(writeFile(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))),
               QStringLiteral("cannot write the input"));

    const std::optional<EnteteRoulement> header = CaraibeReader::readHeader(path);
    CaraibeDayFile::Target target;
    target.folder = dir.path() + u'/';
    target.lettre = u'A';
    target.roster = header ? header->roster : QStringLiteral("ROUL");
    target.criteria[0] = QStringLiteral("83     EXPR  AS"); // criteria shorter than 17 match none
    target.date = QDate(2026, 12, 4);
    int days = 0;
    CaraibeReader::OuvreFichier_CARAIBE(path, [&](const JourneeCaraibe &day) {
        for (const CaraibeDayFile::DayFile &file : CaraibeDayFile::files(day, target)) {
            QStringList lines;
            BulletinRecord record;
            VersoContent verso;
            FUZZ_CHECK(DayFileReader::splitDayFile(TextFile::joinLines(file.lines), lines)
                           && DayFileReader::parse(lines, false, record, verso),
                       QStringLiteral("day file %1 of the conversion is refused").arg(file.name));
        }
        return ++days < 200;
    });
    return 0;
}
