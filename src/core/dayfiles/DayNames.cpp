#include "core/dayfiles/DayNames.h"

#include "core/base/Paths.h"
#include "core/dayfiles/Blanks.h"
#include "core/dayfiles/DayFileLayout.h"

#include <QRegularExpression>

namespace DayNames {
namespace {

QString withoutTxt(const QString &fileName)
{
    if (fileName.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return fileName.left(fileName.size() - 4);
    return fileName;
}

// What follows the day number in the name; "" when the name does not start with it.
QString afterDayNumber(const QString &fileName, const QString &journee)
{
    const QString base = withoutTxt(fileName);
    if (journee.isEmpty() || !base.startsWith(journee))
        return QString();
    return base.mid(journee.size());
}

} // namespace

QString archiveDate(const QDate &date)
{
    return DayFileLayout::dateLine(date) + u' ';
}

QString genericName(const QString &journee, const QString &mention)
{
    if (mention.isEmpty())
        return journee + QStringLiteral(".txt");
    return journee + u' ' + mention + QStringLiteral(".txt");
}

QString archiveName(const QString &journee, const QString &mention, const QDate &date)
{
    const QString head = mention.isEmpty() ? journee : journee + u' ' + mention;
    return head + archiveDate(date) + QStringLiteral(".txt");
}

QString genericMention(const QString &fileName, const QString &journee)
{
    // The character after the day number is the blank that separates the mention.
    return trimBlanks(afterDayNumber(fileName, journee).mid(1));
}

QString archiveMention(const QString &fileName, const QString &journee)
{
    static const QRegularExpression date(QStringLiteral("\\s\\d{2} \\d{2} \\d{4}\\s*$"));
    QString rest = afterDayNumber(fileName, journee);
    rest.remove(date);
    return trimBlanks(rest.mid(1));
}

QString mentionFromAnswer(const QString &answer, const QString &journee)
{
    QString mention = trimBlanks(answer.mid(journee.size())).left(MentionLength);
    // A character written as two (an emoji) is not cut in half: half of it would name the file
    // with a character that is none.
    if (!mention.isEmpty() && mention.back().isHighSurrogate()) mention.chop(1);
    // Nor does it end with a blank ("abcd e" cut to five): the file "12 abcd .txt", opened
    // again, gives the mention "abcd", and its next save would go to a second file beside it.
    return trimBlanks(mention);
}

} // namespace DayNames
