#pragma once

#include "core/base/IniFile.h"
#include "core/base/TextFile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>

// The automatisme file, read at its first use and kept: the lookups made as the driver types
// read this copy. The program's own writes replace the copy with what they wrote. The file is
// read again when its path changes, or when its size, times or identity on disk no longer match the
// copy's (a template added by hand while the program runs): a write never starts from a copy
// older than the file.
class AutomatismeStore
{
public:
    // No real store comes near this (5,000 automatismes make about 4 MB): the limit of the
    // program's other INI files.
    static constexpr qint64 MaxFileSize = TextFile::MaxIniBytes;

    // The file this store stands for; a new path is read at the next use.
    void setPath(const QString &path);
    const QString &path() const { return m_path; }

    // The parsed file; a missing file reads as empty.
    const IniFile &ini();
    // The file's bytes as on disk, in the code page (a file saved in UTF-8 comes converted).
    const QByteArray &bytes();
    // False when the file exists but could not be read whole: nothing may be written over it.
    // `error` then receives a French explanation.
    bool writable(QString *error = nullptr);

    // Applies `edit` to the held file and saves it atomically. On failure the file and the held
    // copy stay as they were and `error` says why.
    bool change(const std::function<void(IniFile &)> &edit, QString *error);
    // Puts `next` in place of the file through the temporary Automatisme2.ini, moved over the
    // file in one step: at no moment is there no Automatisme.ini.
    bool replace(IniFile next, QString *error);

    // Whether a line of the file is exactly `line` (no line end).
    bool hasLine(QByteArrayView line);
    // The start of the first line of `bytes` from `from` on that is exactly `line` (lines end
    // with CR LF or LF), or -1.
    static qsizetype findLine(const QByteArray &bytes, QByteArrayView line, qsizetype from);

private:
    // What tells a file changed on disk without reading it.
    struct Stamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time;
        std::array<qint64, 6> identity{}; // device, inode, change and write times
        bool operator==(const Stamp &) const = default;
    };
    Stamp stamp() const;
    void ensureLoaded();
    void keep(const QByteArray &bytes);

    QString m_path;
    bool m_loaded = false;
    Stamp m_stamp;
    QString m_readError;
    QByteArray m_bytes;
    IniFile m_ini;
};
