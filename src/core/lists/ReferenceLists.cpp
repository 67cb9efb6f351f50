#include "core/lists/ReferenceLists.h"

#include "core/base/Cp1252.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/base/TextFile.h"
#include "core/config/Config.h"
#include "core/editor/EditRules.h"
#include "core/lists/ListFile.h"
#include "core/model/SlotTable.h"

namespace ReferenceLists
{

QString caption(Kind kind)
{
    switch (kind) {
    case Kind::Engins:
        return QStringLiteral("GESTION DES LISTES ENGINS");
    case Kind::Gares:
        return QStringLiteral("GESTION DES LISTES GARES");
    case Kind::Taches:
        return QStringLiteral("GESTION DES LISTES TACHES");
    case Kind::Categ:
        return QStringLiteral("GESTION DES LISTES CATEGORIES");
    case Kind::IndiceCompo:
        return QStringLiteral("GESTION DES LISTES INDICES DE COMPOSITION");
    case Kind::AgentSeul:
        return QStringLiteral("GESTION DES LISTES AGENT SEUL");
    }
    return QString();
}

// Capitals that the list files can hold: "µ" and "ß" have none in the code page and stay. The
// list box shows the item as the file holds it, so that it can be found there again.
QString storedItem(const QString &typed)
{
    // A line break or tab pasted in is a blank, as in the bulletin's boxes: the item keeps its
    // one line of the file.
    return Cp1252::toUpper(EditRules::storable(typed).trimmed());
}

QString learntEngine(const QString &text)
{
    return Cp1252::toUpper(text.trimmed());
}

QString learntStation(const QString &text)
{
    QString t = learntEngine(text);
    t.removeIf([](QChar c) { return c.isSpace(); });
    return t;
}

AddResult add(const QString &path, const QString &typed, QString *error)
{
    if (storedItem(typed).isEmpty()) return AddResult::Nothing;
    const ListFile::Content content = ListFile::read(path);
    if (!content.readable) {
        // Writing now would put the one new item in place of a list that could not be read.
        if (error) *error = content.error;
        return AddResult::Failed;
    }
    if (content.lines.contains(typed)) return AddResult::Duplicate;
    if (!TextFile::writeAtomic(path, ListFile::appended(content.bytes, storedItem(typed)), error))
        return AddResult::Failed;
    return AddResult::Added;
}

namespace
{

// `item` learnt from the text `left` in a slot. The drop-down shows the lines of the file as
// they stand: a text equal to one of them was chosen there (or typed as it), and is no new item.
// A list that cannot be read or written keeps its file as it is; `error` says why, and names
// the item left out.
std::optional<QString> learnFrom(const QString &path, const QString &left, const QString &item,
                                 QString *error)
{
    if (item.isEmpty()) return std::nullopt;
    const ListFile::Content content = ListFile::read(path);
    QString why = content.error;
    if (content.readable) {
        if (content.lines.contains(item) || content.lines.contains(left)) return std::nullopt;
        if (TextFile::writeAtomic(path, ListFile::appended(content.bytes, item), &why)) return item;
    }
    if (error)
        *error = Prompts::lines({why, QStringLiteral("« ") + item +
                                          QStringLiteral(" » n'a pas été ajouté à la liste.")});
    return std::nullopt;
}

} // namespace

std::optional<QString> learn(const QString &path, const QString &item, QString *error)
{
    return learnFrom(path, item, item, error);
}

std::optional<QString> learnLeftSlot(const QString &dataFolder, const Options &options,
                                     const QString &engineListFile, int slot, const QString &value,
                                     QString *error)
{
    const QString stations = fileName(Kind::Gares, engineListFile);
    if (options.enaug == 1 && ListFiles::kindOf(slot) == Kind::Gares)
        return learnFrom(Paths::join(dataFolder, stations), value, learntStation(value), error);
    if (options.eneng == 1 && SlotTable::isEngine(slot))
        return learnFrom(Paths::join(dataFolder, fileName(Kind::Engins, engineListFile)), value,
                         learntEngine(value), error);
    return std::nullopt;
}

} // namespace ReferenceLists
