#include "core/automatismes/Automatismes.h"

#include "core/automatismes/AutomatismeStore.h"
#include "core/base/Cp1252.h"
#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/base/Prompts.h"
#include "core/config/Config.h"
#include "core/model/BulletinRecord.h"
#include "core/model/EngineText.h"
#include "core/model/LineView.h"
#include "core/model/SlotTable.h"

#include <cmath>

namespace Automatismes
{

using AutomatismeKeys::Fields;
using AutomatismeKeys::Part;
using namespace SlotTable;

namespace
{

// Made once: the lookup runs at every keystroke.
const QString &counterSection()
{
    static const QString name = QString::fromLatin1(AutomatismeKeys::CounterSection);
    return name;
}
const QString &counterKey()
{
    static const QString name = QString::fromLatin1(AutomatismeKeys::CounterKey);
    return name;
}
const QString &numeroTrainKey()
{
    static const QString name = QString::fromLatin1(AutomatismeKeys::NumeroTrain);
    return name;
}

QString closingName(const QString &trimmedNumber)
{
    return QLatin1String(AutomatismeKeys::ClosingPrefix) + trimmedNumber;
}

const QString MissingNumberTitle = QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE TRAIN !!");

void missingNumber(Prompts &prompts)
{
    prompts.message(MissingNumberTitle,
                    QStringLiteral("ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\n"
                                   "VEUILLEZ INSCRIRE UN NUMERO DE TRAIN DANS LE CADRE  "
                                   "\"Numéro de train\"."),
                    Prompts::Icon::Exclamation);
}

// The start of the line after the one starting at `at`.
qsizetype nextLine(const QByteArray &bytes, qsizetype at)
{
    const qsizetype end = bytes.indexOf('\n', at);
    return end < 0 ? bytes.size() : end + 1;
}

} // namespace

const QString &keyName(int field)
{
    static const auto names = [] {
        std::array<QString, AutomatismeKeys::FieldCount> n;
        for (int i = 0; i < AutomatismeKeys::FieldCount; ++i)
            n[size_t(i)] = QString::fromUtf8(Fields[size_t(i)].key);
        return n;
    }();
    return names[size_t(field)];
}

QString sectionName(const QString &trimmedNumber)
{
    return QLatin1String(AutomatismeKeys::SectionPrefix) + trimmedNumber;
}

int counter(const IniFile &ini)
{
    const double value = NumberText::leadingNumber(ini.value(counterSection(), counterKey()));
    // A counter spoilt by hand stays within what an int holds.
    return int(std::clamp(std::trunc(value), -1e9, 1e9));
}

QString counterLabel(int counter)
{
    const QString number = QString::number(counter);
    return (counter > 0 ? u' ' + number : number) + QStringLiteral(" automatismes enregistrés");
}

QStringList list(const QByteArray &fileBytes)
{
    static const QByteArrayView prefix("NumeroTrain=");
    QStringList numbers;
    const char *data = fileBytes.constData();
    const qsizetype size = fileBytes.size();
    for (qsizetype start = 0; start < size;) {
        const void *hit = memchr(data + start, '\n', size_t(size - start));
        const qsizetype end = hit ? static_cast<const char *>(hit) - data : size;
        qsizetype length = end - start;
        if (length > 0 && data[end - 1] == '\r') --length;
        const QByteArrayView line(data + start, length);
        if (line.startsWith(prefix))
            numbers << Cp1252::decode(line.data() + prefix.size(), line.size() - prefix.size());
        start = end + 1;
    }
    return numbers;
}

Values read(const IniFile &ini, const QString &trimmedNumber)
{
    const QString section = sectionName(trimmedNumber);
    Values values;
    for (int i = 0; i < AutomatismeKeys::FieldCount; ++i)
        values[size_t(i)] = ini.value(section, keyName(i));
    return values;
}

Values fromLine(const BulletinRecord &record, int line, int currentSlot, const Options &options)
{
    Values values;
    int parsedOffset = -1;
    EngineParts parts;
    for (int i = 0; i < AutomatismeKeys::FieldCount; ++i) {
        const AutomatismeKeys::Field &f = Fields[size_t(i)];
        const QString &slotText = record.slot(lineSlot(line, f.offset));
        switch (f.part) {
        case Part::Whole:
            values[size_t(i)] = slotText;
            continue;
        case Part::Letter:
        case Part::Number:
        case Part::Code:
            break;
        }
        if (parsedOffset != f.offset) {
            parts = ExtractEngin(slotText, currentSlot, options.enaut, options.lettreAutom);
            parsedOffset = f.offset;
        }
        values[size_t(i)] = f.part == Part::Letter   ? parts.letter
                            : f.part == Part::Number ? parts.number
                                                     : parts.code;
    }
    return values;
}

void fillLine(BulletinRecord &record, int line, const Values &values)
{
    QString engine[3]; // letter, number, code of the engine being joined
    for (int i = 0; i < AutomatismeKeys::FieldCount; ++i) {
        const AutomatismeKeys::Field &f = Fields[size_t(i)];
        const int slot = lineSlot(line, f.offset);
        switch (f.part) {
        case Part::Whole:
            record.setSlot(slot, values[size_t(i)]);
            break;
        case Part::Letter:
            engine[0] = values[size_t(i)];
            break;
        case Part::Number:
            engine[1] = values[size_t(i)];
            break;
        case Part::Code:
            record.setSlot(slot, engine[0] + u' ' + engine[1] + u' ' + values[size_t(i)]);
            break;
        }
    }
    // An engine in multiple unit brings its nature and runs over the line's own route unless
    // the automatisme says otherwise. Two blanks (no engine stored) are no engine.
    const auto defaults = [&](int engine, int nature, int from, int to) {
        if (record.slot(lineSlot(line, engine)).trimmed().isEmpty()) return;
        if (record.slot(lineSlot(line, nature)).isEmpty())
            record.setSlot(lineSlot(line, nature), QStringLiteral("UM"));
        if (record.slot(lineSlot(line, from)).isEmpty())
            record.setSlot(lineSlot(line, from), record.slot(lineSlot(line, De)));
        if (record.slot(lineSlot(line, to)).isEmpty())
            record.setSlot(lineSlot(line, to), record.slot(lineSlot(line, A)));
    };
    defaults(EnginUm1, Nat2, De2Um1, A2Um1);
    defaults(EnginUm2, Nat3, De2Um2, A2Um2);
}

bool Automatisme(BulletinRecord &record, int slot, AutomatismeStore &store)
{
    if (!isTrainNumber(slot)) return false;
    const QString number = record.slot(slot).trimmed();
    // Blanks alone would name the section "Train", absent, whose empty number equals them.
    if (number.isEmpty()) return false;
    const IniFile &ini = store.ini();
    if (ini.value(sectionName(number), numeroTrainKey()) != number) return false;
    fillLine(record, lineOf(slot), read(ini, number));
    return true;
}

QString refusedNumber(const QString &trimmedNumber)
{
    for (const QChar c : trimmedNumber) {
        if (c == u'[' || c == u']' || c == u'=')
            return QStringLiteral("LE NUMERO DE TRAIN NE PEUT PAS CONTENIR LE CARACTERE  \"%1\".")
                .arg(c);
        if (c == u'\r' || c == u'\n' || c == u'\t')
            return QStringLiteral("LE NUMERO DE TRAIN NE PEUT PAS CONTENIR DE TABULATION NI DE "
                                  "RETOUR A LA LIGNE.");
    }
    // Whatever else the file could not hold as a section name (a character outside the code
    // page, a NUL).
    if (!IniFile::validName(sectionName(trimmedNumber)))
        return QStringLiteral("LE NUMERO DE TRAIN CONTIENT UN CARACTERE QUE LE FICHIER DES "
                              "AUTOMATISMES NE PEUT PAS ENREGISTRER.");
    return QString();
}

SaveResult save(AutomatismeStore &store, const QString &number, const Values &values)
{
    SaveResult result;
    const QString trimmed = number.trimmed();
    result.error = refusedNumber(trimmed);
    if (!result.error.isEmpty()) return result;
    const QString section = sectionName(trimmed);
    result.ok = store.change(
        [&](IniFile &ini) {
            int count = counter(ini);
            result.added = ini.value(section, numeroTrainKey()).isEmpty();
            if (result.added) ++count;
            ini.setValue(counterSection(), counterKey(), QString::number(count));
            ini.setValue(section, numeroTrainKey(), number);
            for (int i = 0; i < AutomatismeKeys::FieldCount; ++i)
                ini.setValue(section, keyName(i), values[size_t(i)]);
            ini.setValue(section, closingName(trimmed), closingName(trimmed));
        },
        &result.error);
    if (!result.ok) result.added = false;
    return result;
}

bool remove(AutomatismeStore &store, const QString &trimmedNumber, QString *error)
{
    if (!store.writable(error)) return false;
    const QByteArray header = Cp1252::encode(u'[' + sectionName(trimmedNumber) + u']');
    const QByteArray closing =
        Cp1252::encode(closingName(trimmedNumber) + u'=' + closingName(trimmedNumber));
    const QByteArray &in = store.bytes();
    QByteArray out;
    out.reserve(in.size());
    // From the header line to the closing line, both whole lines; what lies around is copied as
    // it is, line ends included.
    qsizetype keptFrom = 0;
    for (qsizetype at = AutomatismeStore::findLine(in, header, 0); at >= 0;
         at = AutomatismeStore::findLine(in, header, keptFrom)) {
        out.append(in.constData() + keptFrom, at - keptFrom);
        const qsizetype close = AutomatismeStore::findLine(in, closing, at);
        keptFrom = close < 0 ? in.size() : nextLine(in, close);
    }
    out.append(in.constData() + keptFrom, in.size() - keptFrom);
    IniFile nextFile;
    nextFile.parse(out);
    nextFile.setValue(counterSection(), counterKey(), QString::number(counter(nextFile) - 1));
    return store.replace(std::move(nextFile), error);
}

void captureLine(BulletinRecord &record, int slot, const Options &options, AutomatismeStore &store,
                 Prompts &prompts, LineView &view)
{
    const int line = lineOf(slot);
    if (line < 0) return;
    const QString k = QString::number(line + 1);
    if (prompts.question(QStringLiteral("ENREGISTRER CETTE LIGNE DE TRAIN COMME UN AUTOMATISME ?"),
                         QStringLiteral("Voulez- vous enregistrer la ligne du train ") + k +
                             QStringLiteral(" comme un nouvel automatisme ? \r\n"),
                         Prompts::Icon::Information, Prompts::Buttons::YesNo,
                         Prompts::Answer::Yes) != Prompts::Answer::Yes)
        return;
    view.showCurrentSlot();
    view.setBusy(true);
    const QString &number = record.slot(lineSlot(line, NumeroTrain));
    // Blanks alone are no number either: they would name the section "Train".
    const bool missing = number.trimmed().isEmpty();
    SaveResult saved;
    if (!missing) saved = save(store, number, fromLine(record, line, slot, options));
    view.setBusy(false);
    if (missing)
        missingNumber(prompts);
    else if (saved.ok)
        prompts.message(QStringLiteral("ENREGISTREMENT DE L'AUTOMATISME DE LA LIGNE DE TRAIN ") +
                            k + QStringLiteral("  REUSSI"),
                        QStringLiteral("L'ENREGISTREMENT DE L'AUTOMATISME A REUSSI ."),
                        Prompts::Icon::Information);
    else
        prompts.message(QStringLiteral("Kerbo"),
                        QStringLiteral("ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\n") +
                            saved.error,
                        Prompts::Icon::Exclamation);
    view.showCurrentSlot();
}

} // namespace Automatismes
