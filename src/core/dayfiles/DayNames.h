#pragma once

#include <QDate>
#include <QString>

// Names of generic and archive day files, and the mention that tells apart several files of
// the same day number.
namespace DayNames {

constexpr int MentionLength = 5;

// " dd mm yyyy " (with the final blank) as used in archive names and messages.
QString archiveDate(const QDate &date);

// `journee` is the day number without its surrounding blanks.
QString genericName(const QString &journee, const QString &mention);
QString archiveName(const QString &journee, const QString &mention, const QDate &date);

// The mention of an opened file: what follows the day number and one character, without
// ".txt" and surrounding blanks ("12 2bis.txt" gives "2bis", "12.txt" gives "").
QString genericMention(const QString &fileName, const QString &journee);
// Same for an archive name, without its date ("12 2bis 04 12 2026 .txt" gives "2bis").
QString archiveMention(const QString &fileName, const QString &journee);

// The mention typed in the overwrite prompt: the answer loses its first journee.size()
// characters, whatever they are, its surrounding blanks, and is cut to five characters.
QString mentionFromAnswer(const QString &answer, const QString &journee);

} // namespace DayNames
