// Printing the verso: both multi-line texts broken at their 42-line limit in the verso font,
// then the full verso sent to a PDF file; the recto printed the same way is the peer.
#include "core/AppState.h"
#include "core/model/SlotTable.h"
#include "core/print/PrinterFonts.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"
#include "core/print/VersoWrap.h"
#include "ui/print/PrinterPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void fill(AppState &state)
{
    state.printLayout.DefautParaImp();
    state.printLayout.DefautParaImpVerso();
    const PrinterFont font{QStringLiteral("DejaVu Sans"), 10, QStringLiteral("False"),
                           QStringLiteral("False")};
    state.config.rectoFont = font;
    state.config.versoFont = font;
    for (int slot = 1; slot <= 271; ++slot)
        state.record.setSlot(slot, SlotTable::isMark(slot) ? QStringLiteral("x")
                                                           : QStringLiteral("AB12"));
    VersoContent &v = state.verso;
    for (QStringList *list : {&v.txtD, &v.txtE, &v.txtI, &v.textL})
        for (int i = 0; i < list->size(); ++i)
            (*list)[i] = QStringLiteral("T%1").arg(i);
    v.txtJ = QStringLiteral("Brouillard givrant");
    v.txtObsMecUP = QStringLiteral("UP Paris Nord");
    QStringList trains;
    for (int n = 0; n < 50; ++n)
        trains << QString::number(140000 + n);
    v.txtNumTrainH = trains.join(u'\n');
    // Far more than 42 lines of 105 mm.
    for (int n = 0; n < 150; ++n)
        v.txtObsMec += QStringLiteral("Freinage long a l'approche du signal %1, ").arg(n);
}

// Median and worst of 20 runs, each printing one page to a new PDF file.
std::pair<double, double> measure(const QTemporaryDir &dir, const char *name,
                                  const std::function<void(PrinterPage &)> &print)
{
    std::vector<double> ms;
    for (int run = 0; run < 20; ++run) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("%1%2.pdf").arg(name).arg(run)));
        QElapsedTimer timer;
        timer.start();
        PrinterPage page(printer);
        if (!page.begin()) return {-1, -1};
        print(page);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppState state;
    fill(state);

    const auto verso = measure(dir, "verso", [&state](PrinterPage &page) {
        page.setFont(PrinterFonts::versoFontForPrinting(state.config, page.font()));
        state.versoLines = VersoWrap::wrapBoth(state.verso, state.printLayout, page);
        VersoPrinter::print(state, page);
    });
    const auto recto =
        measure(dir, "recto", [&state](PrinterPage &page) { RectoPrinter::print(state, page); });
    if (state.versoLines.observations.back().isEmpty() ||
        state.versoLines.trainNumbers.back().isEmpty())
        std::printf("warning: the texts did not reach 42 lines\n");

    std::printf("verso: 42-line breaking + PDF (median of 20): %.1f ms (target < 50 ms)\n",
                verso.first);
    std::printf("verso: 42-line breaking + PDF (worst, first run included): %.1f ms "
                "(target < 50 ms)\n",
                verso.second);
    std::printf("recto to PDF, the peer (median of 20): %.1f ms; verso / recto = %.2f\n",
                recto.first, verso.first / recto.first);
    return 0;
}
