#include "core/roster/CaraibeReader.h"

#include "core/base/Cp1252.h"
#include "core/base/NumberText.h"
#include "core/base/Prompts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

namespace CaraibeReader {
namespace {

// The lines of a roster file, read in chunks so that the header costs only its first bytes.
// CR LF or a bare LF ends a line; a line holding a NUL byte or longer than MaxLineBytes, a read
// error or a file beyond MaxFileBytes makes the file unreadable from there on.
class LineSource
{
public:
    enum class Status { Line, End, Unreadable };

    explicit LineSource(QFile &file) : m_file(file) {}

    // `line` stays valid until the next call; `last` tells that no line follows it.
    Status next(QByteArrayView &line, bool &last)
    {
        qsizetype newline = -1;
        for (;;) {
            if (m_broken)
                return Status::Unreadable;
            newline = m_buffer.indexOf('\n', m_pos);
            if (newline >= 0 || m_atEnd)
                break;
            if (m_buffer.size() - m_pos > MaxLineBytes + 1)
                return Status::Unreadable;
            fill(m_pos);
        }
        if (newline < 0 && m_pos >= m_buffer.size())
            return Status::End;

        qsizetype start = m_pos;
        const qsizetype end = newline >= 0 ? newline : m_buffer.size();
        qsizetype length = end - start;
        if (length > 0 && m_buffer[end - 1] == '\r')
            --length;
        if (length > MaxLineBytes)
            return Status::Unreadable;
        m_pos = newline >= 0 ? newline + 1 : end;
        // Is there anything after this line? Reading on keeps the line's bytes in the buffer.
        if (m_pos >= m_buffer.size() && !m_atEnd)
            start -= fill(start);
        if (m_broken)
            return Status::Unreadable;
        line = QByteArrayView(m_buffer.constData() + start, length);
        if (line.contains('\0'))
            return Status::Unreadable;
        // A roster saved in UTF-8 is read line by line as the code page, so that its fixed
        // columns count characters.
        if (std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; })) {
            m_converted = Cp1252::fromFileBytes(line.toByteArray());
            line = m_converted;
        }
        last = m_pos >= m_buffer.size() && m_atEnd;
        return Status::Line;
    }

private:
    // Drops the bytes before `keepFrom`, reads the next chunk; returns how far the kept bytes
    // moved towards the start.
    qsizetype fill(qsizetype keepFrom)
    {
        m_buffer.remove(0, keepFrom);
        m_pos -= keepFrom;
        const qsizetype chunk = m_read == 0 ? 16 * 1024 : 256 * 1024;
        const qsizetype before = m_buffer.size();
        m_buffer.resize(before + chunk);
        const qint64 got = m_file.read(m_buffer.data() + before, chunk);
        m_buffer.resize(before + std::max<qint64>(got, 0));
        if (got < 0)
            m_broken = true;
        else if (got == 0)
            m_atEnd = true;
        m_read += std::max<qint64>(got, 0);
        if (m_read > MaxFileBytes)
            m_broken = true;
        return keepFrom;
    }

    QFile &m_file;
    QByteArray m_buffer;
    QByteArray m_converted; // the last line, when it had to be converted
    qsizetype m_pos = 0;
    qint64 m_read = 0;
    bool m_atEnd = false;
    bool m_broken = false;
};

// Only a readable regular file can be a roster: a folder, a device or a pipe is not.
bool openRoster(const QString &path, QFile &file)
{
    if (!QFileInfo(path).isFile())
        return false;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}

QString text(QByteArrayView bytes) { return Cp1252::decode(bytes.data(), bytes.size()); }

// Values are trimmed of blanks only.
QByteArray trimBlanks(QByteArrayView bytes)
{
    qsizetype first = 0, last = bytes.size();
    while (first < last && bytes[first] == ' ')
        ++first;
    while (last > first && bytes[last - 1] == ' ')
        --last;
    return bytes.sliced(first, last - first).toByteArray();
}

// YYYYMMDD in columns 6..13 becomes DD/MM/YYYY, without any check.
QString headerDate(QByteArrayView line)
{
    auto columns = [line](qsizetype from, qsizetype count) {
        if (from >= line.size())
            return QString();
        return text(line.sliced(from, std::min(count, line.size() - from)));
    };
    return columns(11, 2) + u'/' + columns(9, 2) + u'/' + columns(5, 4);
}

