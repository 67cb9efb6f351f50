#include "TestMain.h"

#include "EditorFixture.h"
#include "core/editor/EditRules.h"
#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "ui/editor/DayFileWiring.h"
#include "ui/editor/RosterListBox.h"

// What a widget repaints: the parts of the form drawn again after a change.
struct PaintedRegion : QObject {
    QRegion region;
    explicit PaintedRegion(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// The bulletin typed into, clicked and moved through in the editor's window.
class EditorWindowTest : public EditorFixture
{
    Q_OBJECT

    enum Gesture { Keys, Backspace, Paste };

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // What a slot keeps of keys typed, of Backspace (a key press like a character) and of Ctrl+V
    // (the clipboard's text typed on one line), all through the rules of the slot, with the
    // train prefix "14" set. A mention stays: only an edited Journee loses it (below).
    void whatASlotKeeps_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<QString>("before"); // in the slot already
        QTest::addColumn<QString>("input");  // the keys typed or the clipboard's text
        QTest::addColumn<QString>("kept");
        const auto row = [](const char *name, int slot, Gesture gesture, const QString &before,
                            const QString &input, const QString &kept) {
            QTest::newRow(name) << slot << int(gesture) << before << input << kept;
        };
        row("Nom keeps its case", 1, Keys, {}, u"dupont"_s, u"dupont"_s);
        row("station in capitals", lineSlot(0, De), Keys, {}, u"creil"_s, u"CREIL"_s);
        row("hour in capitals", lineSlot(0, HeureDep), Keys, {}, u"7h12"_s, u"7H12"_s);
        row("station cut", lineSlot(1, De), Keys, {}, u"PARISN"_s, u"PARIS"_s);
        row("mark 13", 13, Keys, {}, u"a"_s, u"x"_s);
        row("mark 50", 50, Keys, {}, u"a"_s, u"x"_s);
        row("mark 53", 53, Keys, {}, u"a"_s, u"x"_s);
        row("56 is toggled by click, typed as text", 56, Keys, {}, u"x"_s, u"X"_s);
        row("mass not prefixed", lineSlot(2, Masse), Keys, {}, u"5"_s, u"5"_s);
        row("Backspace in Nom", 1, Backspace, u"dupont"_s, {}, u"dupon"_s);
        row("Backspace on Non conforme ticked", 13, Backspace, u"x"_s, {}, u"xx"_s);
        row("Backspace on mark 52 empty", 52, Backspace, {}, {}, u"x"_s);
        row("Backspace on an empty train number: prefix first", lineSlot(1, NumeroTrain), Backspace,
            {}, {}, u"1"_s);
        row("Backspace in a train number", lineSlot(1, NumeroTrain), Backspace, u"847"_s, {},
            u"84"_s);
        row("paste on a mark", 50, Paste, {}, u"oui"_s, u"x"_s);
        row("paste in capitals", 3, Paste, {}, u"paris\r\nnord"_s, u"PARIS NORD"_s);
        row("paste in Nom keeps its case", 1, Paste, {}, u"Dupont"_s, u"Dupont"_s);
        row("paste in an empty train number: prefix first", lineSlot(0, NumeroTrain), Paste, {},
            u"2001"_s, u"142001"_s);
        row("paste in a list slot", lineSlot(0, De), Paste, {}, u"lyd"_s, u"LYD"_s);
        // Copied cells: a tab or a byte-order mark first, a line break inside.
        row("paste of cells", 3, Paste, {}, u"\tab\ncd"_s, u" AB CD"_s);
        row("paste after a byte-order mark", lineSlot(0, De), Paste, {}, u"\uFEFFlyd"_s, u"LYD"_s);
        row("paste in a shunting engine: six characters", 45, Paste, {}, u"674012345"_s,
            u"674012"_s);
        row("paste outside the code page", 3, Paste, {}, u"Ωmega"_s, u"?MEGA"_s);
    }
    void whatASlotKeeps()
    {
        QFETCH(int, slot);
        QFETCH(int, gesture);
        QFETCH(QString, before);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        m_state->config.options.prefixTrain = u"14"_s;
        m_state->mention = u"2bis"_s;
        m_window->showMention(m_state->mention);
        record().setSlot(slot, before);
        editing().setCurrentSlot(slot);
        if (gesture == Keys) {
            QTest::keyClicks(control(), input);
        } else if (gesture == Backspace) {
            QTest::keyClick(control(), Qt::Key_Backspace);
        } else {
            QGuiApplication::clipboard()->setText(input);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(record().slot(slot), kept);
        QCOMPARE(list()->isHidden() ? text()->text() : list()->currentText(), kept);
        QVERIFY(!m_window->mentionLabel()->isHidden());
        QCOMPARE(m_state->mention, u"2bis"_s);
        // Nothing comes in by a drop.
        QVERIFY(!text()->acceptDrops() && !list()->lineEdit()->acceptDrops());
    }

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

    void trainNumberLookupsAndRefresh()
    {
        m_state->config.options.prefixTrain = u"14"_s;
        QStringList lookups;
        connect(&editing(), &BulletinEditing::trainNumberTyped, this,
                [&](int slot) { lookups << record().slot(slot); });
        typeAt(lineSlot(2, NumeroTrain), u"25"_s);
        QCOMPARE(lookups, QStringList({u"14"_s, u"142"_s, u"1425"_s})); // prefixed once
        // A paste is one change: one lookup, with the whole number; what it fills is shown.
        lookups.clear();
        const auto fill = connect(&editing(), &BulletinEditing::trainNumberTyped, this,
                                  [&](int) { record().setSlot(lineSlot(3, De), u"PARIS"_s); });
        typeAt(lineSlot(3, NumeroTrain), QString());
        QCoreApplication::processEvents();
        PaintedRegion painted(m_window->canvas());
        QGuiApplication::clipboard()->setText(u"29"_s);
        QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(lookups, QStringList{u"1429"_s});
        QTRY_VERIFY(painted.region.contains(m_window->canvas()->boxRect(lineSlot(3, De))));
        disconnect(fill);
        // A paste that leaves the number as it was looks nothing up: the line the driver has
        // changed since stays as he left it.
        QGuiApplication::clipboard()->setText(u"1429"_s);
        text()->selectAll();
        QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(record().slot(lineSlot(3, NumeroTrain)), u"1429"_s);
        QCOMPARE(lookups, QStringList{u"1429"_s});
        // A value placed by the program is no typing (no lookup), but it is cut to its box.
        lookups.clear();
        record().setSlot(lineSlot(0, AgSeul), u"EAS"_s);
        m_window->refreshBulletin();
        QVERIFY(lookups.isEmpty());
        QCOMPARE(record().slot(lineSlot(0, AgSeul)), u"EA"_s);
    }

    void marks()
    {
        typeAt(13, u"ab"_s);
        QCOMPARE(record().slot(13), u"xx"_s); // as typed: the mark is no longer "x"
        click(13); // Non conforme is only made current
        QCOMPARE(record().currentSlot(), 13);
        QCOMPARE(record().slot(13), u"xx"_s);

        const int fac = lineSlot(1, Fac);
        click(fac);
        QCOMPARE(record().slot(fac), u"x"_s);
        QCOMPARE(text()->text(), u"x"_s);
        // The text control now stands over the mark: the next clicks land on it.
        QTest::mouseClick(text(), Qt::LeftButton);
        QCOMPARE(record().slot(fac), QString());
        QTest::mouseClick(text(), Qt::LeftButton);
        QTest::mouseDClick(text(), Qt::LeftButton); // a double-click toggles twice
        QCOMPARE(record().slot(fac), QString());
        click(lineSlot(4, Observation), true); // straight on the drawing too
        QCOMPARE(record().slot(lineSlot(4, Observation)), QString());
        click(56);
        QCOMPARE(record().slot(56), u"x"_s);
    }

    void clickingABoxMakesItCurrent()
    {
        const int masse = lineSlot(3, Masse);
        click(masse);
        QCOMPARE(record().currentSlot(), masse);
        QVERIFY(m_window->canvas()->boxRect(masse).intersects(text()->geometry()));
        QVERIFY(text()->hasFocus());
        QCOMPARE(text()->palette().color(QPalette::Base), QColor(255, 255, 0));
        click(lineSlot(3, IndCompo));
        QVERIFY(text()->isHidden() && list()->hasFocus());
        QCOMPARE(text()->palette().color(QPalette::Base), QColor(Qt::white));
    }

    // A screen reader announces the form's control by the box it has come to, by keys or clicks.
    void theControlIsNamedAfterItsBox()
    {
        const auto spokenName = [] {
            QAccessibleInterface *a =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            return a ? a->text(QAccessible::Name) : QString();
        };
        click(lineSlot(1, HeureDep));
        QCOMPARE(spokenName(), u"Ligne 2, Heure dép"_s);
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(spokenName(), u"Ligne 2, Heure arr"_s);
        // A drop-down's name is its value on Linux: the box is told by the caption labelling
        // it, a value typed or not.
        const auto label = [] {
            QAccessibleInterface *a =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            const auto labels = a->relations(QAccessible::Label);
            return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
        };
        click(lineSlot(3, IndCompo));
        QCOMPARE(label(), u"Ligne 4, Ind. compo"_s);
        QTest::keyClicks(list(), u"TS"_s);
        QCOMPARE(label(), u"Ligne 4, Ind. compo"_s);
        click(lineSlot(3, Gare));
        QCOMPARE(label(), u"Ligne 4, Gare"_s);
        click(RoulementSlot);
        QCOMPARE(spokenName(), u"Roulement"_s);
        m_window->datePicker()->setFocus();
        QCOMPARE(spokenName(), u"Date PS"_s);
    }

    // At the layout's scale the control covers the white inside of its box exactly: the box's
    // four lines stand on the pixels just around it (it covered the right and bottom ones of
    // most boxes).
    void theControlLeavesTheBoxLinesInSight()
    {
        BulletinCanvas *canvas = m_window->canvas();
        const QImage form = FormPicture::editorImage(canvas->scale(), 1.0);
        const auto dark = [&form](int x, int y) { return qGray(form.pixel(x, y)) < 160; };
        for (int slot = 1; slot <= LastLineSlot; ++slot) {
            if (EditRules::controlFor(slot) != EditRules::Control::Text ||
                FormGeometry::slotBox(slot).isEmpty())
                continue;
            click(slot);
            const QRect g = text()->geometry();
            const QPoint c = g.center();
            QVERIFY2(dark(g.left() - 1, c.y()) && dark(g.right() + 1, c.y()) &&
                         dark(c.x(), g.top() - 1) && dark(c.x(), g.bottom() + 1),
                     qPrintable(QString::number(slot)));
        }
    }

    void totalAfterEachChange()
    {
        typeAt(lineSlot(0, KmTrain), u"120"_s);
        QCOMPARE(record().slot(TotalKmSlot), u"120"_s);
        QTest::keyClick(text(), Qt::Key_Backspace);
        QCOMPARE(record().slot(TotalKmSlot), u"12"_s);
    }

    void eraseAndRestoreFrameC()
    {
        record().setSlot(LastLineSlot, u"80 km"_s);
        typeAt(lineSlot(1, NumeroTrain), u"847002"_s);
        m_window->action(EditorCommand::EraseC)->trigger();
        QCOMPARE(text()->text(), QString());
        QCOMPARE(record().slot(TotalKmSlot), u"80"_s); // recounted: only the kept last km
        m_window->action(EditorCommand::RestoreC)->trigger();
        QCOMPARE(text()->text(), u"847002"_s);
    }

    void rosterListRefusesTypingAndKeepsAnEmptyText()
    {
        m_state->config.hdGenerique = u"/ailleurs/"_s;
        m_window->showRosterFolder(QString());
        RosterListBox *roster = m_window->rosterList();
        roster->setFocus();
        QVERIFY(roster->hasFocus());
        // A modifier alone types nothing, and Alt on its own still opens the menu bar.
        QTest::keyClick(roster, Qt::Key_Shift);
        QTest::keyClick(roster, Qt::Key_Control);
        QVERIFY(roster->hasFocus());
        QTest::keyClick(roster, Qt::Key_Alt);
        QTRY_COMPARE(QApplication::focusWidget(), m_window->menuBar());
        QTest::keyClick(m_window->menuBar(), Qt::Key_Escape);
        QTRY_VERIFY(roster->hasFocus());
        QVERIFY(record().currentSlot() != 1);
        QTest::keyClicks(roster, u"abc"_s);
        QCOMPARE(roster->currentText(), QString());
        QCOMPARE(record().currentSlot(), 1); // the key sends the driver back to Nom
        QVERIFY(text()->hasFocus());
        QCOMPARE(m_state->config.hdGenerique, QString());
        QCOMPARE(iniOption(u"CheminDossiers"_s, u"Hdgenerique"_s), QString());

        roster->showPopup();
        QCOMPARE(roster->count(), 1);
        roster->hidePopup();
        emit roster->activated(0);
        QCOMPARE(m_state->config.hdGenerique, m_data->dir.path() + u"/R1/"_s);
    }

    void movement_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        const Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        QTest::newRow("Tab over the date place") << 5 << int(Qt::Key_Tab) << 7 << none;
        QTest::newRow("Tab over Non conforme") << 12 << int(Qt::Key_Tab) << 14 << none;
        QTest::newRow("Tab over the marks 50..53") << 49 << int(Qt::Key_Tab) << 54 << none;
        QTest::newRow("Return") << 54 << int(Qt::Key_Return) << 55 << none;
        QTest::newRow("PageDown over 2 BS and Fac") << 55 << int(Qt::Key_PageDown) << 58 << none;
        QTest::newRow("Right over the agent marks") << lineSlot(0, Coef) << int(Qt::Key_Right) << lineSlot(0, Nat1) << none;
        QTest::newRow("Down over Observation") << lineSlot(0, A2Um2) << int(Qt::Key_Down) << lineSlot(0, KmTrain) << none;
        QTest::newRow("keypad Enter to the next line") << lineSlot(0, KmTrain) << int(Qt::Key_Enter) << lineSlot(1, NumeroTrain) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Tab to the last slot")
            << LastLineSlot - 1 << int(Qt::Key_Tab) << LastLineSlot << none;
        QTest::newRow("Tab after the last slot") << LastLineSlot << int(Qt::Key_Tab) << FirstTrainNumberSlot << none;
        QTest::newRow("Left stays in the text") << 58 << int(Qt::Key_Left) << 58 << none;
        QTest::newRow("PageUp over Non conforme") << 14 << int(Qt::Key_PageUp) << 12 << none;
        QTest::newRow("Up over the marks 50..53") << 54 << int(Qt::Key_Up) << 49 << none;
        QTest::newRow("Up to the previous line") << lineSlot(1, NumeroTrain) << int(Qt::Key_Up) << lineSlot(0, KmTrain) << none;
        QTest::newRow("Up over the last Observation") << LastLineSlot << int(Qt::Key_Up) << LastLineSlot - 2 << none;
        QTest::newRow("Up at Nom stays") << 1 << int(Qt::Key_Up) << 1 << none;
        QTest::newRow("Up to the date place") << 7 << int(Qt::Key_Up) << int(DateSlot) << none;
        // Ctrl and Alt change nothing to the moves; Shift+Tab comes as Backtab.
        QTest::newRow("Ctrl+Down") << 58 << int(Qt::Key_Down) << 59 << ctrl;
        QTest::newRow("Ctrl+Return") << 54 << int(Qt::Key_Return) << 55 << ctrl;
        QTest::newRow("Ctrl+PageDown over 2 BS and Fac") << 55 << int(Qt::Key_PageDown) << 58 << ctrl;
        QTest::newRow("Ctrl+Tab") << 12 << int(Qt::Key_Tab) << 14 << ctrl;
        QTest::newRow("Alt+Down on a list") << lineSlot(0, De) << int(Qt::Key_Down) << lineSlot(0, A) << alt;
        QTest::newRow("Ctrl+Up") << 14 << int(Qt::Key_Up) << 12 << ctrl;
        QTest::newRow("Alt+PageUp") << 54 << int(Qt::Key_PageUp) << 49 << alt;
        QTest::newRow("Shift+Tab") << 9 << int(Qt::Key_Backtab) << 8 << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Shift+Tab") << 9 << int(Qt::Key_Backtab) << 8 << (ctrl | Qt::ShiftModifier);
        QTest::newRow("Ctrl+F9 stays") << 58 << int(Qt::Key_F9) << 58 << ctrl;
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
        if (to == DateSlot)
            QVERIFY(text()->isHidden() && list()->isHidden() && m_window->datePicker()->hasFocus());
    }

    void tabulationModeCyclesOverTheLineEngines()
    {
        QPushButton *tab = m_window->button(EditorCommand::TabMode);
        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(tab->text(), u"Tab E"_s);
        QCOMPARE(record().currentSlot(), 82);
        for (int s : {84, 88, 118, 120, 124, 154, 156, 160, 190, 192, 196, 226, 228, 232, 262, 264, 268, 82}) {
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
        typeAt(lineSlot(1, Via), QString());
        QTest::keyClick(list(), Qt::Key_F8);
        QCOMPARE(record().slot(lineSlot(1, De)), u"CREIL"_s);
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

    // What the driver types shows whole in the box: too wide, it is drawn narrower; a box of
    // room enough, or a control moved on to one, shows it at the form's own width.
    void typedTextShowsWholeInNarrowBoxes()
    {
        auto fits = [](QLineEdit *edit) {
            return QFontMetrics(edit->font()).horizontalAdvance(edit->text()) <=
                   edit->contentsRect().width() - 5;
        };
        const QFont form = m_window->canvas()->textFont();
        typeAt(lineSlot(0, Categ), u"MES"_s);
        QLineEdit *listEdit = list()->lineEdit();
        QCOMPARE(listEdit->text(), u"MES"_s);
        QVERIFY(QFontMetrics(form).horizontalAdvance(u"MES"_s) >
                listEdit->contentsRect().width() - 5);
        QVERIFY(fits(listEdit));
        QVERIFY(listEdit->font().stretch() < 100);
        typeAt(lineSlot(0, EvoDep), u"12.5"_s);
        QVERIFY(fits(text()));
        typeAt(lineSlot(0, NumeroTrain), u"1"_s);
        QCOMPARE(text()->font(), form);
        typeAt(lineSlot(0, De), u"P"_s);
        QCOMPARE(listEdit->font(), form);
    }

    // The drop-down covers its box only and reads its list file (none: empty) when opened.
    void listControl()
    {
        editing().setCurrentSlot(lineSlot(3, Via));
        QVERIFY(!list()->isHidden());
        QCOMPARE(list()->geometry(), m_window->canvas()->boxRect(lineSlot(3, Via)));
        const auto listed = [this](int slot) {
            typeAt(slot, QString());
            list()->showPopup();
            list()->hidePopup();
            return list()->count();
        };
        QCOMPARE(listed(9), 3);
        QCOMPARE(list()->currentText(), QString());
        QCOMPARE(listed(lineSlot(0, Categ)), 0);

        // The mouse wheel over the closed control chooses among the items of the slot's own
        // list only: those read for another slot never land in this one.
        const auto wheel = [this] {
            const QPointF at = QRectF(list()->rect()).center();
            QWheelEvent down(at, list()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list(), &down);
        };
        for (const int slot : {lineSlot(0, EnginTitu), lineSlot(0, De)}) {
            listed(slot == lineSlot(0, De) ? lineSlot(0, EnginTitu) : 9); // another list's items
            editing().setCurrentSlot(slot);
            wheel();
            QVERIFY2(record().slot(slot).isEmpty(), qPrintable(record().slot(slot)));
        }
        listed(lineSlot(0, De));
        editing().setCurrentSlot(lineSlot(0, A)); // a station box too: the same list
        wheel();
        QCOMPARE(record().slot(lineSlot(0, A)), list()->itemText(0).left(5));
        record().setSlot(lineSlot(0, A), QString());

        // A station longer than the screen is wide: the list stays within the screen.
        m_data->writeLines(u"ListeGares.txt"_s, {u"CREIL"_s, QString(400, u'W')});
        typeAt(9, QString());
        list()->showPopup();
        QCOMPARE(list()->count(), 2);
        QCOMPARE_LE(list()->view()->window()->width(),
                    list()->screen()->availableGeometry().width());
        list()->hidePopup();
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
        QTest::newRow("Non conforme") << 13 << QString() << u"ê"_s << QString() << false << u"x"_s;
        QTest::newRow("mark 51, two characters at once") << 51 << QString() << u"éa"_s << QString() << false << u"xx"_s;
        QTest::newRow("Etablissement") << 3 << u"ETAB"_s << u"ö"_s << QString() << false << u"ETABÖ"_s;
        QTest::newRow("Nom keeps its case") << 1 << u"l"_s << u"é"_s << u"a"_s << false << u"léa"_s;
        QTest::newRow("capital within the code page") << lineSlot(0, Gare) << QString() << u"ÿœ"_s << QString() << false << u"ŸŒ"_s;
        QTest::newRow("list slot Via") << lineSlot(2, Via) << QString() << u"ê"_s << u"a"_s << false << u"ÊA"_s;
        QTest::newRow("empty train number: prefix first")
            << lineSlot(1, NumeroTrain) << QString() << u"ë"_s << QString() << false << u"14Ë"_s;
        QTest::newRow("full shunting engine refuses it") << 42 << u"674012"_s << u"é"_s << QString() << false << u"674012"_s;
        QTest::newRow("over a selection") << 1 << u"dupont"_s << u"é"_s << u"e"_s << true << u"ée"_s;
        QTest::newRow("over a selection in a list") << 9 << u"pnord"_s << u"ê"_s << QString() << true << u"Ê"_s;
        QTest::newRow("outside the code page") << 3 << u"ETAB"_s << u"ω"_s << QString() << false << u"ETAB?"_s;
        QTest::newRow("Journee loses its mention")
            << int(JourneeSlot) << u"12"_s << u"ê"_s << QString() << false << u"12Ê"_s;
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
        if (selected)
            (list()->isHidden() ? text() : list()->lineEdit())->selectAll();
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

    // Without a mouse: a lone Alt takes the keyboard to the menu bar, Escape brings it back to
    // the form, and Alt held with an arrow still moves over the form.
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

        editing().setCurrentSlot(lineSlot(0, De));
        QTest::keyClick(control(), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(record().currentSlot(), lineSlot(0, A));
        QVERIFY(!bar->activeAction());
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

KERBO_TEST(EditorWindowTest)
#include "EditorWindowTest.moc"
