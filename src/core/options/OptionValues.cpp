#include "core/options/OptionValues.h"

#include "core/AppState.h"
#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/model/ListFiles.h"

namespace
{

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

OptionValues OptionValues::read(const QString &iniPath)
{
    namespace K = ConfigKeys;
    const IniFile ini(iniPath);
    auto text = [&ini](const char *section, const char *key) {
        return ini.value(QString::fromLatin1(section), QString::fromLatin1(key));
    };
    auto ticked = [&](const char *section, const char *key) {
        return NumberText::leadingNumber(text(section, key)) == 1;
    };
    OptionValues v;
    v.enaug = ticked(K::Options, K::Enaug);
    v.eneng = ticked(K::Options, K::Eneng);
    v.pasImpB1 = ticked(K::Options, K::PasImpB1);
    v.pasImpB2 = ticked(K::Options, K::PasImpB2);
    v.enaut = ticked(K::Options, K::Enaut);
    v.calendrier = ticked(K::Options, K::Calendrier);
    v.loc = ticked(K::EvEnLoc, K::Loc);
    v.emtaut = text(K::Options, K::Emtaut);
    v.nbvhe = text(K::Options, K::Nbvhe);
    v.lettreAutom = text(K::Options, K::LettreAutom);
    v.indCompo = text(K::Options, K::IndCompo);
    v.prefixTrain = text(K::Options, K::PrefixTrain);
    return v;
}

OptionValues OptionValues::inUse(const AppState &state)
{
    return state.unsavedOptions ? *state.unsavedOptions : read(state.config.iniPath());
}

QList<Config::Entry> OptionValues::entries() const
{
    namespace K = ConfigKeys;
    return {
        {K::Options, K::Enaug, flag(enaug)},
        {K::Options, K::Eneng, flag(eneng)},
        {K::Options, K::PasImpB1, flag(pasImpB1)},
        {K::Options, K::PasImpB2, flag(pasImpB2)},
        {K::Options, K::Enaut, flag(enaut)},
        {K::Options, K::Emtaut, emtaut},
        {K::Options, K::Nbvhe, nbvhe},
        {K::Options, K::IndCompo, indCompo},
        {K::Options, K::NbUm, QString()},
        {K::Options, K::LettreAutom, lettreAutom},
        {K::Options, K::Calendrier, flag(calendrier)},
        {K::Options, K::PrefixTrain, prefixTrain},
        {K::EvEnLoc, K::Loc, flag(loc)},
    };
}

bool OptionValues::confirm(AppState &state) const
{
    Config &config = state.config;
    Options &o = config.options;
    o.enaug = enaug;
    o.eneng = eneng;
    o.pasImpB1 = pasImpB1;
    o.pasImpB2 = pasImpB2;
    o.enaut = enaut;
    o.emtaut = emtaut;
    o.nbvhe = NumberText::toInt(NumberText::leadingNumber(nbvhe));
    o.indCompo = indCompo;
    o.nbUm = 0;
    o.lettreAutom = lettreAutom;
    o.calendrier = flag(calendrier);
    o.prefixTrain = prefixTrain;
    config.loc = flag(loc);
    state.engineListFile = ListFiles::engineListFile(o.enaut);
    const bool written = config.write(entries());
    state.unsavedOptions = written ? std::nullopt : std::optional<OptionValues>(*this);
    return written;
}

namespace OptionRules
{

VehicleCount checkVehicleCount(const QString &text)
{
    if (text.isEmpty()) return VehicleCount::Zero;
    return NumberText::leadingNumber(text) == 0 ? VehicleCount::Refuse : VehicleCount::Keep;
}

} // namespace OptionRules
