// Config.ini-style file of 200,000 keys (5,000 sections of 40 keys): load, read the 40 keys of
// one section, write them back and save, as one dialog of the program would.
#include "BenchSupport.h"

#include "core/base/IniFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Sections = 5000;
constexpr int KeysPerSection = 40;

QByteArray bigFile()
{
    QByteArray out;
    out.reserve(Sections * KeysPerSection * 24);
    for (int s = 0; s < Sections; ++s) {
        out += "[Train" + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < KeysPerSection; ++k)
            out += "HeureD\xE9p" + QByteArray::number(k) + "=" + QByteArray::number(s * 100 + k)
                   + "\r\n";
    }
    return out;
}

double ms(qint64 ns) { return double(ns) / 1e6; }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Config.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bigFile()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    const QString section = QStringLiteral("train2500");
    QStringList keys;
    for (int k = 0; k < KeysPerSection; ++k)
        keys << QStringLiteral("heuredép%1").arg(k);

    std::vector<double> loads, reads, writes, saves;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer t;
        t.start();
        IniFile ini(path);
        const qint64 loaded = t.nsecsElapsed();
        QStringList values;
        for (const QString &key : keys)
            values << ini.value(section, key);
        const qint64 read = t.nsecsElapsed();
        for (int k = 0; k < KeysPerSection; ++k)
            ini.setValue(section, keys[k], values[k] + QStringLiteral("x"));
        const qint64 written = t.nsecsElapsed();
        if (!ini.save()) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            return 1;
        }
        const qint64 saved = t.nsecsElapsed();
        if (values[7] != QStringLiteral("250007") + QString(run, u'x')) {
            std::fprintf(stderr, "wrong value read: %s\n", qPrintable(values[7]));
            return 1;
        }
        loads.push_back(ms(loaded));
        reads.push_back(ms(read - loaded));
        writes.push_back(ms(written - read));
        saves.push_back(ms(saved - written));
    }

    const double load = median(loads), read = median(reads), write = median(writes),
                 save = median(saves);
    std::printf("ini: load of 200,000 keys: %.2f ms\n", load);
    std::printf("ini: 40 reads of one section: %.3f ms\n", read);
    std::printf("ini: load and 40 reads: %.2f ms (target < 20 ms)\n", load + read);
    std::printf("ini: 40 writes: %.3f ms\n", write);
    std::printf("ini: one save: %.2f ms\n", save);
    std::printf("ini: 40 writes and one save: %.2f ms (target < 40 ms)\n", write + save);
    return 0;
}
