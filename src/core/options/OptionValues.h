#pragma once

#include "core/config/Config.h"

#include <QList>
#include <QString>

struct AppState;

// What the options window shows and confirms: its check boxes and text boxes.
struct OptionValues {
    bool enaug = false, eneng = false, pasImpB1 = false, pasImpB2 = false, enaut = false,
         calendrier = false, loc = false;
    QString emtaut, nbvhe, lettreAutom, indCompo, prefixTrain;

    bool operator==(const OptionValues &) const = default;

    // Every key read from Config.ini in one pass; a check box is ticked by the value 1, an
    // absent key gives an unticked box or an empty text.
    static OptionValues read(const QString &iniPath);
    // What the window shows on opening: the keys of Config.ini, or the options confirmed last
    // when the file could not take them.
    static OptionValues inUse(const AppState &state);

    // The keys written by a confirmation, in the order of the file: section Options (NbUm empty,
    // PrefixEngin never), then LOC in "EV en LOC".
    QList<Config::Entry> entries() const;

    // Sets the values in memory and the engine list file, then writes every key in one save.
    // A failed write leaves Config.ini as it was and is told as any setting's is (once a run);
    // the values stay in use until the end of the run.
    bool confirm(AppState &state) const;
};

namespace OptionRules
{

enum class VehicleCount { Keep, Zero, Refuse };
// Leaving the vehicle count: empty becomes "0"; a value whose leading number is 0 ("X2", "0") is
// refused; anything else ("3", "2X") stays.
VehicleCount checkVehicleCount(const QString &text);

} // namespace OptionRules
