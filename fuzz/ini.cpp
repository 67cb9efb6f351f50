// An INI file parsed, edited and written: the written file parses back to exactly what was in
// memory, an edit reads back as written, and a name that would read back differently is refused.
#include "FuzzCheck.h"

#include "core/base/Cp1252.h"
#include "core/base/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString text(FuzzedDataProvider &in, size_t max)
{
    const std::string s = in.ConsumeRandomLengthString(max);
    return Cp1252::decode(s.data(), qsizetype(s.size()));
}

void sameContent(const IniFile &memory, const IniFile &file)
{
    FUZZ_CHECK(memory.sections() == file.sections(), QStringLiteral("sections"));
    for (const QString &section : memory.sections()) {
        const QStringList keys = memory.keys(section);
        FUZZ_CHECK(keys == file.keys(section), QStringLiteral("keys of [%1]").arg(section));
        for (const QString &key : keys)
            FUZZ_CHECK(memory.value(section, key) == file.value(section, key),
                       QStringLiteral("[%1] %2").arg(section, key));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::string start = in.ConsumeRandomLengthString(size);
    IniFile ini;
    ini.parse(QByteArray(start.data(), qsizetype(start.size())));
    FUZZ_CHECK(ini.toBytes() == QByteArray(start.data(), qsizetype(start.size())),
               QStringLiteral("an unedited file is not written back byte for byte"));

    while (in.remaining_bytes() > 0) {
        const int op = in.ConsumeIntegralInRange(0, 3);
        const QString section = text(in, 12);
        const QString key = text(in, 12);
        if (op == 0 || op == 1) {
            const QString value = text(in, 300);
            const QByteArray before = ini.toBytes();
            const bool valid = IniFile::validName(section) && IniFile::validName(key);
            FUZZ_CHECK(ini.setValue(section, key, value) == valid, QStringLiteral("setValue"));
            if (!valid) {
                FUZZ_CHECK(ini.toBytes() == before, QStringLiteral("a refused name changed it"));
                continue;
            }
            FUZZ_CHECK(ini.value(section, key) == readBack(value),
                       QStringLiteral("[%1] %2 written '%3' reads '%4'")
                           .arg(section, key, value, ini.value(section, key)));
        } else if (op == 2) {
            ini.removeKey(section, key);
        } else {
            ini.removeSection(section);
        }
    }

    IniFile file;
    file.parse(ini.toBytes());
    FUZZ_CHECK(file.toBytes() == ini.toBytes(), QStringLiteral("written file changes when parsed"));
    sameContent(ini, file);
    return 0;
}
