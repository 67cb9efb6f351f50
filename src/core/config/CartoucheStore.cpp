#include "core/config/CartoucheStore.h"

#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/config/Config.h"
#include "core/editor/EditRules.h"
#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"

namespace CartoucheStore {

const std::array<const char *, 5> &keys()
{
    namespace K = ConfigKeys;
    static const std::array<const char *, 5> names = {K::Nom, K::Prenom, K::Etablissement,
                                                      K::Residence, K::Immatriculation};
    return names;
}

Texts read(const Config &config)
{
    const IniFile ini(config.iniPath());
    Texts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] =
            ini.value(QString::fromLatin1(ConfigKeys::Cartouche), QString::fromLatin1(keys()[i]));
    return texts;
}

bool confirm(Config &config, BulletinRecord &record, const Texts &typed, QString *error)
{
    // What the file holds is what the bulletin shows and prints, from this run on: a pasted
    // line break is a blank there, as in the bulletin's boxes.
    Texts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = EditRules::storable(typed[i]);
    const QString section = QString::fromLatin1(ConfigKeys::Cartouche);
    const QString condition = QString::fromLatin1(ConfigKeys::Condition);
    IniFile ini(config.iniPath());
    ini.setValue(QString::fromLatin1(ConfigKeys::CheminDossiers),
                 QString::fromLatin1(ConfigKeys::OuestKerbo), config.ouestKerbo);
    if (NumberText::leadingNumber(ini.value(section, condition)) == 0)
        ini.setValue(section, condition, u"1");
    for (size_t i = 0; i < texts.size(); ++i)
        ini.setValue(section, QString::fromLatin1(keys()[i]), texts[i]);
    const bool saved = ini.save(error);

    // What the driver typed stays in use for this run even when the file could not be written.
    config.nom = texts[0];
    config.prenom = texts[1];
    config.etablissement = texts[2];
    config.residence = texts[3];
    config.immatriculation = texts[4];
    if (saved)
        config.condition = 1;
    for (int slot = SlotTable::CartoucheFirstSlot; slot <= SlotTable::CartoucheLastSlot; ++slot)
        record.setSlot(slot, texts[size_t(slot - 1)]);
    return saved;
}

} // namespace CartoucheStore
