// The automatisme file saved and trimmed of trains from any starting file: what the store holds
// is what the disk holds, a saved train reads back as written, and a removed one is gone.
#include "FuzzCheck.h"

#include "core/automatismes/AutomatismeStore.h"
#include "core/automatismes/Automatismes.h"

#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString text(FuzzedDataProvider &in, size_t max)
{
    const std::string s = in.ConsumeRandomLengthString(max);
    return Cp1252::decode(s.data(), qsizetype(s.size()));
}

// The store as written matches the file as read again from the disk.
void sameAsDisk(AutomatismeStore &store, const QString &number)
{
    AutomatismeStore disk;
    disk.setPath(store.path());
    FUZZ_CHECK(disk.bytes() == store.bytes(), QStringLiteral("the store differs from its file"));
    FUZZ_CHECK(Automatismes::read(disk.ini(), number) == Automatismes::read(store.ini(), number),
               QStringLiteral("train %1 differs between the store and its file").arg(number));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(scratchFolder() + QStringLiteral("/kerbo-fuzz-automatismes-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Automatisme.ini"));
    FuzzedDataProvider in(data, size);
    const std::string start = in.ConsumeRandomLengthString(size);
    FUZZ_CHECK(writeFile(path, QByteArray(start.data(), qsizetype(start.size()))),
               QStringLiteral("cannot write the input"));
    AutomatismeStore store;
    store.setPath(path);

    for (int op = 0; op < 8 && in.remaining_bytes() > 0; ++op) {
        const QString number = text(in, 10);
        const QString trimmed = number.trimmed();
        if (in.ConsumeBool()) {
            Automatismes::Values values;
            for (QString &v : values)
                v = text(in, 8);
            const Automatismes::SaveResult saved = Automatismes::save(store, number, values);
            const bool refused = !Automatismes::refusedNumber(trimmed).isEmpty();
            FUZZ_CHECK(saved.ok == !refused, saved.error);
            if (!saved.ok)
                continue;
            const Automatismes::Values back = Automatismes::read(store.ini(), trimmed);
            for (size_t i = 0; i < values.size(); ++i)
                FUZZ_CHECK(back[i] == readBack(values[i]),
                           QStringLiteral("train %1, key %2: '%3' reads '%4'")
                               .arg(shown(trimmed), Automatismes::keyName(int(i)),
                                    shown(values[i]), shown(back[i])));
            sameAsDisk(store, trimmed);
        } else {
            QString error;
            if (!Automatismes::remove(store, trimmed, &error))
                continue;
            sameAsDisk(store, trimmed);
        }
    }
    return 0;
}
