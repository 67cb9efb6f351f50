// A reference list read, grown and shrunk as its window does: the lines read are the file's
// lines, an added item comes back as one more line with the others untouched, a removal takes
// away exactly the entries named, and a file above a reader's size limit is refused, never cut.
#include "FuzzCheck.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/lists/ListFile.h"

#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(scratchFolder() + QStringLiteral("/kerbo-fuzz-lists-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("ListeGares.txt"));
    FuzzedDataProvider in(data, size);
    // An item without line ends, as typed in the window's box.
    std::string typed = in.ConsumeRandomLengthString(20);
    std::erase_if(typed, [](char c) { return c == '\r' || c == '\n'; });
    const QString item = Cp1252::decode(typed.data(), qsizetype(typed.size()));
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), qsizetype(rest.size()));
    FUZZ_CHECK(writeFile(path, bytes), QStringLiteral("cannot write the input"));

    // A limit at a quarter of the file below its size, so that refusals are tried too.
    const qint64 limit = bytes.size() - bytes.size() / 4;
    const TextFile::ReadResult capped = TextFile::readLines(path, limit);
    FUZZ_CHECK(capped.ok == (bytes.size() <= limit), QStringLiteral("size limit"));
    FUZZ_CHECK(capped.ok || (capped.lines.isEmpty() && !capped.error.isEmpty()),
               QStringLiteral("refusal"));

    // A file is read as the code page: one saved in UTF-8 comes converted.
    const auto asRead = [](const QByteArray &file) { return Cp1252::fromFileBytes(file); };
    const ListFile::Content read = ListFile::read(path);
    FUZZ_CHECK(read.readable && read.bytes == asRead(bytes), QStringLiteral("read"));
    const QStringList lines = TextFile::splitLines(asRead(bytes));
    FUZZ_CHECK(read.lines == lines, QStringLiteral("lines"));

    QString error;
    FUZZ_CHECK(ListFile::append(path, item, &error), error);
    const ListFile::Content grown = ListFile::read(path);
    // The item comes back as one more line, unless the code page's bytes now read as UTF-8
    // ("Ã©" typed becomes "é"), which the reading takes them for.
    const QByteArray written = ListFile::appended(asRead(bytes), item);
    FUZZ_CHECK(
        grown.lines == TextFile::splitLines(asRead(written)) &&
            (asRead(written) != written || grown.lines == lines + QStringList{item}),
        QStringLiteral("after adding '%1': %2").arg(item, firstDifference(bytes, grown.bytes)));

    // Removed at commas, as the list window does; what is left are the other non-empty entries.
    QStringList kept;
    int named = 0;
    for (const QString &line : grown.lines)
        for (const QString &entry : line.split(u','))
            if (entry == item)
                ++named;
            else if (!entry.isEmpty())
                kept << entry;
    FUZZ_CHECK(ListFile::remove(path, item, true, &error) == named, error);
    const QByteArray keptBytes = TextFile::joinLines(kept);
    FUZZ_CHECK(
        ListFile::read(path).lines ==
            (asRead(keptBytes) == keptBytes ? kept : TextFile::splitLines(asRead(keptBytes))),
        QStringLiteral("after removing '%1'").arg(item));
    return 0;
}
