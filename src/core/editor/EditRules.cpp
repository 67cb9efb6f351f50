#include "core/editor/EditRules.h"

#include "core/base/Cp1252.h"
#include "core/model/ListFiles.h"
#include "core/model/SlotTable.h"

namespace EditRules {

using namespace SlotTable;

Control controlFor(int slot)
{
    if (slot == DateSlot)
        return Control::Date;
    return listFileFor(slot, QString()).isEmpty() ? Control::Text : Control::List;
}

QString listFileFor(int slot, const QString &engineListFile)
{
    const std::optional<ListKind> kind = ListFiles::kindOf(slot);
    return kind ? ListFiles::fileName(*kind, engineListFile) : QString();
}

QString typedText(int slot, const QString &typed)
{
    if (isTypedMark(slot))
        return QStringLiteral("x");
    if (slot == 1 || slot == 2)
        return typed;
    return Cp1252::toUpper(typed);
}

QString storable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue; // CR LF is one break
        if (c == u'\t' || c == u'\r' || c == u'\n') {
            out += u' ';
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += u'?'; // one character, outside the code page
            ++i;
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            continue;
        } else if (!Cp1252::holds(QStringView(&c, 1))) {
            // An invisible mark (byte order, zero-width space) goes; a letter shows as "?".
            if (c.category() != QChar::Other_Format) out += u'?';
        } else {
            out += c;
        }
    }
    return out;
}

bool prefixFirst(int slot, const QString &controlText, const QString &prefix)
{
    return !prefix.isEmpty() && controlText.isEmpty() && isTrainNumber(slot);
}

bool listKeyRefused(int slot, const QString &slotValue, bool hasSelection, bool isBackspace)
{
    return isShuntingEngine(slot) && slotValue.size() >= 6 && !hasSelection && !isBackspace;
}

bool togglesOnClick(int slot) { return slot != NonConformeSlot && isMark(slot); }

QString toggled(const QString &mark)
{
    return mark.isEmpty() ? QStringLiteral("x") : QString();
}

} // namespace EditRules
