#include "core/roster/ConvertCriteria.h"

#include "core/base/IniFile.h"
#include "core/dayfiles/Blanks.h"

#include <QDir>
#include <QFileInfo>

namespace ConvertCriteria {
namespace {

constexpr std::array<int, Fields> Widths = {7, 3, 5, 2};
constexpr int CriterionLength = 17;

} // namespace

QString fileName() { return QStringLiteral("ParaConvert.ini"); }

QString sectionName(int index) { return QStringLiteral("Train %1").arg(index); }

const std::array<const char *, Fields> &keys()
{
    static const std::array<const char *, Fields> k = {"NumeroTrain", "Categ", "IndCompo",
                                                       "AgentSeul"};
    return k;
}

QString CritereConvert(const std::array<QString, Fields> &row)
{
    QString text;
    for (int f = 0; f < Fields; ++f)
        text += row[size_t(f)].leftJustified(Widths[size_t(f)], u' ');
    return text;
}

Rows readRows(const QString &path)
{
    const IniFile ini(path);
    Rows rows;
    for (int i = 0; i < Count; ++i)
        for (int f = 0; f < Fields; ++f)
            rows[size_t(i)][size_t(f)] =
                ini.value(sectionName(i), QString::fromLatin1(keys()[size_t(f)]));
    return rows;
}

bool writeRows(const QString &path, const Rows &rows, QString *error)
{
    IniFile ini;
    // A file that is there but cannot be read is not rewritten from nothing.
    if (!ini.load(path) && QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("Impossible de lire le fichier %1 : les critères n'ont pas "
                                    "été enregistrés.")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    for (int i = 0; i < Count; ++i)
        for (int f = 0; f < Fields; ++f)
            ini.setValue(sectionName(i), QString::fromLatin1(keys()[size_t(f)]),
                         rows[size_t(i)][size_t(f)]);
    return ini.save(error);
}

Criteria criteria(const Rows &rows)
{
    Criteria c;
    for (int i = 0; i < Count; ++i)
        c[size_t(i)] = CritereConvert(rows[size_t(i)]);
    return c;
}

TrainCodes match(const Criteria &criteria, const QString &trainNumber)
{
    TrainCodes codes;
    for (const QString &c : criteria) {
        if (c.size() != CriterionLength)
            continue;
        const QString prefix = trimBlanks(c.left(7));
        if (prefix.isEmpty() || !trainNumber.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        codes = {trimBlanks(c.mid(7, 3)), trimBlanks(c.mid(10, 5)), trimBlanks(c.mid(15, 2))};
    }
    return codes;
}

} // namespace ConvertCriteria
