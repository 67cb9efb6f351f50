#include "core/base/IniFile.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && isBlank(v[b]))
        ++b;
    while (e > b && isBlank(v[e - 1]))
        --e;
    return v.sliced(b, e - b);
}

// A name looked up or written loses what the reading drops around a name in the file (blanks
// and tabs), and only that: a name ending in a no-break space or a form feed stays as typed.
QStringView trimmed(QStringView name)
{
    qsizetype b = 0, e = name.size();
    while (b < e && (name[b] == u' ' || name[b] == u'\t'))
        ++b;
    while (e > b && (name[e - 1] == u' ' || name[e - 1] == u'\t'))
        --e;
    return name.sliced(b, e - b);
}

// The name of "[name]" (trimmed), or a null view when the line is not a section header.
QByteArrayView sectionName(QByteArrayView line)
{
    const QByteArrayView t = trimmed(line);
    if (t.isEmpty() || t[0] != '[')
        return {};
    qsizetype close = t.indexOf(']');
    if (close < 0)
        close = t.size();
    return trimmed(t.sliced(1, close - 1));
}

QString folded(QByteArrayView bytes)
{
    return Cp1252::decode(bytes.data(), bytes.size()).toCaseFolded();
}

bool sameName(QByteArrayView bytes, QStringView name)
{
    return QStringView(Cp1252::decode(bytes.data(), bytes.size()))
               .compare(trimmed(name), Qt::CaseInsensitive) == 0;
}

QByteArray cleanValue(QStringView value)
{
    // A line break inside a value would split the file's line; keep the value on its line.
    QString v = value.toString();
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    return Cp1252::encode(v);
}

} // namespace

bool IniFile::load(const QString &path)
{
    m_path = path;
    const TextFile::ReadBytes file = TextFile::readBytes(path, TextFile::MaxIniBytes);
    parse(file.bytes);
    if (file.ok || file.missing)
        return true;
    m_loadError = file.error;
    return false;
}

void IniFile::parse(const QByteArray &bytes)
{
    m_loadError.clear();
    m_raw = bytes;
    m_extra.clear();
    m_lines.clear();
    const char *data = m_raw.constData();
    const qsizetype size = m_raw.size();
    qsizetype start = 0;
    while (start < size) {
        const void *hit = memchr(data + start, '\n', size_t(size - start));
        const qsizetype end = hit ? static_cast<const char *>(hit) - data : size;
        Line line;
        line.offset = start;
        line.length = end - start;
        if (hit) {
            line.eol = 1;
            if (line.length > 0 && data[end - 1] == '\r') {
                --line.length;
                line.eol = 2;
            }
        }
        m_lines.push_back(line);
        start = end + 1;
    }
    rebuildIndex();
}

void IniFile::rebuildIndex()
{
    m_sections.clear();
    m_firstSection.clear();
    for (int i = 0; i < int(m_lines.size()); ++i) {
        const QByteArrayView t = text(m_lines[i]);
        // Cheap test first: most lines of a big file are keys.
        qsizetype b = 0;
        while (b < t.size() && isBlank(t[b]))
            ++b;
        if (b >= t.size() || t[b] != '[')
            continue;
        m_sections.push_back(Section{folded(sectionName(t)), i});
    }
    // First match wins: walk backwards so that the earliest section of a name is kept.
    for (int i = int(m_sections.size()) - 1; i >= 0; --i)
        m_firstSection.insert(m_sections[i].folded, i);
}

QByteArrayView IniFile::text(const Line &line) const
{
    const QByteArray &store = line.extra ? m_extra : m_raw;
    return QByteArrayView(store.constData() + line.offset, line.length);
}

int IniFile::findSection(QStringView section) const
{
    return m_firstSection.value(trimmed(section).toString().toCaseFolded(), -1);
}

int IniFile::sectionEnd(int sectionIndex) const
{
    return sectionIndex + 1 < int(m_sections.size()) ? m_sections[sectionIndex + 1].header
                                                     : int(m_lines.size());
}

int IniFile::findKey(int sectionIndex, QStringView key, qsizetype *valueStart) const
{
    const int end = sectionEnd(sectionIndex);
    for (int i = m_sections[sectionIndex].header + 1; i < end; ++i) {
        const QByteArrayView t = text(m_lines[i]);
        const qsizetype eq = t.indexOf('=');
        if (eq < 0)
            continue;
        if (sameName(trimmed(t.first(eq)), key)) {
            if (valueStart)
                *valueStart = eq + 1;
            return i;
        }
    }
    return -1;
}

QString IniFile::value(QStringView section, QStringView key) const
{
    const int s = findSection(section);
    if (s < 0)
        return QString();
    qsizetype valueStart = 0;
    const int line = findKey(s, key, &valueStart);
    if (line < 0)
        return QString();
    QByteArrayView v = trimmed(text(m_lines[line]).sliced(valueStart));
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
        v = v.sliced(1, v.size() - 2);
    if (v.size() > MaxValueLength)
        v = v.first(MaxValueLength);
    return Cp1252::decode(v.data(), v.size());
}

bool IniFile::contains(QStringView section, QStringView key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Section &s : m_sections) {
        const QByteArrayView n = sectionName(text(m_lines[s.header]));
        names << Cp1252::decode(n.data(), n.size());
    }
    return names;
}

