// The list window opened on a long reference list, and the learning of one station in it.
#include "BenchSupport.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/base/TextFile.h"
#include "core/lists/ListFile.h"
#include "core/lists/ReferenceLists.h"
#include "ui/Session.h"
#include "ui/lists/frmGestListe.h"
#include "ui/print/PrinterChoice.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppState state;
    state.config.ouestKerbo = Paths::CheckPath(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
    constexpr int Items = 10000;
    QStringList items;
    for (int i = 0; i < Items; ++i)
        items << QStringLiteral("GARE%1").arg(i, 5, 10, QLatin1Char('0'));
    const QString path = state.config.dataFile(QStringLiteral("ListeGares.txt"));
    TextFile::writeLines(path, items);
    SilentPrompts prompts;
    PrinterChoice printer;
    Session session{state, prompts, printer};

    constexpr int Runs = 20;
    QElapsedTimer timer;
    double open = 0;
    for (int i = 0; i < Runs; ++i) {
        timer.restart();
        frmGestListe window(session, ReferenceLists::Kind::Gares);
        window.show();
        QCoreApplication::processEvents();
        open += double(timer.nsecsElapsed()) / 1e6;
        if (window.list()->count() != Items) {
            std::printf("list window shows %d items\n", window.list()->count());
            return 1;
        }
    }
    open /= Runs;

    // Learning one new station, against one reading and one atomic write of the same list: the
    // learning reads the list once and writes it once.
    constexpr int Learnt = 200;
    Options options;
    options.enaug = 1;
    timer.restart();
    for (int i = 0; i < Learnt; ++i)
        ReferenceLists::learnLeftSlot(state.config.dataFolder(), options, QString(), 9,
                                      QStringLiteral("NOUVELLE %1").arg(i));
    const double learn = double(timer.nsecsElapsed()) / Learnt / 1e6;
    timer.restart();
    for (int i = 0; i < Learnt; ++i)
        ListFile::read(path);
    const double read = double(timer.nsecsElapsed()) / Learnt / 1e6;
    const QByteArray bytes = ListFile::read(path).bytes;
    timer.restart();
    for (int i = 0; i < Learnt; ++i)
        TextFile::writeAtomic(path, bytes);
    const double write = double(timer.nsecsElapsed()) / Learnt / 1e6;

    std::printf("list window opened on %d items: %.2f ms (target < 50 ms)\n", Items, open);
    std::printf("station learnt into a %d-item list: %.2f ms; one reading %.2f ms + one atomic "
                "write %.2f ms of the list, ratio %.2f (target < 1.5: the list read once)\n",
                Items, learn, read, write, learn / (read + write));
    return 0;
}
