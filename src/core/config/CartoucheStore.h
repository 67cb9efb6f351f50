#pragma once

#include <QString>

#include <array>

class BulletinRecord;
class Config;

// The cartouche (frame A identity): the five Cartouche keys of Config.ini and slots 1..5.
namespace CartoucheStore {

using Texts = std::array<QString, 5>; // Nom, Prenom, Etablissement, Residence, Immatriculation

// Key names in slot order.
const std::array<const char *, 5> &keys();

// The five texts as Config.ini holds them now (one read of the file).
Texts read(const Config &config);

// Confirmation of the cartouche dialog: OuestKerbo, condition (set to 1 only while it is 0) and
// the five texts written in one save of Config.ini, then copied into memory and slots 1..5.
// False when the file could not be written; `error` then names it.
bool confirm(Config &config, BulletinRecord &record, const Texts &texts,
             QString *error = nullptr);

} // namespace CartoucheStore
