#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// An INI file with the semantics of the Windows profile API, read once and written once per
// operation. Section and key names are compared without regard to case and the first match wins;
// a value comes back trimmed, without one pair of surrounding quotes, cut at 254 characters.
// Writing replaces a value in place, adds a missing key at the end of its section and a missing
// section at the end of the file, and leaves every other line byte for byte as it was.
class IniFile
{
public:
    static constexpr int MaxValueLength = 254;

    IniFile() = default;
    explicit IniFile(const QString &path) { load(path); }

    // Reads the whole file; a missing file reads as an empty one. A file that exists but cannot
    // be read whole (no permission, an I/O error part-way, larger than any INI file of the
    // program) also reads as empty, but save() then refuses to write over it: false, and
    // loadError() says why.
    bool load(const QString &path);
    // Parses bytes as the content of a file (path left unchanged).
    void parse(const QByteArray &bytes);
    const QString &loadError() const { return m_loadError; }

    const QString &path() const { return m_path; }
    bool isEmpty() const { return m_lines.empty(); }

    QString value(QStringView section, QStringView key) const;
    bool contains(QStringView section, QStringView key) const;
    QStringList sections() const;
    QStringList keys(QStringView section) const;

    // A section or key name that would read back as something else: empty, or holding "[",
    // "]", "=", a line break, or a character that Windows-1252 cannot hold.
    static bool validName(QStringView name);

    // Refuses (false, nothing changed) a section or key name that is not validName().
    bool setValue(QStringView section, QStringView key, QStringView value);
    bool removeKey(QStringView section, QStringView key);
    bool removeSection(QStringView section);

    QByteArray toBytes() const;
    // Writes the file atomically to its path; `error` receives a French explanation. A file
    // that could not be read is never written over.
    bool save(QString *error = nullptr) const;

private:
    struct Line {
        qsizetype offset = 0; // into m_raw, or into m_extra when `extra`
        qsizetype length = 0; // without the line end
        quint8 eol = 0;       // 0 none, 1 LF, 2 CR LF
        bool extra = false;
    };
    struct Section {
        QString folded;
        int header = 0; // line index of "[name]"
    };

    QByteArrayView text(const Line &line) const;
    int findSection(QStringView section) const;
    int sectionEnd(int sectionIndex) const;
    int findKey(int sectionIndex, QStringView key, qsizetype *valueStart = nullptr) const;
    Line makeLine(const QByteArray &bytes);
    void insertLine(int at, const Line &line);
    void eraseLines(int from, int count);
    void rebuildIndex();

    QString m_path;
    QString m_loadError;
    QByteArray m_raw;
    QByteArray m_extra; // bytes of lines written since the load
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    QHash<QString, int> m_firstSection; // folded name -> index in m_sections
};
