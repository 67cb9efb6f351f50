#pragma once

#include <QString>

// What the edit controls do with a slot: which control serves it, what a typed character
// becomes, which list feeds its drop-down.
namespace EditRules {

enum class Control { Date, Text, List };
Control controlFor(int slot);

// The list file of a list slot ("" for the others); engine slots take `engineListFile`, and
// "ListeEngins.txt" when that is empty.
QString listFileFor(int slot, const QString &engineListFile);

// The text a typed character inserts in the text control: "x" on 13 and 50..53, upper case
// everywhere but Nom and Prenom. Backspace counts as a typed character: on the marks it too
// becomes "x".
QString typedText(int slot, const QString &typed);

// What a slot can hold of a text the driver brought in (a paste, a letter from the keyboard): one
// line in the code page of the files. A tab or a line break becomes a blank, the other control
// and invisible format characters go, a character the code page lacks becomes "?" as it would
// in the file.
QString storable(const QString &text);

// Whether the train-number prefix goes in first, before the typed character.
bool prefixFirst(int slot, const QString &controlText, const QString &prefix);

// The list control's key rule on the shunting engines (39, 42, 45, 48): once the slot holds 6
// characters and nothing is selected, only Backspace goes through. The slot, not the control:
// the engine rules take the blanks out of what the driver types ("B 67401" is held as "B67401").
bool listKeyRefused(int slot, const QString &slotValue, bool hasSelection, bool isBackspace);

// Marks that a click toggles (the mark 13 is set by typing only).
bool togglesOnClick(int slot);
QString toggled(const QString &mark);

} // namespace EditRules
