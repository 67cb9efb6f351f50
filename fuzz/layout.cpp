// ParametresImp.txt read, written and read again: values come back trimmed, and a written file
// reads back to the same layout.
#include "FuzzCheck.h"

#include "core/base/TextFile.h"
#include "core/calibration/PrintParamsTransfer.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintLayoutFile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    PrintLayout read;
    read.DefautParaImp();
    read.DefautParaImpVerso();
    const PrintLayout factory = read;
    PrintLayoutFile::applyLines(read, TextFile::splitLines(bytes));

    const QByteArray written = TextFile::joinLines(PrintLayoutFile::lines(read));
    PrintLayout reread = factory;
    PrintLayoutFile::applyLines(reread, TextFile::splitLines(written));
    // Whatever it says, the import's check reads the bytes safely; a file it takes is one
    // that the layout reads whole.
    if (PrintParamsTransfer::isLayoutFile(bytes))
        FUZZ_CHECK(TextFile::splitLines(bytes).size() >= PrintLayoutFile::XLineCount &&
                       bytes.size() <= PrintParamsTransfer::MaxFileSize,
                   QStringLiteral("the import takes a file that is not a layout"));
    FUZZ_CHECK(TextFile::joinLines(PrintLayoutFile::lines(reread)) == written,
               QStringLiteral("a written layout changes when read and written again"));
    for (int item = 0; item < PrintItems::Count; ++item) {
        const bool pitch = item >= PrintItems::CharPitch && item <= PrintItems::LinePitchC;
        // The pitches have no X in the file: theirs stays as it was.
        FUZZ_CHECK(reread.ParaImpX[size_t(item)]
                       == (pitch ? factory.ParaImpX[size_t(item)]
                                 : read.ParaImpX[size_t(item)].trimmed()),
                   QStringLiteral("X of item %1").arg(item));
        FUZZ_CHECK(reread.ParaImpY[size_t(item)] == read.ParaImpY[size_t(item)].trimmed(),
                   QStringLiteral("Y of item %1").arg(item));
        FUZZ_CHECK(std::isfinite(reread.x(item)) && std::isfinite(reread.y(item)),
                   QStringLiteral("item %1 is not a finite number").arg(item));
    }
    return 0;
}
