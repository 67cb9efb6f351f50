// The roster-folder list checked as at every start: the entries whose folder exists stay, in
// order; the current generic folder is forgotten only when it is dropped; the list is never lost.
#include "FuzzCheck.h"

#include "core/AppState.h"
#include "core/base/Cp1252.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/folders/RosterFolderList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The working folder holds A, B and C/D: an input naming them relatively names no folder of
    // the computer (a Windows computer's "D:\Roulements\" reads as such a name here), and is
    // dropped like a folder that is gone; "/" and "/tmp/" are folders that exist.
    static QTemporaryDir dir(scratchFolder() + QStringLiteral("/kerbo-fuzz-roster-XXXXXX"));
    static const bool ready = [] {
        for (const char *f : {"DataBul", "A", "B", "C/D"})
            QDir(dir.path()).mkpath(QLatin1String(f));
        return QDir::setCurrent(dir.path());
    }();
    FUZZ_CHECK(ready, QStringLiteral("no working folder"));

    AppState state;
    state.config.ouestKerbo = Paths::CheckPath(dir.path());
    const QString list = RosterFolderList::listPath(state.config.dataFolder());
    QFile::remove(state.config.iniPath());
    QFile::remove(Paths::join(state.config.dataFolder(), QStringLiteral("ListeDossierTempo.txt")));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(writeFile(list, bytes), QStringLiteral("cannot write the input"));
    const QStringList entries = TextFile::splitLines(Cp1252::fromFileBytes(bytes)); // as read
    QStringList kept, nonEmpty;
    for (const QString &e : entries) {
        if (!e.isEmpty())
            nonEmpty << e;
        if (QDir::isAbsolutePath(e) && QFileInfo(e).isDir()) kept << e;
    }
    FUZZ_CHECK(RosterFolderList::read(state.config.dataFolder()) == nonEmpty,
               QStringLiteral("read"));

    // The generic folder is one of the entries, chosen by the input.
    const QString generic = entries.isEmpty() ? QString() : entries[size % entries.size()];
    state.config.hdGenerique = generic;
    const bool cleared = RosterFolderList::verify(state.config);
    const bool dropped = !generic.isEmpty() && !kept.contains(generic);
    FUZZ_CHECK(cleared == dropped && state.config.hdGenerique == (dropped ? QString() : generic),
               QStringLiteral("generic folder"));
    const TextFile::ReadResult after = TextFile::readLines(list);
    FUZZ_CHECK(after.ok && after.lines == kept, QStringLiteral("kept entries"));
    return 0;
}
