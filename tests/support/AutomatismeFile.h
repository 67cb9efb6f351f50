#pragma once

#include <QHash>
#include <QStringList>

// Automatisme.ini as the program writes it, spelt out independently of the program's own table.
namespace AutomatismeFile
{

using Values = QHash<QString, QString>;

// The keys after NumeroTrain, in file order.
inline const QStringList Keys = {
    "De",       "A",      "Via",       "EvoDép", "MvDép",     "HeureDép", "HeureArr",  "MvArr",
    "EvoArr",   "Gare",   "HeureArr2", "Mv",     "HeureDép2", "Gateg",    "IndCompo",  "AgSeul",
    "Nbvéh",    "Long",   "Masse",     "Coef",   "Nat1",      "Let1",     "EnginTitu", "EmtTitu",
    "Nat2",     "Let2",   "EnginUm1",  "EmtUm1", "De2Um1",    "A2Um1",    "Nat3",      "Let3",
    "EnginUm2", "EmtUm2", "De2Um2",    "A2Um2",  "Km"};

// One automatisme: every key, the given values, the closing line.
inline QStringList section(const QString &number, const Values &values)
{
    const QString n = number.trimmed();
    QStringList lines{"[Train" + n + "]", "NumeroTrain=" + number};
    for (const QString &key : Keys)
        lines << key + '=' + values.value(key);
    return lines << "Fin" + n + "=Fin" + n;
}

inline QStringList counter(int n)
{
    return {"[NombreTrain]", "NombreTrain=" + QString::number(n)};
}

} // namespace AutomatismeFile
