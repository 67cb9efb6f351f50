#include "TestMain.h"

#include "EditorFixture.h"
#include "ui/editor/DayFileWiring.h"
#include "ui/editor/RosterListBox.h"
#include "ui/editor/frmChoixDate.h"

// The two boxes of the form's head that are not plain text: the mention beside Journee, and the
// date box with its calendar, typed into as a driver types a date.
class DateAndMentionTest : public EditorFixture
{
    Q_OBJECT

    // Shows `date` in the date box and puts the keys in it.
    QDateEdit *dateBox(QDate date)
    {
        m_window->showServiceDate(date);
        editing().setCurrentSlot(DateSlot);
        return m_window->datePicker();
    }
    // Types `keys` into `w`: ⌫ is Backspace, ⌦ Delete, ← and → the arrows, ⇲ End, ⇧ Shift+Right,
    // ⌂ Ctrl+A, ⎘ Ctrl+V.
    static void typeKeys(QWidget *w, const QString &keys)
    {
        static const QHash<QChar, std::pair<Qt::Key, Qt::KeyboardModifier>> named = {
            {u'⌫', {Qt::Key_Backspace, Qt::NoModifier}}, {u'⌦', {Qt::Key_Delete, Qt::NoModifier}},
            {u'←', {Qt::Key_Left, Qt::NoModifier}},      {u'→', {Qt::Key_Right, Qt::NoModifier}},
            {u'⇲', {Qt::Key_End, Qt::NoModifier}},       {u'⇧', {Qt::Key_Right, Qt::ShiftModifier}},
            {u'⌂', {Qt::Key_A, Qt::ControlModifier}},    {u'⎘', {Qt::Key_V, Qt::ControlModifier}}};
        for (const QChar c : keys) {
            const auto key = named.constFind(c);
            if (key == named.cend())
                QTest::keyClicks(w, QString(c));
            else
                QTest::keyClick(w, key->first, key->second);
        }
    }

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // The mention of Journee goes with every key press there, the keys that only move excepted,
    // and with every change the driver makes to its text.
    void mentionGoesWithAKeyPress_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("journee");
        QTest::addColumn<bool>("cleared");
        const Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_3) << none << u"123"_s << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << u"1"_s << true;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << u"12"_s << true;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << u"12"_s << true;
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << ctrl << u"12"_s << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << u"12"_s << true;
        QTest::newRow("Ctrl+V pastes") << int(Qt::Key_V) << ctrl << u"125"_s << true;
        QTest::newRow("Ctrl+X with nothing selected") << int(Qt::Key_X) << ctrl << u"12"_s << true;
        QTest::newRow("Left") << int(Qt::Key_Left) << none << u"12"_s << false;
        QTest::newRow("Ctrl+Up") << int(Qt::Key_Up) << ctrl << u"12"_s << false;
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << none << u"12"_s << false;
        QTest::newRow("F2") << int(Qt::Key_F2) << none << u"12"_s << false;
        QTest::newRow("a paste by no key, as from the control's menu")
            << 0 << none << u"125"_s << true;
    }
    void mentionGoesWithAKeyPress()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, journee);
        QFETCH(bool, cleared);
        QGuiApplication::clipboard()->setText(u"5"_s);
        showMentionOnJournee(u"12"_s);
        key ? QTest::keyClick(text(), Qt::Key(key), modifiers) : text()->paste();
        QCOMPARE(record().slot(JourneeSlot), journee);
        QCOMPARE(m_window->mentionLabel()->isHidden(), cleared);
        QCOMPARE(m_window->mentionLabel()->text().isEmpty(), cleared);
        QCOMPARE(m_state->mention.isEmpty(), cleared);
    }

    void mentionAndDate()
    {
        m_window->showMention(u"2bis"_s);
        typeAt(7, u"1"_s);
        QVERIFY(!m_window->mentionLabel()->isHidden());
        typeAt(8, u"1"_s);
        QVERIFY(m_window->mentionLabel()->isHidden());
        QCOMPARE(m_window->mentionLabel()->text(), QString());
        // Hidden by a command, the controls leave the current slot where it was.
        editing().hideEditControls();
        QCOMPARE(record().currentSlot(), 8);
        QVERIFY(m_window->canvas()->hasFocus());
        editing().placeEditControl();

        QDateEdit *date = m_window->datePicker();
        m_window->showServiceDate(QDate(2026, 12, 4));
        QCOMPARE(date->text(), u"04/12/26"_s);
        QVERIFY(!text()->isHidden()); // placed by the program: the controls stay
        date->setFocus();
        QCOMPARE(record().currentSlot(), 6);
        QVERIFY(text()->isHidden());
        date->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(date, Qt::Key_Up);
        QCOMPARE(record().serviceDate(), QDate(2026, 12, 5));
        QTest::keyClick(date, Qt::Key_Down);
        QTest::keyClick(date, Qt::Key_Down);
        QCOMPARE(record().serviceDate(), QDate(2026, 12, 3));
        // Tab, Page Down and Enter go on into the bulletin; Page Up and Shift+Tab go back.
        for (const auto &[key, slot] : {std::pair{Qt::Key_Tab, 7},
                                        {Qt::Key_PageDown, 7},
                                        {Qt::Key_Enter, 7},
                                        {Qt::Key_PageUp, 5},
                                        {Qt::Key_Backtab, 5}}) {
            date->setFocus();
            QCOMPARE(record().currentSlot(), 6);
            QTest::keyClick(date, key);
            QCOMPARE(record().currentSlot(), slot);
            QVERIFY(!text()->isHidden());
        }
        // A day without a date shows today's.
        m_window->showServiceDate(QDate());
        QCOMPARE(date->date(), QDate::currentDate());
    }

    // A date typed is the date typed, whatever month the box showed, then kept as the keys
    // leave the box; a year on two digits is the one a driver means, on four the one typed.
    void dateTypedIsTheDateKept_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<int>("section"); // selected before typing; none: as the box comes
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("date");
        const auto row = [](const char *name, QDate shown, const QString &keys, QDate date,
                            QDateTimeEdit::Section section = QDateTimeEdit::NoSection) {
            QTest::newRow(name) << shown << int(section) << keys << date;
        };
        const auto day = QDateTimeEdit::DaySection, year = QDateTimeEdit::YearSection;
        row("29 February over December", {2026, 12, 7}, u"290224"_s, {2024, 2, 29});
        row("31 March over April", {2026, 4, 1}, u"310326"_s, {2026, 3, 31});
        row("day and month over April", {2026, 4, 15}, u"3112"_s, {2026, 12, 31});
        row("last century", {2025, 2, 28}, u"311299"_s, {1999, 12, 31});
        row("with slashes", {2024, 2, 28}, u"29/02/24"_s, {2024, 2, 29});
        // A paste (⎘: Ctrl+V of the clipboard's "31/12/99") is the same keys typed: Qt's box
        // took the century shown.
        row("pasted, last century", {2026, 4, 15}, u"⎘"_s, {1999, 12, 31});
        row("pasted over the whole date", {2026, 4, 15}, u"⌂⎘"_s, {1999, 12, 31});
        row("day and month with a slash", {2026, 12, 15}, u"01/10"_s, {2026, 10, 1});
        row("one-digit parts", {2026, 12, 7}, u"1/1/27"_s, {2027, 1, 1});
        row("one-digit day without slash", {1998, 12, 5}, u"51226"_s, {2026, 12, 5});
        row("one-digit day, last century", {2004, 3, 31}, u"50499"_s, {1999, 4, 5});
        row("four-digit year", {2026, 12, 7}, u"14112026"_s, {2026, 11, 14});
        row("blanks, four-digit year", {2026, 12, 7}, u"13 11 2026"_s, {2026, 11, 13});
        row("slashes, four-digit year", {2026, 12, 7}, u"15/10/2026"_s, {2026, 10, 15});
        // Mistakes: a part that is no day or month is typed again, a fifth digit of the year is
        // not taken, a four-digit year no bulletin has is the two digits shown.
        row("five-digit year", {2026, 12, 7}, u"0101199999"_s, {1999, 1, 1});
        row("year before 1900", {2026, 12, 7}, u"01/01/1899"_s, {1999, 1, 1}); // as shown
        row("year typed again", {2026, 12, 7}, u"15032625"_s, {2025, 3, 15});
        row("day typed again", {2026, 3, 10}, u"32310326"_s, {2026, 3, 31});
        row("month typed again", {2026, 5, 31}, u"00150326"_s, {2026, 3, 15});
        // Keys that move in the box: the day typed is kept through them, Backspace goes back
        // into the day once the month is empty, Right and Left go from part to part.
        row("31 in June, Delete, then the rest", {2026, 6, 1}, u"31⌦1299"_s, {1999, 12, 31});
        row("Backspace into the day", {2027, 2, 1}, u"16⌫50627"_s, {2027, 6, 15});
        row("Right and Left", {2027, 6, 15}, u"→9←←2"_s, {2027, 9, 2});
        // Right after a part closed by its digits goes on to the next part only, as a separator
        // does; after the year it ends it, the digits after it type the year again.
        row("Right after each closed part", {2027, 9, 2}, u"25→12→28"_s, {2028, 12, 25}, day);
        row("Right after the year", {2026, 3, 10}, u"150326→9"_s, {2009, 3, 15}, day);
        // Digits typed after End or with part of a part selected type that part from its start.
        row("End", {2028, 12, 25}, u"⇲29"_s, {2029, 12, 25}, day);
        row("part of the month selected", {2029, 12, 25}, u"⇧11"_s, {2029, 11, 25},
            QDateTimeEdit::MonthSection);
        row("year typed alone", {2026, 12, 7}, u"99"_s, {1999, 12, 7}, year);
        row("year left empty comes back", {2027, 9, 2}, u"⌫"_s, {2027, 9, 2}, year);
        row("one digit of the day", {2026, 12, 7}, u"1"_s, {2026, 12, 1});
    }
    void dateTypedIsTheDateKept()
    {
        QFETCH(QDate, shown);
        QFETCH(int, section);
        QFETCH(QString, keys);
        QFETCH(QDate, date);
        QDateEdit *box = dateBox(shown);
        QVERIFY(box->hasFocus());
        if (section != QDateTimeEdit::NoSection)
            box->setSelectedSection(QDateTimeEdit::Section(section));
        QGuiApplication::clipboard()->setText(u"31/12/99"_s);
        typeKeys(box, keys);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), DateSlot + 1);
        QCOMPARE(box->date(), date);
        QCOMPARE(record().serviceDate(), date);
        QCOMPARE(box->text(), date.toString(u"dd/MM/yy"));
        // Nothing comes in another way: a drop, or the paste of the box's own menu.
        QVERIFY(!box->findChild<QLineEdit *>()->acceptDrops());
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        // The keys typed next go into Roulement.
        QVERIFY(text()->isVisible() && text()->hasFocus());
        QTest::keyClicks(text(), u"5"_s);
        QCOMPARE(record().slot(DateSlot + 1), u"5"_s);
        QCOMPARE(record().serviceDate(), date);
    }

    // The calendar opens from the keys as a drop-down does, without stepping the date, or from
    // its button; the arrows and Enter pick a day in it, Escape leaves it. Digits typed after a
    // day picked make a new date from the day on.
    void calendarOpensFromTheKeys()
    {
        QDateEdit *box = dateBox(QDate(2026, 6, 10));
        QTableView *days = nullptr;
        const auto opened = [&days] {
            QTRY_VERIFY(QApplication::activePopupWidget());
            auto *calendar = QApplication::activePopupWidget()->findChild<QCalendarWidget *>();
            QVERIFY(calendar);
            days = calendar->findChild<QTableView *>();
        };
        const auto picked = [box, &days](Qt::Key key) {
            QTest::keyClick(days, key);
            QTest::keyClick(days, Qt::Key_Return);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QTRY_VERIFY(box->hasFocus());
        };
        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
        opened();
        QVERIFY(days);
        QCOMPARE(box->date(), QDate(2026, 6, 10));
        picked(Qt::Key_Right);
        QCOMPARE(record().serviceDate(), QDate(2026, 6, 11));
        days = nullptr;
        QTest::keyClick(box, Qt::Key_F4);
        opened();
        QVERIFY(days);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(record().serviceDate(), QDate(2026, 6, 11));

        box->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 8, box->height() / 2));
        opened();
        picked(Qt::Key_Down);
        QCOMPARE(box->date(), QDate(2026, 6, 18));
        QTest::keyClicks(box, u"141299"_s);
        QCOMPARE(box->date(), QDate(1999, 12, 14));
    }

    // Keys of the keypad and of a French keyboard, with the modifiers they come with.
    void keypadAndFrenchKeyboardTypeADate()
    {
        QDateEdit *box = dateBox(QDate(2026, 3, 10));
        for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_0, Qt::Key_7, Qt::Key_2, Qt::Key_3}) {
            QTest::keyClick(box, Qt::Key_NumLock); // as some keyboards and tools send it
            QTest::keyClick(box, k, Qt::KeypadModifier);
        }
        QCOMPARE(box->date(), QDate(2023, 7, 12));
        // A French keyboard types "/" with Shift, pressed on its own first.
        box->setSelectedSection(QDateTimeEdit::DaySection);
        for (const QString &part : {u"29"_s, u"02"_s, u"24"_s}) {
            if (part != u"29") {
                QTest::keyClick(box, Qt::Key_Shift, Qt::ShiftModifier);
                QTest::keyClick(box, Qt::Key_Slash, Qt::ShiftModifier);
            }
            QTest::keyClicks(box, part);
        }
        QCOMPARE(box->date(), QDate(2024, 2, 29));
    }

    // A double click selects the part under the mouse.
    void doubleClickChoosesAPart()
    {
        QDateEdit *box = dateBox(QDate(2027, 9, 2));
        QLineEdit *line = box->findChild<QLineEdit *>();
        const QFontMetrics metrics(line->font());
        const QPoint onMonth(2 + metrics.horizontalAdvance(u"02/0"_s) +
                                 metrics.horizontalAdvance(u'9') / 2,
                             line->height() / 2);
        QTest::mouseDClick(line, Qt::LeftButton, {}, onMonth);
        QCOMPARE(box->currentSection(), QDateTimeEdit::MonthSection);
        QCOMPARE(line->selectedText(), u"09"_s);
    }

    // The wheel turned over a box on the way elsewhere changes nothing and leaves the keyboard
    // where it is: the date box, the roster list (its folders read), the drop-down of a station
    // (its stations read) while the keyboard is in the roster list.
    void wheelOnTheWayLeavesTheBoxesAlone()
    {
        const QString folder = m_data->dir.path() + u"/R2/"_s;
        m_data->writeLines(u"ListeDossier.txt"_s, {m_data->dir.path() + u"/R1/"_s, folder});
        QDateEdit *box = m_window->datePicker();
        m_window->showServiceDate(QDate(2026, 12, 16));
        RosterListBox *roster = m_window->rosterList();
        m_window->showRosterFolder(folder);
        roster->showPopup();
        roster->hidePopup();
        emit roster->activated(1);
        editing().setCurrentSlot(lineSlot(0, De));
        list()->showPopup();
        list()->hidePopup();
        const auto wheelOver = [](QWidget *w, int delta) {
            const QPointF at(10, 8);
            QWheelEvent wheel(at, w->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &wheel);
        };
        editing().setCurrentSlot(DateSlot + 1);
        QWidget *typing = QApplication::focusWidget();
        wheelOver(box, 120);
        wheelOver(roster, 120);
        QCOMPARE(box->date(), QDate(2026, 12, 16));
        QCOMPARE(m_state->config.hdGenerique, folder);
        QCOMPARE(iniOption(u"CheminDossiers"_s, u"Hdgenerique"_s), folder);
        QCOMPARE(QApplication::focusWidget(), typing);

        editing().setCurrentSlot(lineSlot(0, De));
        roster->setFocus();
        wheelOver(list(), -120);
        QCOMPARE(record().slot(lineSlot(0, De)), QString());
        QVERIFY(roster->hasFocus());
    }

    // The right button over the date box or the roster list opens the bulletin's menu, as over
    // the boxes, and leaves the keyboard in the box where the driver stands: the next key goes
    // there, not into the date or off to Nom.
    void rightButtonLeavesTheKeyboardInItsBox()
    {
        m_window->showServiceDate(QDate(2026, 12, 16));
        QDateEdit *date = m_window->datePicker();
        RosterListBox *roster = m_window->rosterList();
        const QList<QWidget *> pressed = {date->findChild<QLineEdit *>(), date, roster->lineEdit(),
                                          roster};
        for (QWidget *w : pressed) {
            record().setSlot(lineSlot(0, NumeroTrain), QString());
            typeAt(lineSlot(0, NumeroTrain), u"1"_s);
            QTimer::singleShot(0, [] {
                if (QWidget *menu = QApplication::activePopupWidget()) menu->close();
            });
            QTest::mousePress(w, Qt::RightButton, {}, QPoint(6, w->height() / 2));
            QTest::mouseRelease(w, Qt::RightButton, {}, QPoint(6, w->height() / 2));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
            QCOMPARE(record().currentSlot(), lineSlot(0, NumeroTrain));
            QCOMPARE(record().slot(lineSlot(0, NumeroTrain)), u"15"_s);
        }
        QCOMPARE(date->date(), QDate(2026, 12, 16));
        // The left button still takes the keyboard into them.
        QTest::mouseClick(date->findChild<QLineEdit *>(), Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(record().currentSlot(), DateSlot);
        QTest::mouseClick(roster->lineEdit(), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(roster->hasFocus());
    }

    // "Nouvelle journée" asks over the drawn bulletin; a day kept gets its control back where
    // it was, a new day starts on the first train number.
    void newDayAsksOverTheDrawnBulletin()
    {
        wireDayFiles(*m_window, *m_state, m_data->prompts);
        typeAt(lineSlot(1, De), u"zz"_s);
        bool controlsShown = true;
        m_data->prompts.onShown = [&] {
            controlsShown = !text()->isHidden() || !list()->isHidden();
        };
        m_window->action(EditorCommand::NewDay)->trigger();
        QCOMPARE(m_data->prompts.last().text, u" NOUVELLE JOURNEE ?"_s);
        QVERIFY(!controlsShown);
        QCOMPARE(record().currentSlot(), lineSlot(1, De));
        QVERIFY(!list()->isHidden() && list()->currentText() == u"ZZ"_s);

        m_data->prompts.answers = {Prompts::Answer::Ok};
        m_window->action(EditorCommand::NewDay)->trigger();
        m_data->prompts.onShown = nullptr;
        QVERIFY(!controlsShown);
        QCOMPARE(record().slot(lineSlot(1, De)), QString());
        QCOMPARE(record().currentSlot(), FirstTrainNumberSlot);
        QVERIFY(!text()->isHidden() && text()->hasFocus());
    }

    // The calendar of an opened generic day takes the arrows and Enter. Its year box goes no
    // further back than a day file may: "26" typed there was the year 26, and the archive saved
    // so could not be opened again.
    void calendarOfAGenericDay()
    {
        frmChoixDate window(QDate(2026, 12, 7));
        auto *year = window.calendar()->findChild<QSpinBox *>(u"qt_calendar_yearedit"_s);
        QVERIFY(year);
        QCOMPARE(year->minimum(), 1900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *days = window.calendar()->findChild<QTableView *>();
        QVERIFY(days && days->hasFocus());
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.chosenDate(), QDate(2026, 12, 8));
        window.calendar()->setSelectedDate(QDate(26, 12, 7));
        QVERIFY(window.calendar()->selectedDate() >= QDate(1900, 1, 1));
    }
};

KERBO_TEST(DateAndMentionTest)
#include "DateAndMentionTest.moc"
