#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>

#include "core/base/Cp1252.h"
#include "core/base/IniFile.h"

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: told, then a crash that libFuzzer keeps as an input.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s (%s) at %s:%d\n", #condition,            \
                         QString(what).toLocal8Bit().constData(), __FILE__, __LINE__);             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Where two files part: the first line that differs, for a failure message.
inline QString firstDifference(const QByteArray &a, const QByteArray &b)
{
    const QList<QByteArray> x = a.split('\n'), y = b.split('\n');
    for (qsizetype i = 0; i < qMax(x.size(), y.size()); ++i)
        if (x.value(i) != y.value(i))
            return QStringLiteral("line %1: '%2' / '%3'")
                .arg(i + 1)
                .arg(QString::fromLatin1(x.value(i).toPercentEncoding(" ")),
                     QString::fromLatin1(y.value(i).toPercentEncoding(" ")));
    return QString();
}

// A text as a failure message can show it: control characters and non-ASCII bytes escaped.
inline QString shown(const QString &text)
{
    return QString::fromLatin1(Cp1252::encode(text).toPercentEncoding(" "));
}

// Writes a harness's input to a file, as a reader will find it.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Where harnesses that go through files keep them: memory when the system has it, so that the
// disk's own speed does not slow the fuzzing down.
inline QString scratchFolder()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

// The value a key reads back once written: on its line, trimmed of blanks, without one pair of
// surrounding quotes, cut at 254 characters.
inline QString readBack(const QString &written)
{
    QString v = Cp1252::decode(Cp1252::encode(written));
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    qsizetype b = 0, e = v.size();
    while (b < e && (v[b] == u' ' || v[b] == u'\t'))
        ++b;
    while (e > b && (v[e - 1] == u' ' || v[e - 1] == u'\t'))
        --e;
    v = v.mid(b, e - b);
    if (v.size() >= 2 && (v[0] == u'"' || v[0] == u'\'') && v.back() == v[0])
        v = v.mid(1, v.size() - 2);
    return v.left(IniFile::MaxValueLength);
}
