// A reference list file read and written back: the same lines come back, and a file above the
// readers' size limit is refused, never cut.
#include "FuzzCheck.h"

#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(scratchFolder() + QStringLiteral("/kerbo-fuzz-lists-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("ListeGares.txt"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(writeFile(path, bytes), QStringLiteral("cannot write the input"));
    // A limit at a quarter of the input, so that refusals are tried too.
    const qint64 limit = qint64(size) - qint64(size / 4);
    const TextFile::ReadResult read = TextFile::readLines(path, limit);
    FUZZ_CHECK(read.ok == (qint64(size) <= limit), QStringLiteral("size limit"));
    if (!read.ok) {
        FUZZ_CHECK(read.lines.isEmpty() && !read.error.isEmpty(), QStringLiteral("refusal"));
        return 0;
    }
    FUZZ_CHECK(read.lines == TextFile::splitLines(bytes), QStringLiteral("lines"));

    QString error;
    FUZZ_CHECK(TextFile::writeLines(path, read.lines, &error), error);
    const TextFile::ReadResult again = TextFile::readLines(path);
    FUZZ_CHECK(again.ok && again.lines == read.lines,
               QStringLiteral("a written list reads back differently"));
    return 0;
}
