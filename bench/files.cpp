// The file window listing a folder of day files.
#include "BenchSupport.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/folders/FolderListing.h"
#include "ui/Session.h"
#include "ui/folders/FolderPane.h"
#include "ui/folders/frmGestionFichier.h"
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
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    constexpr int Files = 5000;
    const QString folder = home.filePath(QStringLiteral("ARCHIVES"));
    QDir().mkpath(folder);
    for (int i = 0; i < Files; ++i) {
        QFile f(QDir(folder).filePath(QStringLiteral("%1 04 12 2026 .txt").arg(i)));
        if (!f.open(QIODevice::WriteOnly) || f.write("12\r\n") != 4) {
            std::printf("cannot write the day files\n");
            return 1;
        }
    }
    AppState state;
    SilentPrompts prompts;
    PrinterChoice printer;
    Session session{state, prompts, printer};
    frmGestionFichier window(session);
    window.show();
    QCoreApplication::processEvents();

    constexpr int Runs = 20;
    QElapsedTimer timer;
    double pane = 0;
    for (int i = 0; i < Runs; ++i) {
        window.source()->setFolder(home.path());
        timer.restart();
        window.source()->setFolder(folder);
        QCoreApplication::processEvents();
        pane += double(timer.nsecsElapsed()) / 1e6;
        if (window.source()->fileList()->count() != Files) {
            std::printf("file list shows %d files\n", window.source()->fileList()->count());
            return 1;
        }
    }
    pane /= Runs;

    // The same listing with nothing shown: what the disk itself costs.
    timer.restart();
    for (int i = 0; i < Runs; ++i)
        FolderListing::dayFiles(folder);
    const double listing = double(timer.nsecsElapsed()) / Runs / 1e6;

    std::printf("file window showing %d day files: %.2f ms (target < 100 ms); listing alone "
                "%.2f ms, ratio %.1f\n",
                Files, pane, listing, pane / listing);
    return 0;
}
