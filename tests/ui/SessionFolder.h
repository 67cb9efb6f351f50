#pragma once

// A data folder of the test's own and the session of a run on it: the ground of the window tests.
#include "FakePrompts.h"
#include "TempDataFolder.h"
#include "core/print/PrintLayoutFile.h"
#include "ui/Session.h"
#include "ui/print/PrinterChoice.h"

#include <QtTest>

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
