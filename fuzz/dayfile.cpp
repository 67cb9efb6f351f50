// A day file read, written and read again: whatever the reader accepts, the writer writes back
// so that it reads the same (but for a mark other than "x", which the format cannot hold), and
// from then on a file is the same when read and written.
#include "FuzzCheck.h"

#include "core/dayfiles/DayFileReader.h"
#include "core/dayfiles/DayFileWriter.h"
#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"
#include "core/model/VersoContent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool evEnLoc = size > 0 && (data[size - 1] & 1);
    QStringList lines;
    BulletinRecord read;
    VersoContent verso;
    if (!DayFileReader::splitDayFile(bytes, lines)
        || !DayFileReader::parse(lines, evEnLoc, read, verso))
        return 0;

    // What the program writes, it reads back.
    auto readBack = [evEnLoc](const QByteArray &written, BulletinRecord &record,
                              VersoContent &content) {
        QStringList again;
        FUZZ_CHECK(DayFileReader::splitDayFile(written, again)
                       && DayFileReader::parse(again, evEnLoc, record, content),
                   QStringLiteral("a written day file is refused"));
    };
    BulletinRecord reread;
    VersoContent rereadVerso;
    readBack(DayFileWriter::bytes(read, verso), reread, rereadVerso);
    const QByteArray rewritten = DayFileWriter::bytes(reread, rereadVerso);
    BulletinRecord third;
    VersoContent thirdVerso;
    readBack(rewritten, third, thirdVerso);
    const QByteArray last = DayFileWriter::bytes(third, thirdVerso);
    FUZZ_CHECK(last == rewritten && thirdVerso == rereadVerso,
               QStringLiteral("a written day file changes when read and written again, ") +
                   firstDifference(rewritten, last));

    FUZZ_CHECK(reread.serviceDate() == read.serviceDate(), QStringLiteral("date"));
    for (int slot = 7; slot <= 272; ++slot) {
        QString expected = read.slot(slot);
        if (SlotTable::isMark(slot)) {
            if (expected != u"x")
                expected.clear(); // marks are written "1" / "0", any other text as an empty line
        }
        FUZZ_CHECK(reread.slot(slot) == expected,
                   QStringLiteral("slot %1: '%2' read back as '%3'")
                       .arg(slot)
                       .arg(expected, reread.slot(slot)));
    }
    FUZZ_CHECK(rereadVerso == verso, QStringLiteral("verso"));
    return 0;
}
