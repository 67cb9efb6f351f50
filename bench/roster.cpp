// A roster of 1,000 days (12,000 steps): header, reading alone, reading and conversion.
#include "BenchSupport.h"

#include "core/base/Prompts.h"
#include "core/roster/CaraibeConversion.h"
#include "core/roster/CaraibeReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Each day: 6 trains and 6 other activities, keys in the order the roster system writes them.
QByteArray bigRoster(int days)
{
    QByteArray out = "[RLT]\r\nROUL=R142\r\nLIEU=PARIS\r\nLBUP=SUD-EST\r\nDDA1=20260105\r\n"
                     "DFA1=20260301\r\nDDA2=20260302\r\nDFA2=20260628\r\n";
    out.reserve(days * 1700);
    for (int d = 1; d <= days; ++d) {
        out += "[JOS]\r\nNUJS=" + QByteArray::number(d)
               + "A\r\nHDJS=0500\r\nHFJS=1500\r\n"
                 "LDJS=PLY\r\nLFJS=PLY\r\nEQP1=1\r\n";
        for (int s = 0; s < 12; ++s) {
            const QByteArray hour = QByteArray::number(5 + s).rightJustified(2, '0');
            out += "[ETP]\r\nNAEP=" + QByteArray(s % 2 ? "A" : "T") + "\r\nNUMA=14"
                   + QByteArray::number(d * 100 + s) + "\r\nHDEP=" + hour + "10\r\nHFEP=" + hour
                   + "50\r\nLDEP=PLY\r\nLARR=MPU\r\nNBKM=" + QByteArray::number(10 + s)
                   + "\r\nPREP=0\r\n";
        }
        out += "[TTL]\r\nNBKM=150\r\nCOAC=DIS\r\n";
    }
    return out;
}

// Processor time of the program: the machine may be busy with other work.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
    QDir(dir.path()).mkpath(QStringLiteral("lecteur"));
    const QString path = dir.filePath(QStringLiteral("roulement.txt"));
    {
        QFile f(path);
        const QByteArray bytes = bigRoster(1000);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
        std::printf("roster: 1,000 days, 12,000 steps, %.1f MB\n", bytes.size() / 1048576.0);
    }

    QElapsedTimer t;
    std::vector<double> header, reading, readingCpu;
    for (int run = 0; run < 50; ++run) {
        t.start();
        if (!CaraibeReader::readHeader(path))
            return 1;
        header.push_back(t.nsecsElapsed() / 1e6);
    }
    int days = 0;
    for (int run = 0; run < 5; ++run) {
        days = 0;
        const double cpu = cpuMs();
        t.start();
        CaraibeReader::OuvreFichier_CARAIBE(path, [&days](const JourneeCaraibe &) {
            ++days;
            return true;
        });
        reading.push_back(t.nsecsElapsed() / 1e6);
        readingCpu.push_back(cpuMs() - cpu);
    }
    SilentPrompts prompts;
    prompts.typed = QStringLiteral("1"); // the period the conversion asks for
    CaraibeConversion conversion(dir.filePath(QStringLiteral("DataBul")));
    conversion.pickFile(path, prompts);
    // On the disk of the build, then in memory where there is a memory file system: the
    // difference is what creating the files costs the disk.
    QTemporaryDir memory(QStringLiteral("/dev/shm/kerbo-bench-XXXXXX"));
    struct Place {
        const char *name;
        QString drive;
        std::vector<double> times;
        std::vector<double> cpu;
        std::vector<double> plain;
    };
    std::vector<Place> places = {{"on disk", dir.filePath(QStringLiteral("lecteur")), {}, {}, {}}};
    if (memory.isValid())
        places.push_back({"in memory", memory.path(), {}, {}, {}});
    int files = 0;
    for (Place &place : places)
        for (int run = 0; run < 5; ++run) {
            const double cpu = cpuMs();
            t.start();
            conversion.convert(place.drive, QStringLiteral("R%1").arg(run), prompts,
                               QDate(2026, 3, 15));
            place.times.push_back(t.nsecsElapsed() / 1e6);
            place.cpu.push_back(cpuMs() - cpu);
            files = int(
                QDir(place.drive + QStringLiteral("/R%1").arg(run)).entryList(QDir::Files).size());

            // The peer: as many files of the same size written one after the other, nothing
            // else.
            const QString plain = place.drive + QStringLiteral("/plain%1/").arg(run);
            QDir().mkpath(plain);
            const QByteArray bytes(1100, 'x');
            t.start();
            for (int f = 0; f < files; ++f) {
                QFile file(plain + QString::number(f) + QStringLiteral(".txt"));
                if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                    return 1;
            }
            place.plain.push_back(t.nsecsElapsed() / 1e6);
        }

    std::printf("header read: %.2f ms (target < 5 ms)\n", median(header));
    std::printf("days read (%d days): %.1f ms (processor %.1f ms)\n", days, median(reading),
                median(readingCpu));
    for (const Place &place : places)
        std::printf("read and converted %s (%d days, %d files): %.1f ms, processor %.1f ms "
                    "(target < 300 ms)\n",
                    place.name, conversion.convertedDays(), files, median(place.times),
                    median(place.cpu));
    for (const Place &place : places)
        std::printf("%d plain files written %s: %.1f ms; conversion / plain files: %.1f\n", files,
                    place.name, median(place.plain), median(place.times) / median(place.plain));
    std::printf("conversion / reading alone: %.1f\n",
                median(places.back().times) / median(reading));
    return 0;
}
