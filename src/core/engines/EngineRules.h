#pragma once

#include <QString>

class BulletinRecord;
struct Options;

// What happens to the engines of the bulletin: the normalisation of an engine slot, the slots
// filled when a line engine is entered, and the carry-over of the engines to the next line,
// where a multiple unit driven back from its other cab takes its twin number.
namespace EngineRules
{

// The twin number: an odd last digit adds one to the leading number of `number`, an even one
// takes one away, and the result is written with one blank in front when it is zero or more
// (" 20499" for "20500"). Empty or ending otherwise, the number is returned as it is.
QString parite_Autom(const QString &number);

// Normalises the engine slot `slot` when it holds more than blanks: a line engine becomes
// "letter number code", a shunting engine "letternumber" with its code in the slot after it.
// In self-propelled mode a number without code takes the configured code. A shunting engine
// already in its form ("B67401") keeps the code its code slot holds: normalising a normalised
// slot changes nothing. Returns whether the record changed.
bool Traitement_Engins(BulletinRecord &record, int slot, const Options &options);

// What the engine slot `slot` holds once `text` is normalised in it.
QString normalisedForm(const QString &text, int slot, const Options &options);

// The driver changed the engine slot `slot`: the natures, and in self-propelled mode NbVeh and
// IndCompo, of its line follow, then the slot is normalised: the code part of what the driver
// typed (none: "", or the configured code in self-propelled mode) goes to a shunting engine's
// code slot.
void engineEntered(BulletinRecord &record, int slot, const Options &options);

// The engines of the previous line carried over to the line of `slot` in reverse order (the
// train leaves from its other end), with their natures and the from and to of the multiple
// units; in self-propelled mode each number becomes its twin. Acts on lines 2..6 only; a
// previous line whose engines are not filled from the leading one on leaves the line as it is.
void Change_ParitEngin(BulletinRecord &record, int slot, const Options &options);

// The same carry-over without the twin numbers and without the from and to slots.
void takePreviousEngines(BulletinRecord &record, int slot, const Options &options);

} // namespace EngineRules