void readHeaderLine(QByteArrayView line, EnteteRoulement &header)
{
    if (line.size() < 4)
        return;
    const QByteArrayView key = line.first(4);
    const QByteArrayView value = line.size() > 5 ? line.sliced(5) : QByteArrayView();
    if (key == "ROUL") {
        header.roster = text(value);
    } else if (key == "LIEU") {
        header.place = text(value);
    } else if ((key.startsWith("DDA") || key.startsWith("DFA")) && key[3] >= '1' && key[3] <= '6') {
        const int k = key[3] - '0';
        if (key[1] == 'D') {
            header.startDates[size_t(k - 1)] = headerDate(line);
        } else {
            header.endDates[size_t(k - 1)] = headerDate(line);
            header.periodCount = k;
        }
    }
}

// The keys of days and steps. A line carries a key wherever its four letters stand in it.
enum Key : unsigned {
    NUJS = 1u << 0,
    HDJS = 1u << 1,
    HFJS = 1u << 2,
    LDJS = 1u << 3,
    LFJS = 1u << 4,
    NAEP = 1u << 5,
    NUMA = 1u << 6,
    LDEP = 1u << 7,
    LARR = 1u << 8,
    HDEP = 1u << 9,
    HFEP = 1u << 10,
    NBKM = 1u << 11,
    COAC = 1u << 12,
};

constexpr quint32 word(const char (&k)[5])
{
    return quint32(uchar(k[0])) | quint32(uchar(k[1])) << 8 | quint32(uchar(k[2])) << 16
           | quint32(uchar(k[3])) << 24;
}

// Every key of the line in one pass: the roster's lines are many and short.
unsigned keysIn(QByteArrayView line)
{
    unsigned keys = 0;
    const auto *p = reinterpret_cast<const uchar *>(line.data());
    for (qsizetype i = 0; i + 4 <= line.size(); ++i) {
        const quint32 w = quint32(p[i]) | quint32(p[i + 1]) << 8 | quint32(p[i + 2]) << 16
                          | quint32(p[i + 3]) << 24;
        switch (w) {
        case word("NUJS"):
            keys |= NUJS;
            break;
        case word("HDJS"):
            keys |= HDJS;
            break;
        case word("HFJS"):
            keys |= HFJS;
            break;
        case word("LDJS"):
            keys |= LDJS;
            break;
        case word("LFJS"):
            keys |= LFJS;
            break;
        case word("NAEP"):
            keys |= NAEP;
            break;
        case word("NUMA"):
            keys |= NUMA;
            break;
        case word("LDEP"):
            keys |= LDEP;
            break;
        case word("LARR"):
            keys |= LARR;
            break;
        case word("HDEP"):
            keys |= HDEP;
            break;
        case word("HFEP"):
            keys |= HFEP;
            break;
        case word("NBKM"):
            keys |= NBKM;
            break;
        case word("COAC"):
            keys |= COAC;
            break;
        default:
            break;
        }
    }
    return keys;
}

// A step as the file gives it; the bytes are kept so that the sort is bytewise.
struct Step {
    QByteArray nature, number, start, end, from, to, km, sortKey;
};

// Text padded with blanks to `width`, never cut.
void appendPadded(QByteArray &out, const QByteArray &value, qsizetype width)
{
    out += value;
    for (qsizetype n = value.size(); n < width; ++n)
        out += ' ';
}

// The step as one line of text, by which the steps of a day are ordered.
QByteArray LigneEtape(const Step &s)
{
    QByteArray line;
    line.reserve(48);
    line += s.sortKey;
    line += ' ';
    line += s.nature;
    line += ' ';
    appendPadded(line, s.number, 7);
    line += ' ';
    line += s.start;
    line += ' ';
    line += s.end;
    line += ' ';
    appendPadded(line, s.from, 3);
    line += ' ';
    appendPadded(line, s.to, 3);
    line += "  ";
    line += s.km;
    line += ' ';
    return line;
}

// A step after midnight sorts after the day's other steps: its time + 2400.
QByteArray CleTri(const QByteArray &start, const QByteArray &dayStart)
{
    const double hdep = NumberText::leadingNumber(QString::fromLatin1(start));
    const double hdjs = NumberText::leadingNumber(QString::fromLatin1(dayStart));
    if (hdep >= hdjs)
        return start;
    return NumberText::shortest(hdep + 2400).toLatin1();
}

// Orders the steps and sorts them out into trains and other activities. With at most 12
// steps a day, the 12 trains and 16 activities that a day can hold are never exceeded.
void classify(QList<Step> steps, const QByteArray &dayCode, JourneeCaraibe &day)
{
    QList<QByteArray> lines;
    lines.reserve(steps.size());
    for (Step &s : steps) {
        if (s.number.contains("EVO"))
            s.nature = "V";
        lines << LigneEtape(s);
    }
    std::vector<qsizetype> order(size_t(steps.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&lines](qsizetype a, qsizetype b) { return lines[a] < lines[b]; });

    for (qsizetype i : order) {
        const Step &s = steps[i];
        if (s.nature == "V" || s.nature == "A")
            day.activities << AutreActivite{text(s.start), text(s.end),
                                            lines[i].contains("TAX") ? QStringLiteral("TAX")
                                                                     : QStringLiteral("EV")};
        else if (s.nature == "R")
            day.activities << AutreActivite{text(s.start), text(s.end), text(dayCode)};
        else if (s.nature == "T" || s.nature == "H")
            day.trains << TrainCaraibe{text(s.number), text(s.start), text(s.end),
                                       text(s.from),   text(s.to),    text(s.km)};
    }
}

} // namespace

