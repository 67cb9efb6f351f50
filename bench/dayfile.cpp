// Save and load of a fully filled day file.
#include "BenchSupport.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/dayfiles/DayFileReader.h"
#include "core/dayfiles/DayFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void fill(AppState &state)
{
    state.record.setServiceDate(QDate(2026, 12, 4));
    for (int slot = 7; slot <= 272; ++slot)
        state.record.setSlot(slot, QString::fromUtf16(u"Valeur é %1").arg(slot));
    for (QStringList *list : {&state.verso.txtD, &state.verso.txtE, &state.verso.txtI,
                              &state.verso.textL})
        for (QString &text : *list)
            text = QString::fromUtf16(u"Texte du verso à remplir");
    state.verso.txtNumTrainH = QStringLiteral("12345\n67890\n13579\n24680");
    state.verso.txtObsMecUP = QStringLiteral("UP");
    state.verso.txtObsMec =
        QString(40, u'o') + u'\n' + QString(40, u'p') + u'\n' + QString(40, u'q');
    state.verso.txtJ = QStringLiteral("Beau temps");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppState state;
    state.config.ouestKerbo = Paths::CheckPath(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
    fill(state);
    SilentPrompts prompts;
    const QString path = dir.filePath(QStringLiteral("12.txt"));

    constexpr int Runs = 500;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Runs; ++i)
        DayFileWriter::save(path, state.record, state.verso);
    const double save = double(timer.nsecsElapsed()) / Runs / 1e6;

    // The save without the disk: what the program itself spends.
    timer.restart();
    qsizetype size = 0;
    for (int i = 0; i < Runs; ++i)
        size += DayFileWriter::bytes(state.record, state.verso).size();
    const double build = double(timer.nsecsElapsed()) / Runs / 1e6;

    timer.restart();
    for (int i = 0; i < Runs; ++i) {
        state.record.clearForNewDay();
        state.verso.clear();
        if (DayFileReader::load(path, state, prompts)) {
            std::printf("load failed\n");
            return 1;
        }
    }
    const double load = double(timer.nsecsElapsed()) / Runs / 1e6;

    std::printf("day file save (atomic write, synced to disk): %.3f ms (target < 1 ms)\n", save);
    std::printf("day file bytes of a save (%lld bytes): %.3f ms (target < 1 ms)\n",
                (long long)(size / Runs), build);
    std::printf("day file load (with Config.ini read): %.3f ms (target < 1 ms)\n", load);
    return 0;
}
