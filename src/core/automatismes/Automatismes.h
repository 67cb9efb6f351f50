#pragma once

#include "core/automatismes/AutomatismeKeys.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

class AutomatismeStore;
class BulletinRecord;
class IniFile;
class LineView;
class Prompts;
struct Options;

// Automatismes: stored templates of a train line, keyed by a train number or its leading part,
// that fill the line as soon as the number typed so far matches one of them.
namespace Automatismes
{

// The values of the keys after NumeroTrain, in file order (AutomatismeKeys::Fields).
using Values = std::array<QString, AutomatismeKeys::FieldCount>;

// The key of a field as a string, and the section of a number (trimmed): "Train" + number.
const QString &keyName(int field);
QString sectionName(const QString &trimmedNumber);

// The counter of automatismes (section and key NombreTrain), 0 when absent or not a number.
int counter(const IniFile &ini);
// The label under the window's list: " 12 automatismes enregistrés".
QString counterLabel(int counter);
// The numbers as stored, in file order: every line that starts with "NumeroTrain=".
QStringList list(const QByteArray &fileBytes);

// The values of the section of `trimmedNumber`; a missing key reads as empty.
Values read(const IniFile &ini, const QString &trimmedNumber);
// The line's slots as a capture stores them; the engine slots are split by the engine-text
// parser as seen from `currentSlot`.
Values fromLine(const BulletinRecord &record, int line, int currentSlot, const Options &options);
// Fills line `line` (0..5) from `values`: every mapped slot is overwritten, the engines are
// joined from their three parts, and a filled multiple-unit engine brings its nature "UM" and
// the line's from and to where those are empty.
void fillLine(BulletinRecord &record, int line, const Values &values);

// The lookup run at every change of a train number: when an automatisme is stored under
// exactly the trimmed text of the train-number slot `slot`, its line is filled. Returns whether
// it was. The store is read once and kept, never per keystroke.
bool Automatisme(BulletinRecord &record, int slot, AutomatismeStore &store);

// Why a trimmed train number cannot name an automatisme (a character the file cannot hold or
// that would break its lines), or "" when it can.
QString refusedNumber(const QString &trimmedNumber);

struct SaveResult {
    bool ok = false;
    bool added = false; // the number had no automatisme: the counter grew by one
    QString error;      // French, when not ok
};
// Writes the automatisme `number` (as typed; its section is named after it trimmed): the
// counter, NumeroTrain, every key of `values` and the closing key, in one save. An existing
// automatisme is overwritten key by key.
SaveResult save(AutomatismeStore &store, const QString &number, const Values &values);

// Removes every line from "[Train" + number + "]" to "Fin" + number + "=Fin" + number (exact
// lines, case counts; a section without that closing line takes the rest of the file with it)
// and lowers the counter by one, matched or not. The file is replaced in one step.
bool remove(AutomatismeStore &store, const QString &trimmedNumber, QString *error);

// F9: asks, then stores the line of `slot` as an automatisme and says how it went.
void captureLine(BulletinRecord &record, int slot, const Options &options, AutomatismeStore &store,
                 Prompts &prompts, LineView &view);

} // namespace Automatismes
