#include "TestMain.h"

#include "EditorFixture.h"
#include "ui/editor/RosterListBox.h"

// The keyboard in the editor: the keys that move from box to box, the line keys, the letters an
// input method composes, and the way to the menus and back without a mouse.
class EditorKeyboardTest : public EditorFixture
{
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Alt with a letter is a menu's key: nothing goes into the slot, text or list. AltGr, which
    // reports Ctrl with Alt, types its character.
    void altWithALetterTypesNothing()
    {
        for (int slot : {lineSlot(0, NumeroTrain), lineSlot(0, De)}) {
            editing().setCurrentSlot(slot);
            QTest::keyClick(control(), Qt::Key_F, Qt::AltModifier);
            QCOMPARE(record().slot(slot), QString());
            QKeyEvent altGr(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier,
                            u"€"_s);
            QApplication::sendEvent(QApplication::focusWidget(), &altGr);
            QCOMPARE(record().slot(slot), u"€"_s);
        }
    }

    // Ctrl and Alt change nothing to the moves; Shift+Tab comes as Backtab.
    void movement_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, alt = Qt::AltModifier,
                                    shift = Qt::ShiftModifier;
        const auto row = [](const char *name, int from, Qt::Key key, int to,
                            Qt::KeyboardModifiers modifiers = {}) {
            QTest::newRow(name) << from << int(key) << to << modifiers;
        };
        const int coef = lineSlot(0, Coef), km = lineSlot(0, KmTrain);
        row("Tab over the date place", 5, Qt::Key_Tab, 7);
        row("Tab over Non conforme", 12, Qt::Key_Tab, 14);
        row("Tab over the marks 50..53", 49, Qt::Key_Tab, 54);
        row("Return", 54, Qt::Key_Return, 55);
        row("PageDown over 2 BS and Fac", 55, Qt::Key_PageDown, 58);
        row("Right over the agent marks", coef, Qt::Key_Right, lineSlot(0, Nat1));
        row("Down over Observation", lineSlot(0, A2Um2), Qt::Key_Down, km);
        row("keypad Enter to the next line", km, Qt::Key_Enter, lineSlot(1, NumeroTrain),
            Qt::KeypadModifier);
        row("Tab to the last slot", LastLineSlot - 1, Qt::Key_Tab, LastLineSlot);
        row("Tab after the last slot", LastLineSlot, Qt::Key_Tab, FirstTrainNumberSlot);
        row("Left stays in the text", 58, Qt::Key_Left, 58);
        row("PageUp over Non conforme", 14, Qt::Key_PageUp, 12);
        row("Up over the marks 50..53", 54, Qt::Key_Up, 49);
        row("Up to the previous line", lineSlot(1, NumeroTrain), Qt::Key_Up, km);
        row("Up over the last Observation", LastLineSlot, Qt::Key_Up, LastLineSlot - 2);
        row("Up at Nom stays", 1, Qt::Key_Up, 1);
        row("Up to the date place", 7, Qt::Key_Up, DateSlot);
        row("Ctrl+Down", 58, Qt::Key_Down, 59, ctrl);
        row("Ctrl+Tab", 12, Qt::Key_Tab, 14, ctrl);
        row("Alt+Down on a list", lineSlot(0, De), Qt::Key_Down, lineSlot(0, A), alt);
        row("Alt+PageUp", 54, Qt::Key_PageUp, 49, alt);
        row("Shift+Tab", 9, Qt::Key_Backtab, 8, shift);
        row("Ctrl+Shift+Tab", 9, Qt::Key_Backtab, 8, ctrl | shift);
        row("Ctrl+F9 stays", 58, Qt::Key_F9, 58, ctrl);
    }
    void movement()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        editing().setCurrentSlot(from);
        QSignalSpy left(&editing(), &BulletinEditing::slotLeft);
        QTest::keyClick(control(), Qt::Key(key), modifiers);
        QCOMPARE(record().currentSlot(), to);
        QCOMPARE(left.size(), from == to ? 0 : 1); // the slot the driver left, once
        if (from != to) QCOMPARE(left.first().first().toInt(), from);
        QVERIFY(!m_window->menuBar()->activeAction()); // Alt held with a key is no menu key
        if (to == DateSlot)
            QVERIFY(text()->isHidden() && list()->isHidden() && m_window->datePicker()->hasFocus());
    }

    void tabulationModeCyclesOverTheLineEngines()
    {
        QPushButton *tab = m_window->button(EditorCommand::TabMode);
        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(tab->text(), u"Tab E"_s);
        QCOMPARE(record().currentSlot(), 82);
        for (int s : {84, 88, 118, 120, 124, 154, 156, 160, 190, 192, 196, 226, 228, 232, 262, 264,
                      268, 82}) {
            QTest::keyClick(list(), Qt::Key_Tab);
            QCOMPARE(record().currentSlot(), s);
        }
        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(tab->text(), u"Tab N"_s);
        QTest::keyClick(list(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), 83);

        // Alt+T, from the keyboard, as the button.
        QTest::keyClick(control(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(tab->text(), u"Tab E"_s);
        QCOMPARE(record().currentSlot(), 82);
        QTest::keyClick(control(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(tab->text(), u"Tab N"_s);
        QVERIFY(!record().slot(82).contains(u'T'));

        // Away from the line engines, Tab goes on to the next box in either mode.
        QTest::mouseClick(tab, Qt::LeftButton);
        typeAt(1, QString());
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), 2);
    }

    // The line keys act from either control, F12 included: F5 and F8 copy line 1 onto line 2
    // from the list control, F12 erases it again from the text control.
    void lineKeysFromBothControls()
    {
        closeWindow();
        makeData();
        showWindow(true);
        typeAt(lineSlot(0, NumeroTrain), u"4512"_s);
        typeAt(lineSlot(0, De), u"CREIL"_s);
        typeAt(lineSlot(0, Via), QString());
        QTest::keyClick(list(), Qt::Key_F5);
        typeAt(lineSlot(1, De), QString());
        QTest::keyClick(list(), Qt::Key_F8);
        QCOMPARE(record().slot(lineSlot(1, De)), u"CREIL"_s);
        QCOMPARE(list()->currentText(), u"CREIL"_s); // the box under the keys shows it at once
        typeAt(lineSlot(1, NumeroTrain), QString());
        m_data->prompts.answers = {Prompts::Answer::Ok};
        QTest::keyClick(text(), Qt::Key_F12);
        QCOMPARE(record().slot(lineSlot(1, De)), QString());
        QCOMPARE(record().slot(lineSlot(0, De)), u"CREIL"_s);
        // The line keys' busy pointer, never shown here, is not taken off at the window's end:
        // the pointer another window set stays.
        QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
        closeWindow();
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        QGuiApplication::restoreOverrideCursor();
    }

    // A letter made with a dead key comes from the input method as a committed text, not as a
    // key: it goes through the rules of the slot all the same, character by character.
    void composedText_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("before"); // typed before the dead key
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("after"); // typed after it
        QTest::addColumn<bool>("selected"); // what was typed before is selected
        QTest::addColumn<QString>("kept");
        const auto row = [](const char *name, int slot, const QString &before,
                            const QString &committed, const QString &after, const QString &kept,
                            bool selected = false) {
            QTest::newRow(name) << slot << before << committed << after << selected << kept;
        };
        row("Non conforme", 13, {}, u"ê"_s, {}, u"x"_s);
        row("mark 51, two characters at once", 51, {}, u"éa"_s, {}, u"xx"_s);
        row("Etablissement", 3, u"ETAB"_s, u"ö"_s, {}, u"ETABÖ"_s);
        row("Nom keeps its case", 1, u"l"_s, u"é"_s, u"a"_s, u"léa"_s);
        row("capital within the code page", lineSlot(0, Gare), {}, u"ÿœ"_s, {}, u"ŸŒ"_s);
        row("list slot Via", lineSlot(2, Via), {}, u"ê"_s, u"a"_s, u"ÊA"_s);
        row("empty train number: prefix first", lineSlot(1, NumeroTrain), {}, u"ë"_s, {}, u"14Ë"_s);
        row("full shunting engine refuses it", 42, u"674012"_s, u"é"_s, {}, u"674012"_s);
        row("over a selection", 1, u"dupont"_s, u"é"_s, u"e"_s, u"ée"_s, true);
        row("over a selection in a list", 9, u"pnord"_s, u"ê"_s, {}, u"Ê"_s, true);
        row("outside the code page", 3, u"ETAB"_s, u"ω"_s, {}, u"ETAB?"_s);
        row("Journee loses its mention", JourneeSlot, u"12"_s, u"ê"_s, {}, u"12Ê"_s);
    }
    void composedText()
    {
        QFETCH(int, slot);
        QFETCH(QString, before);
        QFETCH(QString, committed);
        QFETCH(QString, after);
        QFETCH(bool, selected);
        QFETCH(QString, kept);
        m_state->config.options.prefixTrain = u"14"_s;
        typeAt(slot, before);
        m_state->mention = u"2bis"_s;
        m_window->showMention(m_state->mention);
        if (selected) (list()->isHidden() ? text() : list()->lineEdit())->selectAll();
        // Sent as the platform does, to the widget with the focus: the dead key as a pending
        // text, then the letters it made.
        const QString held = record().slot(slot);
        QObject *focus = QApplication::focusObject();
        QInputMethodEvent pending(u"^"_s, {});
        QCoreApplication::sendEvent(focus, &pending);
        // The dead key alone changes nothing, the mention of Journee included.
        QCOMPARE(record().slot(slot), held);
        QVERIFY(!m_window->mentionLabel()->isHidden());
        QInputMethodEvent commit;
        commit.setCommitString(committed);
        QCoreApplication::sendEvent(focus, &commit);
        QTest::keyClicks(control(), after);
        QCOMPARE(record().slot(slot), kept);
        QCOMPARE(list()->isHidden() ? text()->text() : list()->currentText(), kept);
        QCOMPARE(m_state->mention.isEmpty(), slot == JourneeSlot);
    }

    // An input method may commit a letter and start the next pending text in one go (a dead
    // key typed right after a composed letter): the letter goes into the record, the pending
    // text shows in the control until its own letter comes, and stays out of the record.
    void pendingTextAfterCommittedLetter()
    {
        const int flash = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0); // a steady caret, for the pictures to compare
        typeAt(1, u"dupon"_s);
        QObject *focus = QApplication::focusObject();
        QInputMethodEvent withPending(u"^"_s, {});
        withPending.setCommitString(u"t"_s);
        QCoreApplication::sendEvent(focus, &withPending);
        QCOMPARE(record().slot(1), u"dupont"_s);
        const QImage pending = text()->grab().toImage();
        QInputMethodEvent cleared;
        QCoreApplication::sendEvent(focus, &cleared);
        QCOMPARE(record().slot(1), u"dupont"_s);
        QCOMPARE(text()->text(), u"dupont"_s);
        QVERIFY2(text()->grab().toImage() != pending, "the pending text never showed");
        QApplication::setCursorFlashTime(flash);
    }

    // F4 opens the list control's drop-down, as in the list boxes of old.
    void f4OpensTheList()
    {
        typeAt(lineSlot(0, De), QString());
        QVERIFY(!list()->view()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QTRY_VERIFY(list()->view()->isVisible());
        QCOMPARE(record().currentSlot(), lineSlot(0, De));
        list()->hidePopup();
    }

    // Without a mouse: a lone Alt takes the keyboard to the menu bar, Escape brings it back.
    void keyboardReachesTheMenus()
    {
        QMenuBar *bar = m_window->menuBar();
        bar->setStyle(&m_style);
        auto *fichier = bar->actions().constFirst()->menu();
        typeAt(lineSlot(0, De), u"CREIL"_s);
        QWidget *focus = control();
        QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(focus, Qt::Key_Alt);
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(bar->activeAction(), bar->actions().constFirst());
        // The title the keyboard stands on is marked: it is drawn otherwise once the form has the
        // keyboard again (below).
        const QRect first = bar->actionGeometry(bar->actions().constFirst());
        const QImage marked = bar->grab(first).toImage();
        QTest::keyClick(bar, Qt::Key_Down);
        QTRY_COMPARE(QApplication::activePopupWidget(), fichier);
        QTest::keyClick(fichier, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), focus);
        QVERIFY(bar->grab(first).toImage() != marked);
        QCOMPARE(record().slot(lineSlot(0, De)), u"CREIL"_s);
    }

    // A command of the menu bar itself ("Imprimer", "GestionDossiers") chosen with the keyboard
    // and answered in a window of its own: the keys typed next go to the form again.
    // The date box comes back with its day selected, for the digits typed next.
    void keyboardCommandGivesTheFormBack()
    {
        QMenuBar *bar = m_window->menuBar();
        QAction *print = m_window->action(EditorCommand::Print);
        m_window->wireCommand(EditorCommand::Print, [this] {
            QDialog asked(m_window);
            QTimer::singleShot(0, &asked, &QDialog::reject);
            asked.exec();
        });
        const auto printThenType = [&](QWidget *focus, const QString &keys) {
            QTest::keyClick(focus, Qt::Key_Alt);
            QTRY_COMPARE(QApplication::focusWidget(), bar);
            while (bar->activeAction() != print)
                QTest::keyClick(bar, Qt::Key_Right);
            QTest::keyClick(bar, Qt::Key_Return);
            m_window->activateWindow(); // as the window manager does once the question is gone
            QVERIFY(QTest::qWaitForWindowActive(m_window));
            QTRY_COMPARE(QApplication::focusWidget(), focus);
            QTest::keyClicks(focus, keys);
        };
        editing().setCurrentSlot(lineSlot(0, De));
        printThenType(control(), u"creil"_s);
        QCOMPARE(record().slot(lineSlot(0, De)), u"CREIL"_s);

        QDateEdit *date = m_window->datePicker();
        date->setDate(QDate(2026, 12, 7));
        editing().setCurrentSlot(DateSlot);
        printThenType(date, u"15"_s);
        QCOMPARE(date->date(), QDate(2026, 12, 15));

        // From the roster list by the mouse: its drop-down's way of keeping the keyboard does not
        // outlast the command, and the list left takes its folder and its colour back.
        editing().setCurrentSlot(lineSlot(0, De));
        RosterListBox *roster = m_window->rosterList();
        roster->setFocus();
        roster->setEditText(u"/ailleurs/"_s);
        QCOMPARE(roster->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 0));
        QFocusEvent menuOpens(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(roster, &menuOpens);
        print->trigger();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTRY_COMPARE(QApplication::focusWidget(), control());
        QCOMPARE(roster->lineEdit()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(m_state->config.hdGenerique, u"/ailleurs/"_s);
    }
};

KERBO_TEST(EditorKeyboardTest)
#include "EditorKeyboardTest.moc"
