#include "core/dayfiles/DayFileReader.h"

#include "core/AppState.h"
#include "core/base/AtomicFile.h"
#include "core/base/Cp1252.h"
#include "core/base/IniAccess.h"
#include "core/base/Prompts.h"
#include "core/base/TextFile.h"
#include "core/dayfiles/Blanks.h"
#include "core/dayfiles/DayFileLayout.h"
#include "core/model/ServiceDate.h"
#include "core/model/SlotTable.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>

namespace DayFileReader {
namespace {

// The lines of the file, one after the other; running out is a fault of the file.
class LineCursor
{
public:
    explicit LineCursor(const QStringList &lines) : m_lines(lines) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
    bool next(QString &line)
    {
        if (atEnd())
            return false;
        line = m_lines[m_next++];
        return true;
    }

private:
    const QStringList &m_lines;
    qsizetype m_next = 0;
};

QString markValue(const QString &line)
{
    const QString v = trimBlanks(line);
    if (v == u"0")
        return QString();
    if (v == u"1")
        return QStringLiteral("x");
    return v;
}

QString cut(const QString &text, int slot)
{
    const int limit = SlotTable::info(slot).loadLimit;
    return limit > 0 && text.size() > limit ? text.left(limit) : text;
}

bool parseDate(const QString &line, QDate &date)
{
    // " dd mm yyyy" as written; "/", "." or "-" between the numbers are taken too.
    static const QRegularExpression form(
        QStringLiteral("^ *(\\d{1,2})[ /.-](\\d{1,2})[ /.-](\\d{4}) *$"));
    const QRegularExpressionMatch m = form.match(line);
    if (!m.hasMatch())
        return false;
    date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    // A year the date box cannot show ("0026") would be saved and printed unlike it is shown.
    return date.isValid() && date >= ServiceDate::earliest();
}

// The lines between a start marker (already read) and its end marker, joined with "\n".
bool readMultiLine(LineCursor &cursor, const QString &endMarker, QString &text)
{
    QStringList parts;
    QString line;
    while (cursor.next(line)) {
        if (line == endMarker) {
            text = parts.join(u'\n');
            return true;
        }
        parts << line;
    }
    return false;
}

bool readFixedPart(LineCursor &c, bool evEnLoc, BulletinRecord &record, VersoContent &verso)
{
    using namespace DayFileLayout;
    QString line;
    QDate date;
    if (!c.next(line) || !parseDate(line, date))
        return false;
    record.setServiceDate(date);

    for (int slot = 7; slot <= 12; ++slot) {
        if (!c.next(line))
            return false;
        record.setSlot(slot, line);
    }
    for (int slot : HeaderMarks) {
        if (!c.next(line))
            return false;
        record.setSlot(slot, markValue(line));
    }
    for (int slot : {54, 55}) {
        if (!c.next(line))
            return false;
        record.setSlot(slot, line);
    }
    for (int first : {14, 26, 38})
        for (int k = 0; k <= 9; k += 3)
            for (int j = 0; j < 3; ++j) {
                if (!c.next(line))
                    return false;
                const int slot = first + k + j;
                // "EV" is compared as read, before any cut.
                if (first == 14 && j == 0 && evEnLoc && line == u"EV")
                    line = QStringLiteral("LOC");
                record.setSlot(slot, cut(line, slot));
            }

    for (int i = 0; i < SlotTable::LineCount; ++i)
        for (int r : LineOrder) {
            if (!c.next(line))
                return false;
            const int slot = SlotTable::lineSlot(i, r);
            if (SlotTable::isMark(slot))
                record.setSlot(slot, markValue(line));
            else if (r == SlotTable::NumeroTrain)
                record.setSlot(slot, trimBlanks(line));
            else
                record.setSlot(slot, cut(line, slot));
        }
    for (int i = 0; i < SlotTable::LineCount; ++i)
        for (int r : EngineOffsets) {
            if (!c.next(line))
                return false;
            record.setSlot(SlotTable::lineSlot(i, r), line);
        }

    for (int i = 0; i < VersoContent::DCount; ++i)
        if (!c.next(verso.txtD[i]))
            return false;
    for (int i = 0; i < VersoContent::ECount; ++i)
        if (!c.next(verso.txtE[i]))
            return false;

    // Files made by the roster converter have empty lines where these markers stand: the
    // line is then used up and the text stays empty.
    if (!c.next(line))
        return false;
    if (line == DebutNumTrain && !readMultiLine(c, FinNumTrain, verso.txtNumTrainH))
        return false;
    if (!c.next(verso.txtObsMecUP))
        return false;
    if (!c.next(line))
        return false;
    if (line == DebutObsMec && !readMultiLine(c, FinObsMec, verso.txtObsMec))
        return false;
    for (int i = 0; i < VersoContent::ICount; ++i)
        if (!c.next(verso.txtI[i]))
            return false;
    return c.next(verso.txtJ);
}

// Km and regularity blocks, in any order, anything else between them ignored.
bool readBlocks(LineCursor &c, BulletinRecord &record, VersoContent &verso)
{
    using namespace DayFileLayout;
    bool inKm = false, inRegularity = false;
    int km = 0, regularity = 0;
    QString line;
    while (c.next(line)) {
        if (inKm) {
            if (line == FinKmTrain)
                inKm = false;
            else if (km >= KmLines)
                return false;
            else
                record.setSlot(SlotTable::lineSlot(km++, SlotTable::KmTrain), line);
        } else if (inRegularity) {
            if (line == FinRegularite)
                inRegularity = false;
            else if (regularity >= RegularityLines)
                return false;
            else
                verso.textL[regularity++] = line;
        } else if (line == DebutKmTrain) {
            inKm = true;
            km = 0;
        } else if (line == Regularite) {
            inRegularity = true;
            regularity = 0;
        }
    }
    // The blocks are read to the end of the file: one that the file ends in is over, with what
    // it held.
    return true;
}

void showRefusal(Prompts &prompts)
{
    prompts.message(QStringLiteral("Erreur !!"),
                    QString::fromUtf16(u"Ce fichier n'est pas un fichier de journée  ! \r\n"
                                       u"Le chargement est impossible.\r\n\r\n"
                                       u"Choisir un autre fichier s.v.p.."),
                    Prompts::Icon::Exclamation);
}

} // namespace

bool splitDayFile(const QByteArray &bytes, QStringList &lines)
{
    if (bytes.size() > MaxFileBytes || bytes.contains('\0'))
        return false;
    lines = TextFile::splitLines(bytes);
    // A carriage return inside a line is not one the writer could write back: a blank.
    for (QString &line : lines)
        line.replace(u'\r', u' ');
    // One byte is one character in Windows-1252.
    return std::none_of(lines.cbegin(), lines.cend(),
                        [](const QString &line) { return line.size() > MaxLineBytes; });
}

bool parse(const QStringList &lines, bool evEnLoc, BulletinRecord &record, VersoContent &verso)
{
    // Every list must hold its full count of texts before the reader fills them by index.
    auto fit = [](QStringList &list, int count) {
        while (list.size() < count)
            list << QString();
    };
    fit(verso.txtD, VersoContent::DCount);
    fit(verso.txtE, VersoContent::ECount);
    fit(verso.txtI, VersoContent::ICount);
    fit(verso.textL, VersoContent::LCount);
    LineCursor cursor(lines);
    return readFixedPart(cursor, evEnLoc, record, verso) && readBlocks(cursor, record, verso);
}

bool load(const QString &path, AppState &state, Prompts &prompts)
{
    // The setting in use: read at start-up, then the one the options window confirmed, also
    // when Config.ini could not take it.
    const bool evEnLoc = state.config.loc == u"1";
    if (path.isEmpty())
        return false;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString cause = AtomicFile::readCause(errno, file.errorString());
        // Told like a file that is no day file: what went wrong, then what to do.
        prompts.message(QStringLiteral("Erreur !!"),
                        QStringLiteral("Impossible d'ouvrir le fichier %1 :\r\n%2\r\n\r\n"
                                       "Choisir un autre fichier s.v.p..")
                            .arg(QDir::toNativeSeparators(path), cause),
                        Prompts::Icon::Exclamation);
        return true;
    }
    // One byte more than the largest day file tells an oversized file without reading it all.
    // Read to the end: one read can come back short and without an error when the next one
    // fails, and the day would open without its kilometres or its regularity.
    QByteArray raw;
    while (!file.atEnd() && raw.size() <= MaxFileBytes) {
        const QByteArray more = file.read(MaxFileBytes + 1 - raw.size());
        if (more.isEmpty()) break;
        raw += more;
    }
    const bool readOk =
        file.error() == QFileDevice::NoError && (file.atEnd() || raw.size() > MaxFileBytes);
    file.close();
    const QByteArray bytes = Cp1252::fromFileBytes(raw);

    QStringList lines;
    if (!readOk || !splitDayFile(bytes, lines)
        || !parse(lines, evEnLoc, state.record, state.verso)) {
        showRefusal(prompts);
        return true;
    }
    return false;
}

} // namespace DayFileReader
