#pragma once

// One editor window on a data folder of its own, driven through its real widgets: the ground of
// the editor's window tests.
#include "FakePrompts.h"
#include "TempDataFolder.h"
#include "core/base/IniAccess.h"
#include "ui/Session.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/EditorWiring.h"
#include "ui/editor/SlotComboBox.h"
#include "ui/print/PrinterChoice.h"
#include "ui/startup/KerboStyle.h"

#include <QtTest>
#include <QtWidgets>

using namespace SlotTable;
using namespace Qt::StringLiterals;

class EditorFixture : public QObject
{
protected:
    std::unique_ptr<TempDataFolder> m_data;
    AppState *m_state = nullptr;
    FakePrompts m_prompts;
    EditorWindow *m_window = nullptr;
    PrinterChoice m_printer;
    std::unique_ptr<Session> m_session;
    KerboStyle m_style; // the program's style, where a test needs it

    BulletinRecord &record() { return m_state->record; }
    BulletinEditing &editing() { return *m_window->editing(); }
    QLineEdit *text() { return m_window->textControl(); }
    SlotComboBox *list() { return m_window->listControl(); }
    // Whichever control stands on the current slot.
    QWidget *control() { return list()->isHidden() ? static_cast<QWidget *>(text()) : list(); }
    void typeAt(int slot, const QString &keys)
    {
        editing().setCurrentSlot(slot);
        QTest::keyClicks(control(), keys);
    }
    void click(int slot, bool twice = false)
    {
        const QPoint centre = m_window->canvas()->boxRect(slot).center();
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, centre);
        if (twice) QTest::mouseDClick(m_window->canvas(), Qt::LeftButton, {}, centre);
    }
    void showMentionOnJournee(const QString &journee)
    {
        record().setSlot(JourneeSlot, journee);
        m_state->mention = u"2bis"_s;
        m_window->showMention(m_state->mention);
        editing().setCurrentSlot(JourneeSlot);
    }
    QString iniOption(const QString &section, const QString &key)
    {
        return LectureINI(m_state->config.iniPath(), section, key).text;
    }
    static QStringList captions(const QWidget *w)
    {
        QStringList texts;
        for (const QAction *a : w->actions())
            texts << a->text();
        return texts;
    }

    // The window is opened before each test and closed after it.
    void openWindow()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_state = &m_data->state;
        m_data->writeLines(u"ListeGares.txt"_s, {u"PNORD"_s, u"CREIL"_s, u"AMIEN"_s});
        m_data->writeLines(u"ListeDossier.txt"_s, {m_data->dir.path() + u"/R1/"_s});
        m_window = new EditorWindow(*m_state, EditorLayout::Editor1024);
        wireEditorCommands(*m_window, *m_state, m_prompts,
                           [](EditorLayout) -> EditorWindow * { return nullptr; });
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        editing().setCurrentSlot(FirstTrainNumberSlot);
    }

    void closeWindow()
    {
        m_window->closeForLayoutSwitch();
        delete m_window;
        m_window = nullptr;
        m_session.reset();
    }
};
