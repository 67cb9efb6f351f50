// One redraw of a print preview filled to the last box, at the 1024×768 screen with the page
// fitted: recto and verso.
#include "../tests/support/FakePrompts.h"
#include "core/AppState.h"
#include "core/model/SlotTable.h"
#include "ui/Session.h"
#include "ui/preview/PreviewCanvas.h"
#include "ui/preview/frmPreview.h"
#include "ui/print/PrinterChoice.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

struct Times {
    double repaint; // the sheet drawn again, as when the window is exposed or scrolled
    double redraw;  // the same after the preview's redraw: fonts, and frame H broken again
};

Times measure(Session &session, PrintSide side)
{
    frmPreview preview(session, side);
    preview.setGeometry(0, 0, 1024, 768);
    preview.show();
    QApplication::processEvents();
    PreviewCanvas *canvas = preview.canvas();
    canvas->repaint(); // the glyphs of the font enter the caches once
    const int rounds = 100;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        canvas->repaint();
    const double repaint = double(timer.nsecsElapsed()) / rounds / 1e6;
    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        preview.redraw(); // as after a font choice or a calibration
        canvas->repaint();
    }
    return {repaint, double(timer.nsecsElapsed()) / rounds / 1e6};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppState state;
    state.printLayout.DefautParaImp();
    state.printLayout.DefautParaImpVerso();
    const PrinterFont font{QStringLiteral("DejaVu Sans"), 10, QStringLiteral("False"),
                           QStringLiteral("False")};
    state.config.rectoFont = font;
    state.config.versoFont = font;
    state.record.setServiceDate(QDate(2007, 3, 5));
    for (int slot = 1; slot <= 271; ++slot)
        state.record.setSlot(slot, SlotTable::isMark(slot) ? QStringLiteral("x")
                                                           : QStringLiteral("AB12"));
    VersoContent &v = state.verso;
    for (QStringList *list : {&v.txtD, &v.txtE, &v.txtI, &v.textL})
        for (int i = 0; i < list->size(); ++i)
            (*list)[i] = QStringLiteral("T%1").arg(i);
    v.txtJ = QStringLiteral("Brouillard givrant");
    v.txtObsMecUP = QStringLiteral("UP Paris Nord");
    for (int n = 0; n < 42; ++n)
        v.txtNumTrainH += QStringLiteral("%1\n").arg(140000 + n);
    for (int n = 0; n < 150; ++n)
        v.txtObsMec += QStringLiteral("Freinage long a l'approche du signal %1, ").arg(n);

    FakePrompts prompts;
    PrinterChoice printer;
    Session session{state, prompts, printer};
    const Times recto = measure(session, PrintSide::Recto);
    const Times verso = measure(session, PrintSide::Verso);
    std::printf("recto preview repaint, full bulletin, 1024x768: %.2f ms (target < 16 ms)\n",
                recto.repaint);
    std::printf("verso preview repaint, full verso, 1024x768: %.2f ms (target < 16 ms); "
                "verso / recto = %.2f\n",
                verso.repaint, verso.repaint / recto.repaint);
    std::printf("recto preview redraw after a font or calibration change: %.2f ms "
                "(target < 16 ms)\n",
                recto.redraw);
    std::printf("verso preview redraw, frame H broken again at 42 lines: %.2f ms "
                "(target < 16 ms)\n",
                verso.redraw);
    return 0;
}
