#include "core/base/IniAccess.h"

#include "core/base/IniFile.h"
#include "core/base/NumberText.h"

IniValue LectureINI(const QString &path, const QString &section, const QString &key)
{
    const IniFile ini(path);
    IniValue v;
    v.text = ini.value(section, key);
    v.number = NumberText::leadingNumber(v.text);
    return v;
}

bool EcritureINI(const QString &path, const QString &section, const QString &key,
                 const QString &value)
{
    IniFile ini(path);
    ini.setValue(section, key, value);
    return ini.save();
}
