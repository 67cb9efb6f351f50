#pragma once

// A data folder of the test's own and the session of a run on it: the ground of the window tests.
#include "FakePrompts.h"
#include "TempDataFolder.h"
#include "core/print/PrintLayoutFile.h"
#include "ui/Session.h"
#include "ui/print/PrinterChoice.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include <functional>

struct SessionFolder : TempDataFolder {
    FakePrompts prompts;
    PrinterChoice printer;
    Session session{state, prompts, printer};

    explicit SessionFolder(const QByteArray &configIni = {}) : TempDataFolder(configIni) {}
    // The factory print layout, both sides, saved in the data folder.
    void saveFactoryLayout() const
    {
        PrintLayout factory;
        factory.DefautParaImp();
        factory.DefautParaImpVerso();
        SauveParametresImp(factory, dataFolder());
    }
};

// Types each character as a key of its own, as a keyboard sends it, beyond Latin-1 too
// (QTest::keyClicks takes Latin-1 only); a character written as two (an emoji) is one key.
inline void typeCharacters(QWidget *widget, const QString &text)
{
    for (char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1), {});
}

// Shows a window and brings it to the front, as the driver does coming back from another program.
inline bool bringToFront(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Acts on the next modal window of that class once its event loop runs.
template <class Window> void onNextModal(std::function<void(Window *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *w = qobject_cast<Window *>(QApplication::activeModalWidget());
        QVERIFY(w);
        act(w);
    });
}

// Clicks a list's item, as the driver does with the mouse.
inline void clickItem(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}
