#include "TestMain.h"

#include "EditorFixture.h"
#include "core/model/ListFiles.h"
#include "ui/editor/DayFileWiring.h"

// Engines typed or chosen in the editor, wired as in the program: what the slots keep once the
// driver leaves them, and what the engine list learns.
class EngineSlotsTest : public EditorFixture
{
    Q_OBJECT

    enum Gesture {
        Typed,
        Chosen,
        CodeTypedAfter,
        Tabbed,
        EngineReplaced,
        TypedThenListShown,
        ChosenThenRedrawn,
        TypedThenRedrawn
    };

    void openEditor(int enaut, int eneng)
    {
        makeData();
        Options &options = m_state->config.options;
        options.enaut = enaut;
        options.eneng = eneng;
        options.emtaut = u"NOR"_s;
        options.lettreAutom = u"Z"_s;
        m_state->engineListFile = ListFiles::engineListFile(enaut);
        m_data->writeLines(m_state->engineListFile,
                           {u"B 67401 SOT"_s, u"BB 67401 SOT"_s, u"C1LYON"_s});
        showWindow(true);
    }
    // Opens the drop-down of `slot` and clicks its item `text`.
    void choose(int slot, const QString &text)
    {
        editing().setCurrentSlot(slot);
        list()->showPopup();
        QAbstractItemView *view = list()->view();
        const int row = list()->findText(text, Qt::MatchExactly);
        QVERIFY2(row >= 0, qPrintable(text));
        QSignalSpy chosen(list(), &QComboBox::activated);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(list()->currentText(), text);
    }
    // Types `keys` in `slot` over the text it showed.
    void type(int slot, const QString &keys)
    {
        editing().setCurrentSlot(slot);
        (list()->isHidden() ? text() : list()->lineEdit())->selectAll();
        QTest::keyClicks(control(), keys);
    }
    void key(Qt::Key k) { QTest::keyClick(control(), k); }

private slots:
    void cleanup() { closeWindow(); }