std::optional<EnteteRoulement> readHeader(const QString &path)
{
    if (path.endsWith(QLatin1String(".SWP")))
        return std::nullopt;
    QFile file;
    if (!openRoster(path, file) || file.size() == 0)
        return std::nullopt;
    LineSource source(file);
    QByteArrayView line;
    bool last = false;
    if (source.next(line, last) != LineSource::Status::Line || line != "[RLT]")
        return std::nullopt;
    EnteteRoulement header;
    while (!last && source.next(line, last) == LineSource::Status::Line && line != "[JOS]")
        readHeaderLine(line, header);
    return header;
}

void showRefusal(Prompts &prompts)
{
    prompts.message(QStringLiteral("Erreur !!"),
                    QStringLiteral("Ce fichier n'est pas un fichier Caraibe ! \r\n"
                                   "La conversion est impossible.\r\n"
                                   "Choisir un autre fichier s.v.p.."),
                    Prompts::Icon::Exclamation);
}

ReadEnd OuvreFichier_CARAIBE(const QString &path, const DayConsumer &consumer)
{
    if (path.isEmpty())
        return ReadEnd::Finished;
    QFile file;
    if (!openRoster(path, file))
        return ReadEnd::CannotOpen;
    LineSource source(file);

    // Day values stay from one day to the next until the next day's keys replace them; so do
    // the step values, which a step lacking a key inherits from the step before it.
    QByteArray nujs, hdjs, hfjs, ldjs, lfjs, dayCode;
    Step carried;
    QList<Step> steps;
    bool totals = false; // the day's "[TTL]" line has been read

    for (;;) {
        QByteArrayView line;
        bool last = false;
        switch (source.next(line, last)) {
        case LineSource::Status::End:
            return ReadEnd::Finished;
        case LineSource::Status::Unreadable:
            return ReadEnd::Unreadable;
        case LineSource::Status::Line:
            break;
        }
        const unsigned keys = keysIn(line);
        auto has = [keys](Key key) { return (keys & key) != 0; };
        auto value = [line] {
            return trimBlanks(line.size() > 5 ? line.sliced(5) : QByteArrayView());
        };

        if (has(NUJS))
            nujs = value();
        if (has(HDJS))
            hdjs = value();
        if (has(HFJS))
            hfjs = value();
        if (has(LDJS))
            ldjs = value();
        if (has(LFJS))
            lfjs = value();

        if (line == "[ETP]" && !totals) {
            if (steps.size() == JourneeCaraibe::MaxSteps)
                return ReadEnd::TooManySteps;
            steps << carried;
        }

        // After the totals the keys still carry on to later steps, but the day's steps stay.
        Step *current = !totals && !steps.isEmpty() ? &steps.last() : nullptr;
        auto set = [&carried, current](QByteArray Step::*field, const QByteArray &v) {
            carried.*field = v;
            if (current)
                (*current).*field = v;
        };
        if (has(NAEP))
            set(&Step::nature, value());
        if (!totals) {
            if (has(NUMA))
                set(&Step::number, value());
            if (has(LDEP))
                set(&Step::from, value());
            if (has(LARR))
                set(&Step::to, value());
        }
        if (has(HDEP)) {
            const QByteArray start = value();
            set(&Step::start, start);
            set(&Step::sortKey, CleTri(start, hdjs));
        }
        if (has(HFEP))
            set(&Step::end, value());
        if (has(NBKM))
            set(&Step::km, value());
        if (has(COAC))
            dayCode = value();

        if (line == "[TTL]")
            totals = true;

        if ((line == "[JOS]" && totals) || last) {
            JourneeCaraibe day;
            day.nujs = text(nujs);
            day.hdjs = text(hdjs);
            day.hfjs = text(hfjs);
            day.ldjs = text(ldjs);
            day.lfjs = text(lfjs);
            day.coac = text(dayCode);
            classify(steps, dayCode, day);
            if (!consumer(day))
                return ReadEnd::Stopped;
            steps.clear();
            dayCode.clear();
            totals = false;
        }
        if (last)
            return ReadEnd::Finished;
    }
}

} // namespace CaraibeReader
