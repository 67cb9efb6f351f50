#pragma once

// One editor window on a data folder of its own, driven through its real widgets: the ground of
// the editor's window tests.
#include "../SessionFolder.h"
#include "core/base/IniAccess.h"
#include "ui/editor/AutomatismeWiring.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/EditorWiring.h"
#include "ui/editor/FolderWiring.h"
#include "ui/editor/SlotComboBox.h"
#include "ui/startup/KerboStyle.h"

#include <QtTest>
#include <QtWidgets>

using namespace SlotTable;
using namespace Qt::StringLiterals;

class EditorFixture : public QObject
{
protected:
    std::unique_ptr<SessionFolder> m_data;
    AppState *m_state = nullptr;
    EditorWindow *m_window = nullptr;
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

    // A data folder of the test's own, with a station list and one roster folder.
    void makeData()
    {
        m_data = std::make_unique<SessionFolder>();
        m_state = &m_data->state;
        m_data->writeLines(u"ListeGares.txt"_s, {u"PNORD"_s, u"CREIL"_s, u"AMIEN"_s});
        m_data->writeLines(u"ListeDossier.txt"_s, {m_data->dir.path() + u"/R1/"_s});
    }
    // `wired`: the engine rules, automatismes and list learning of the program run too.
    void showWindow(bool wired = false)
    {
        m_window = new EditorWindow(*m_state, EditorLayout::Editor1024);
        wireEditorCommands(*m_window, *m_state, m_data->prompts,
                           [](EditorLayout) -> EditorWindow * { return nullptr; });
        if (wired) {
            wireFolderWindows(*m_window, m_data->session);
            wireAutomatismes(*m_window, m_data->session);
        }
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        editing().setCurrentSlot(FirstTrainNumberSlot);
    }
    // The window is opened before each test and closed after it.
    void openWindow()
    {
        makeData();
        showWindow();
    }
    void closeWindow()
    {
        if (m_window) m_window->closeForLayoutSwitch();
        delete m_window;
        m_window = nullptr;
    }
};
