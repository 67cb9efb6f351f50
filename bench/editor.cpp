// The editor must feel immediate: one refresh of a full bulletin, and one character typed into a
// train line from the key press to the repaint, at the 1024 layout.
#include "core/AppState.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppState state;
    for (int s = 1; s <= SlotTable::LastLineSlot; ++s)
        state.record.setSlot(s, SlotTable::isMark(s) ? QStringLiteral("x") : QStringLiteral("AB%1").arg(s));
    EditorWindow window(state, EditorLayout::Editor1024);
    window.show();
    QApplication::processEvents();
    BulletinCanvas *canvas = window.canvas();

    const int rounds = 300;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        // Every slot changes, as when a day is opened: the whole form is drawn again.
        for (int s = 1; s <= SlotTable::LastLineSlot; ++s)
            if (!SlotTable::isMark(s))
                state.record.setSlot(s, QStringLiteral("%1%2").arg(i % 2 ? "CD" : "AB").arg(s));
        window.editing()->refresh();
        canvas->repaint();
    }
    const double refreshMs = double(timer.nsecsElapsed()) / rounds / 1e6;

    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        window.editing()->refresh();
        canvas->repaint();
    }
    const double redrawMs = double(timer.nsecsElapsed()) / rounds / 1e6;

    window.editing()->setCurrentSlot(SlotTable::lineSlot(2, SlotTable::HeureDep));
    QLineEdit *text = window.textControl();
    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        const bool erase = i % 8 == 7; // keep the text short
        QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_A, Qt::NoModifier,
                        erase ? QString() : QStringLiteral("a"));
        QApplication::sendEvent(text, &press);
        if (erase)
            text->clear();
        QApplication::processEvents(); // the scheduled repaint of the changed boxes
    }
    const double keyMs = double(timer.nsecsElapsed()) / rounds / 1e6;

    std::printf("editor refresh, every slot filled and changed: %.3f ms (target < 2 ms)\n", refreshMs);
    std::printf("editor refresh, every slot filled, full redraw: %.3f ms (target < 2 ms)\n", redrawMs);
    std::printf("editor key press to repaint, train line: %.3f ms (target < 2 ms)\n", keyMs);
    return 0;
}