    // A shunting engine takes keys until the slot holds six characters, the blanks the driver
    // types between letter and number not counted.
    void shuntingEngine_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letter, blank, number") << u"b 67401"_s << u"B67401"_s;
        QTest::newRow("no room left for the depot") << u"b 67401 sot"_s << u"B67401"_s;
        QTest::newRow("two letters") << u"bb6700x"_s << u"BB6700"_s;
        QTest::newRow("digits only") << u"6740123"_s << u"674012"_s;
    }
    void shuntingEngine()
    {
        QFETCH(QString, keys);
        QFETCH(QString, kept);
        openEditor(0, 0);
        typeAt(39, keys);
        QCOMPARE(record().slot(39), kept);
        QCOMPARE(record().slot(40), QString());
        // Backspace goes through, and the place it frees takes a key again.
        QTest::keyClick(list(), Qt::Key_Backspace);
        QTest::keyClick(list(), Qt::Key_9);
        QCOMPARE(record().slot(39), kept.chopped(1) + u'9');
    }

    // Slots 39 and 40 once the driver has gone through them; in self-propelled mode a shunting
    // engine without code anywhere takes NOR.
    void shuntingCodeKept_data()
    {
        QTest::addColumn<int>("enaut");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("code");
        for (int enaut : {0, 1}) {
            const auto row = [enaut](const char *name, Gesture gesture, const char *engine,
                                     const char *code) {
                QTest::addRow("%s, mode %d", name, enaut)
                    << enaut << int(gesture) << engine << code;
            };
            row("item chosen", Chosen, "B67401", "SOT");
            row("code typed in its slot", CodeTypedAfter, "B67401", "SOT");
            row("day opened and tabbed through", Tabbed, "B67401", "SOT");
            // A new engine typed over the old one does not take the old one's code.
            row("engine replaced", EngineReplaced, "Y8001", enaut ? "NOR" : "");
        }
    }
    void shuntingCodeKept()
    {
        QFETCH(int, enaut);
        QFETCH(int, gesture);
        openEditor(enaut, 0);
        if (gesture == Chosen) {
            choose(39, u"B 67401 SOT"_s);
            key(Qt::Key_Tab);
        } else if (gesture == CodeTypedAfter) {
            type(39, u"b67401"_s);
            key(Qt::Key_Tab);
            QCOMPARE(record().slot(40), enaut ? u"NOR"_s : QString());
            type(40, u"sot"_s);
            key(Qt::Key_Backtab);
            key(Qt::Key_Tab);
        } else {
            record().setSlot(39, u"B67401"_s);
            record().setSlot(40, u"SOT"_s);
            if (gesture == EngineReplaced) {
                type(39, u"y 8001"_s);
                key(Qt::Key_Tab);
            } else {
                record().setSlot(42, u"C1"_s);
                record().setSlot(43, u"LYO"_s);
                editing().setCurrentSlot(39);
                while (record().currentSlot() <= 43)
                    key(Qt::Key_Tab);
                QCOMPARE(record().slot(42), u"C1"_s);
                QCOMPARE(record().slot(43), u"LYO"_s);
            }
        }
        QTEST(record().slot(39), "engine");
        QTEST(record().slot(40), "code");
        QVERIFY(m_data->read(m_state->engineListFile).count("\r\n") == 3);
    }

    // The engine list learns the text the driver left in the box, never an item chosen in it;
    // a command that redraws the whole bulletin (a save) leaves the driver's text in its box.
    void learning_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("learnt");
        const auto row = [](const char *name, int slot, Gesture gesture, const char *text,
                            const char *learnt = "") {
            QTest::newRow(name) << slot << int(gesture) << text << learnt;
        };
        row("shunting item", 39, Chosen, "B 67401 SOT");
        row("line item", lineSlot(0, EnginTitu), Chosen, "BB 67401 SOT");
        row("line item without blanks", lineSlot(2, EnginUm1), Chosen, "C1LYON");
        row("item typed", lineSlot(1, EnginUm2), Typed, "c1lyon");
        row("line engine typed", lineSlot(0, EnginTitu), Typed, "bb 1 x", "BB 1 X");
        row("shunting engine typed", 42, Typed, "c 1 lyo", "C 1 LYO");
        row("drop-down opened over a typed engine", 45, TypedThenListShown, "c 1 lyo", "C 1 LYO");
        row("shunting item, bulletin redrawn", 39, ChosenThenRedrawn, "B 67401 SOT");
        row("shunting engine typed, bulletin redrawn", 42, TypedThenRedrawn, "c 1 lyo", "C 1 LYO");
    }
    void learning()
    {
        QFETCH(int, slot);
        QFETCH(int, gesture);
        QFETCH(QString, text);
        QFETCH(QString, learnt);
        openEditor(0, 1);
        const QByteArray before = m_data->read(m_state->engineListFile);
        const bool chosen = gesture == Chosen || gesture == ChosenThenRedrawn;
        if (chosen) {
            choose(slot, text);
        } else {
            type(slot, text);
            if (gesture == TypedThenListShown) {
                list()->showPopup();
                list()->hidePopup();
                QCOMPARE(list()->currentText(), text.toUpper());
            }
        }
        if (gesture == ChosenThenRedrawn || gesture == TypedThenRedrawn) {
            m_window->refreshBulletin();
            QCOMPARE(list()->currentText(), text.toUpper());
        }
        key(Qt::Key_Tab);
        QCOMPARE(m_data->read(m_state->engineListFile),
                 learnt.isEmpty() ? before : before + learnt.toLatin1() + "\r\n");
        if (isShuntingEngine(slot) && !chosen) QCOMPARE(record().slot(slot + 1), u"LYO"_s);
    }

    // The engine keys of the list control, pressed over an engine the driver was typing: the
    // engines of line 1 come down to line 2, and the box then shows what its slot holds, not
    // the text typed before, which the next key would otherwise bring back.
    void engineKeysShowTheSlotsNewEngine()
    {
        openEditor(1, 0);
        record().setSlot(lineSlot(0, EnginTitu), u"Z 20501 NOR"_s);
        record().setSlot(lineSlot(0, EnginUm1), u"Z 20503 NOR"_s);
        type(lineSlot(1, EnginUm1), u"b 9"_s);
        const auto engines = [this] {
            return QStringList{record().slot(lineSlot(1, EnginTitu)),
                               record().slot(lineSlot(1, EnginUm1)), list()->currentText()};
        };
        key(Qt::Key_F3); // driven back from the other cab: reversed, each to its twin
        QCOMPARE(engines(), QStringList({u"Z 20504 NOR"_s, u"Z 20502 NOR"_s, u"Z 20502 NOR"_s}));
        key(Qt::Key_F6); // reversed as they are
        QCOMPARE(engines(), QStringList({u"Z 20503 NOR"_s, u"Z 20501 NOR"_s, u"Z 20501 NOR"_s}));
        key(Qt::Key_F7);
        QCOMPARE(engines(), QStringList({u"Z 20504 NOR"_s, u"Z 20502 NOR"_s, u"Z 20502 NOR"_s}));
        m_data->prompts.answers = {Prompts::Answer::Ok};
        key(Qt::Key_F12);
        QCOMPARE(engines(), QStringList({u""_s, u""_s, u""_s}));
        QCOMPARE(record().currentSlot(), lineSlot(1, EnginUm1));
    }

    // "Nouvelle journée" cancelled gives the engine box back with the text the driver typed,
    // not the slot's rebuilt form.
    void newDayCancelledKeepsTheTypedEngine()
    {
        openEditor(0, 0);
        wireDayFiles(*m_window, *m_state, m_data->prompts);
        type(lineSlot(1, EnginTitu), u"bb 67401 sot"_s);
        QCOMPARE(list()->currentText(), u"BB 67401 SOT"_s);
        m_window->action(EditorCommand::NewDay)->trigger(); // Annuler
        QVERIFY(!list()->isHidden() && list()->hasFocus());
        QCOMPARE(list()->currentText(), u"BB 67401 SOT"_s);
        QCOMPARE(record().currentSlot(), lineSlot(1, EnginTitu));
    }

    // An engine that cannot join its list (the data folder gone, a full disk) is told.
    void unwrittenLearningIsTold()
    {
        openEditor(0, 1);
        QVERIFY(QDir(m_state->config.dataFolder()).removeRecursively());
        type(42, u"c 1 lyo"_s);
        key(Qt::Key_Tab);
        QCOMPARE(m_data->prompts.last().title, u"Kerbo"_s);
        QVERIFY(m_data->prompts.last().text.endsWith(
            u"\r\n« C 1 LYO » n'a pas été ajouté à la liste."_s));
        QVERIFY(m_data->prompts.last().text.contains(m_state->engineListFile));
    }
};

KERBO_TEST(EngineSlotsTest)
#include "EngineSlotsTest.moc"
