// Config.ini and ParaConvert.ini as the windows read and confirm them: the settings are read
// from any file; the options window and the cartouche dialog confirmed without a change touch
// no key but their own, and what they write reads back as written; so do the converter
// criteria confirmed unchanged.
#include "FuzzCheck.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/config/CartoucheStore.h"
#include "core/options/OptionValues.h"
#include "core/roster/ConvertCriteria.h"

#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

namespace
{

// Every key of `before` that the save did not name reads the same in `after`.
void othersKept(const IniFile &before, const IniFile &after, const QList<Config::Entry> &named,
                const char *what)
{
    const auto isNamed = [&named](const QString &section, const QString &key) {
        for (const Config::Entry &e : named)
            if (section.compare(QLatin1String(e.section), Qt::CaseInsensitive) == 0 &&
                key.compare(QLatin1String(e.key), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    // A name with other white space at an end than blanks and tabs (a form feed) is one that
    // no lookup reaches: looked up, it is trimmed of it.
    const auto reachable = [](const QString &name) { return name.trimmed() == name; };
    for (const QString &section : before.sections())
        for (const QString &key : before.keys(section))
            if (reachable(section) && reachable(key) && !isNamed(section, key))
                FUZZ_CHECK(after.value(section, key) == before.value(section, key),
                           QStringLiteral("%1 changed [%2] %3")
                               .arg(QLatin1String(what), shown(section), shown(key)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(scratchFolder() + QStringLiteral("/kerbo-fuzz-settings-XXXXXX"));
    static const bool ready = QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
    FUZZ_CHECK(ready, QStringLiteral("no data folder"));
    FuzzedDataProvider in(data, size);
    const std::string settings = in.ConsumeRandomLengthString(size);
    const std::string criteria = in.ConsumeRemainingBytesAsString();

    AppState state;
    const QString programFolder = Paths::CheckPath(dir.path());
    state.config.ouestKerbo = programFolder;
    const QString ini = state.config.iniPath();
    FUZZ_CHECK(writeFile(ini, QByteArray(settings.data(), qsizetype(settings.size()))),
               QStringLiteral("cannot write the input"));
    // As the start reads it: the program folder stays the one it runs from.
    state.config.load();
    state.config.ouestKerbo = programFolder;

    // The options window opened and confirmed as it shows them.
    const IniFile beforeOptions(ini);
    const OptionValues opened = OptionValues::read(ini);
    FUZZ_CHECK(opened.confirm(state), QStringLiteral("options not written"));
    othersKept(beforeOptions, IniFile(ini), opened.entries(), "the options");
    OptionValues expected = opened;
    for (QString *text : {&expected.emtaut, &expected.nbvhe, &expected.lettreAutom,
                          &expected.indCompo, &expected.prefixTrain})
        *text = readBack(*text);
    FUZZ_CHECK(OptionValues::read(ini) == expected,
               QStringLiteral("the options read back otherwise than confirmed"));

    // The cartouche dialog confirmed as it shows the texts.
    const IniFile beforeCartouche(ini);
    QString error;
    FUZZ_CHECK(CartoucheStore::confirm(state.config, state.record,
                                       CartoucheStore::read(state.config), &error),
               error);
    QList<Config::Entry> cartouche = {{ConfigKeys::CheminDossiers, ConfigKeys::OuestKerbo, {}},
                                      {ConfigKeys::Cartouche, ConfigKeys::Condition, {}}};
    for (const char *key : CartoucheStore::keys())
        cartouche.append({ConfigKeys::Cartouche, key, {}});
    othersKept(beforeCartouche, IniFile(ini), cartouche, "the cartouche");

    // The converter criteria, confirmed as the window shows them.
    const QString criteriaPath = state.config.dataFile(ConvertCriteria::fileName());
    FUZZ_CHECK(writeFile(criteriaPath, QByteArray(criteria.data(), qsizetype(criteria.size()))),
               QStringLiteral("cannot write the input"));
    const ConvertCriteria::Rows rows = ConvertCriteria::readRows(criteriaPath);
    FUZZ_CHECK(ConvertCriteria::writeRows(criteriaPath, rows, &error), error);
    const ConvertCriteria::Rows written = ConvertCriteria::readRows(criteriaPath);
    for (int i = 0; i < ConvertCriteria::Count; ++i)
        for (int f = 0; f < ConvertCriteria::Fields; ++f)
            FUZZ_CHECK(
                written[size_t(i)][size_t(f)] == readBack(rows[size_t(i)][size_t(f)]),
                QStringLiteral("criterion %1, field %2: '%3' reads '%4'")
                    .arg(i)
                    .arg(f)
                    .arg(shown(rows[size_t(i)][size_t(f)]), shown(written[size_t(i)][size_t(f)])));
    for (const QString &number : {QStringLiteral("830123"), QString::fromStdString(criteria)})
        ConvertCriteria::match(ConvertCriteria::criteria(written), number);
    return 0;
}