QStringList IniFile::keys(QStringView section) const
{
    QStringList names;
    const int s = findSection(section);
    if (s < 0)
        return names;
    const int end = sectionEnd(s);
    for (int i = m_sections[s].header + 1; i < end; ++i) {
        const QByteArrayView t = text(m_lines[i]);
        const qsizetype eq = t.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArrayView k = trimmed(t.first(eq));
        if (!k.isEmpty())
            names << Cp1252::decode(k.data(), k.size());
    }
    return names;
}

IniFile::Line IniFile::makeLine(const QByteArray &bytes)
{
    Line line;
    line.extra = true;
    line.offset = m_extra.size();
    line.length = bytes.size();
    line.eol = 2;
    m_extra += bytes;
    return line;
}

void IniFile::insertLine(int at, const Line &line)
{
    // The line before the new one must end, or both would share one line of the file.
    if (at > 0 && m_lines[at - 1].eol == 0)
        m_lines[at - 1].eol = 2;
    m_lines.insert(m_lines.begin() + at, line);
    for (Section &s : m_sections)
        if (s.header >= at)
            ++s.header;
}

void IniFile::eraseLines(int from, int count)
{
    m_lines.erase(m_lines.begin() + from, m_lines.begin() + from + count);
    rebuildIndex();
}

bool IniFile::validName(QStringView name)
{
    if (trimmed(name).isEmpty()) return false;
    for (const QChar c : name)
        if (c == u'[' || c == u']' || c == u'=' || c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    // A character outside the code page would be written as "?" and no longer match.
    return Cp1252::decode(Cp1252::encode(name)) == name;
}

bool IniFile::setValue(QStringView section, QStringView key, QStringView value)
{
    if (!validName(section) || !validName(key))
        return false;
    int s = findSection(section);
    if (s >= 0) {
        qsizetype valueStart = 0;
        const int line = findKey(s, key, &valueStart);
        if (line >= 0) {
            // In place: the key keeps its own spelling, the value is replaced.
            const QByteArray keyText = trimmed(text(m_lines[line]).first(valueStart - 1)).toByteArray();
            const quint8 eol = m_lines[line].eol;
            m_lines[line] = makeLine(keyText + '=' + cleanValue(value));
            m_lines[line].eol = eol;
            return true;
        }
        // At the end of the section, after its last line that is not blank.
        int at = sectionEnd(s);
        while (at - 1 > m_sections[s].header && trimmed(text(m_lines[at - 1])).isEmpty())
            --at;
        insertLine(at, makeLine(Cp1252::encode(trimmed(key)) + '=' + cleanValue(value)));
        return true;
    }
    const int at = int(m_lines.size());
    insertLine(at, makeLine('[' + Cp1252::encode(trimmed(section)) + ']'));
    m_sections.push_back(Section{trimmed(section).toString().toCaseFolded(), at});
    m_firstSection.insert(m_sections.back().folded, int(m_sections.size()) - 1);
    insertLine(at + 1, makeLine(Cp1252::encode(trimmed(key)) + '=' + cleanValue(value)));
    return true;
}

bool IniFile::removeKey(QStringView section, QStringView key)
{
    const int s = findSection(section);
    if (s < 0)
        return false;
    const int line = findKey(s, key);
    if (line < 0)
        return false;
    eraseLines(line, 1);
    return true;
}

bool IniFile::removeSection(QStringView section)
{
    const int s = findSection(section);
    if (s < 0)
        return false;
    const int from = m_sections[s].header;
    eraseLines(from, sectionEnd(s) - from);
    return true;
}

QByteArray IniFile::toBytes() const
{
    qsizetype total = 0;
    for (const Line &l : m_lines)
        total += l.length + l.eol;
    QByteArray out;
    out.reserve(total);
    // Lines that still follow one another in the loaded bytes, each with its own line end, are
    // copied in one piece: a big file is a few copies rather than one per line.
    qsizetype runStart = 0, runEnd = 0;
    const auto flush = [&] {
        if (runEnd > runStart)
            out.append(m_raw.constData() + runStart, runEnd - runStart);
        runStart = runEnd = 0;
    };
    for (const Line &l : m_lines) {
        const qsizetype end = l.offset + l.length + l.eol;
        if (!l.extra && end <= m_raw.size()) {
            if (runEnd == runStart || runEnd != l.offset) {
                flush();
                runStart = l.offset;
            }
            runEnd = end;
            continue;
        }
        flush();
        out += text(l);
        if (l.eol == 2)
            out += "\r\n";
        else if (l.eol == 1)
            out += '\n';
    }
    flush();
    return out;
}

bool IniFile::save(QString *error) const
{
    if (!m_loadError.isEmpty()) {
        if (error)
            *error = m_loadError + QStringLiteral("\r\nIl n'est pas réécrit, pour ne rien perdre "
                                                  "de ce qu'il contient.");
        return false;
    }
    const QByteArray bytes = toBytes();
    // The file already holds these bytes (as each start writes the program folder again):
    // nothing to write, nor to wait for on the disk.
    if (!m_raw.isEmpty() && bytes == m_raw)
        return true;
    return TextFile::writeAtomic(m_path, bytes, error);
}
