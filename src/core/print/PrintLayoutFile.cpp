#include "core/print/PrintLayoutFile.h"

#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/print/PrintLayout.h"

#include <QFileInfo>
#include <QStringList>

namespace PrintLayoutFile {
namespace {

// The file's order of entries: X without the three pitches, then every Y.
struct Entry {
    bool isX;
    int item;
};

std::array<Entry, LineCount> fileOrder()
{
    std::array<Entry, LineCount> order{};
    int line = 0;
    for (int i = 0; i < PrintItems::Count; ++i)
        if (i < PrintItems::CharPitch || i > PrintItems::LinePitchC)
            order[size_t(line++)] = {true, i};
    for (int i = 0; i < PrintItems::Count; ++i)
        order[size_t(line++)] = {false, i};
    static_assert(LineCount - PrintItems::Count == XLineCount);
    return order;
}

} // namespace

QString path(const QString &dataFolder)
{
    return Paths::join(dataFolder, QStringLiteral("ParametresImp.txt"));
}

QStringList lines(const PrintLayout &layout)
{
    QStringList out;
    out.reserve(LineCount);
    for (const Entry &e : fileOrder())
        out << (e.isX ? layout.ParaImpX : layout.ParaImpY)[size_t(e.item)].trimmed();
    return out;
}

void applyLines(PrintLayout &layout, const QStringList &lines)
{
    const auto order = fileOrder();
    const qsizetype n = std::min<qsizetype>(lines.size(), LineCount);
    for (qsizetype l = 0; l < n; ++l) {
        const Entry &e = order[size_t(l)];
        (e.isX ? layout.ParaImpX : layout.ParaImpY)[size_t(e.item)] = lines[l];
    }
}

} // namespace PrintLayoutFile

namespace
{

TextFile::ReadResult readLayout(const QString &dataFolder)
{
    return TextFile::readLines(PrintLayoutFile::path(dataFolder), TextFile::MaxLayoutBytes);
}

// The file's size, last change and status change: a file renamed over it keeps none of them.
QString stampOf(const QString &dataFolder)
{
    const QFileInfo file(PrintLayoutFile::path(dataFolder));
    if (!file.exists()) return QString();
    return QStringLiteral("%1 %2 %3")
        .arg(file.size())
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(file.metadataChangeTime().toMSecsSinceEpoch());
}

} // namespace

bool PrintLayoutFile::existsUnreadable(const QString &dataFolder)
{
    return QFileInfo::exists(path(dataFolder)) && !readLayout(dataFolder).ok;
}

void ChargeParaImp(PrintLayout &layout, const QString &dataFolder)
{
    // Taken before the reading: a change made while it reads is seen at the next use.
    const QString stamp = stampOf(dataFolder);
    const TextFile::ReadResult file = readLayout(dataFolder);
    if (!file.ok) return;
    PrintLayoutFile::applyLines(layout, file.lines);
    layout.fileStamp = stamp;
}

void ensureLoaded(PrintLayout &layout, const QString &dataFolder)
{
    if (!layout.isLoaded() ||
        (!layout.fileStamp.isEmpty() && layout.fileStamp != stampOf(dataFolder)))
        ChargeParaImp(layout, dataFolder);
}

bool SauveParametresImp(const PrintLayout &layout, const QString &dataFolder, QString *error)
{
    return TextFile::writeLines(PrintLayoutFile::path(dataFolder), PrintLayoutFile::lines(layout),
                                error);
}
