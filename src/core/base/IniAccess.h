#pragma once

#include <QString>

// One-key access to an INI file of the data folder. Each call reads (or writes) the file once;
// an operation on many keys uses IniFile directly.
struct IniValue {
    QString text;       // trimmed, cut at 254 characters, "" when absent
    double number = 0;  // leading number of the text, 0 when none
};

IniValue LectureINI(const QString &path, const QString &section, const QString &key);

// Creates the file, the section or the key as needed. A failed write is returned, never shown.
bool EcritureINI(const QString &path, const QString &section, const QString &key,
                 const QString &value);
