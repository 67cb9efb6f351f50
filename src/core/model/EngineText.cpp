#include "core/model/EngineText.h"

#include "core/model/SlotTable.h"

namespace {

// Anything after "9" in the character table: letters, and most punctuation.
bool aboveNine(QChar c) { return c.unicode() > u'9'; }

} // namespace

EngineParts ExtractEngin(QStringView text, int slot, int enaut, const QString &lettreAutom)
{
    EngineParts parts;
    QString s = text.trimmed().toString();
    if (s.isEmpty())
        return parts;
    s.remove(u' ');
    if (s == u"/") {
        parts.letter = s;
        return parts;
    }
    if (!s.isEmpty() && aboveNine(s.front())) {
        parts.letter = s.front();
        s.remove(0, 1);
    }

    QString codeText;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (i > 0 && aboveNine(s[i])) {
            codeText = s.mid(i);
            break;
        }
        parts.number += s[i];
    }

    if (parts.number.size() > 7)
        parts.number.truncate(7);
    if (parts.number.size() == 7) {
        // A seven-character number carries its class letter in front.
        parts.letter = parts.number.front();
        parts.number.remove(0, 1);
    }
    if (!codeText.isEmpty())
        parts.code = codeText.left(3);

    if (parts.letter.isEmpty() && enaut == 1 && !parts.number.isEmpty() && parts.number.size() < 7
        && !SlotTable::isShuntingEngine(slot))
        parts.letter = lettreAutom;
    return parts;
}
