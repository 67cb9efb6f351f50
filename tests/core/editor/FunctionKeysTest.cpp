#include "TestMain.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "TempDataFolder.h"
#include "core/dayfiles/DayCommands.h"
#include "core/editor/FunctionKeys.h"
#include "core/editor/LineView.h"

using namespace SlotTable;

namespace
{

struct CountingLineView : LineView {
    int shown = 0;
    void showCurrentSlot() override { ++shown; }
    void setBusy(bool) override {}
};

} // namespace

class FunctionKeysTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    FakePrompts m_prompts;
    CountingLineView m_view;
    std::unique_ptr<FunctionKeys> m_keys;

    BulletinRecord &record() { return m_data->state.record; }
    bool press(int slot, int key, bool list = false, Qt::KeyboardModifiers mods = {})
    {
        record().setCurrentSlot(slot);
        return m_keys->press(key, mods, list);
    }
    // Every slot of line k (0..5) holds its own name and line: "L2r7".
    void fillLine(int k)
    {
        for (int r = 0; r < LineLength; ++r)
            record().setSlot(lineSlot(k, r), QStringLiteral("L%1r%2").arg(k).arg(r));
    }
    QStringList lineValues(int k)
    {
        QStringList values;
        for (int r = 0; r < LineLength; ++r)
            values << record().slot(lineSlot(k, r));
        return values;
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_data->state.automatismes.setPath(m_data->dataFile(QStringLiteral("Automatisme.ini")));
        m_prompts = FakePrompts();
        m_view = CountingLineView();
        m_keys = std::make_unique<FunctionKeys>(record(), m_data->state.lineBuffer,
                                                m_data->state.config.options,
                                                m_data->state.automatismes, m_prompts, m_view);
    }

    // Which key acts where: the line keys between 58 and 266, the engine keys of the list
    // control on their own ranges.
    void gates_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("list");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("acts");
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("F5 on line 1's Fac") << int(Qt::Key_F5) << 57 << false << 0 << false;
        QTest::newRow("F5 on the first number") << int(Qt::Key_F5) << 58 << false << 0 << true;
        QTest::newRow("F5 on line 6's De2Um1") << int(Qt::Key_F5) << 266 << true << 0 << true;
        QTest::newRow("F12 on line 6's Nat3") << int(Qt::Key_F12) << 267 << false << 0 << false;
        QTest::newRow("F2 on line 6's KmTrain") << int(Qt::Key_F2) << 272 << false << 0 << false;
        QTest::newRow("F9 in frame B3") << int(Qt::Key_F9) << 56 << false << 0 << false;
        QTest::newRow("Ctrl+F9") << int(Qt::Key_F9) << 100 << false << ctrl << false;
        QTest::newRow("Ctrl+Shift+F9") << int(Qt::Key_F9) << 100 << false
                                       << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
        QTest::newRow("F3 in the text control") << int(Qt::Key_F3) << 118 << false << 0 << false;
        QTest::newRow("F3 off an engine") << int(Qt::Key_F3) << 119 << true << 0 << false;
        QTest::newRow("F7 on line 6's EnginUm2") << int(Qt::Key_F7) << 268 << true << 0 << true;
        QTest::newRow("F6 before line 2") << int(Qt::Key_F6) << 117 << true << 0 << false;
        QTest::newRow("F6 on line 2") << int(Qt::Key_F6) << 118 << true << 0 << true;
        QTest::newRow("F6 on line 6's Nat3") << int(Qt::Key_F6) << 267 << true << 0 << true;
        QTest::newRow("F4 anywhere") << int(Qt::Key_F4) << 100 << true << 0 << false;
    }
    void gates()
    {
        QFETCH(int, key);
        QFETCH(int, slot);
        QFETCH(bool, list);
        QFETCH(int, modifiers);
        QTEST(press(slot, key, list, Qt::KeyboardModifiers(modifiers)), "acts");
    }

    void continueLine()
    {
        fillLine(0);
        fillLine(1);
        const QStringList lineOne = lineValues(0);
        QVERIFY(press(lineSlot(0, HeureDep), Qt::Key_F2));
        QCOMPARE(lineValues(0), lineOne); // nothing above line 1
        QCOMPARE(record().currentSlot(), lineSlot(0, HeureDep));

        record().setSlot(lineSlot(0, EnginUm1), QString()); // line 1 ran with one engine
        record().setSlot(lineSlot(0, EnginUm2), QString());
        QVERIFY(press(lineSlot(1, Masse), Qt::Key_F2));
        QStringList expected = lineValues(1);
        for (int r : {Fac, De, A, Via, Categ, IndCompo, AgSeul, NbVeh, Long, Masse, Coef, KmTrain})
            expected[r] = QStringLiteral("L0r%1").arg(r);
        for (int r = EvoDep; r <= HeureDep2; ++r)
            expected[r].clear();
        expected[NumeroTrain].clear();
        expected[EnginTitu] = QStringLiteral("L0r25");
        expected[EnginUm1].clear();
        expected[EnginUm2].clear();
        expected[Nat1] = QStringLiteral("T");
        QCOMPARE(lineValues(1), expected);
        QCOMPARE(record().currentSlot(), lineSlot(1, NumeroTrain));
        QCOMPARE(m_view.shown, 1);

        // With a multiple unit the route of the units follows the line's own.
        record().setSlot(lineSlot(1, EnginUm1), QStringLiteral("B 2"));
        fillLine(2);
        QVERIFY(press(lineSlot(2, De), Qt::Key_F2));
        QCOMPARE(record().slot(lineSlot(2, EnginTitu)), QStringLiteral("B 2"));
        QCOMPARE(record().slot(lineSlot(2, De2Um1)), QStringLiteral("L0r2"));
        QCOMPARE(record().slot(lineSlot(2, A2Um1)), QStringLiteral("L0r3"));
        QCOMPARE(record().slot(lineSlot(2, De2Um2)), QStringLiteral("L2r32"));
    }

    void copyAndPasteAcrossDays()
    {
        QVERIFY(press(lineSlot(2, De), Qt::Key_F8)); // nothing copied yet: nothing changes
        QCOMPARE(lineValues(2), QStringList(LineLength, QString()));

        fillLine(0);
        record().setSlot(lineSlot(0, Via), QString());
        QVERIFY(press(lineSlot(0, Gare), Qt::Key_F5));
        QCOMPARE(m_prompts.last().title, QStringLiteral("Kerbo"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral(" Copie de la ligne du train 1  effectuée "));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Information);
        const QStringList copied = lineValues(0);

        FakeView dayView;
        m_prompts.answers.push_back(Prompts::Answer::Ok);
        DayCommands::newDay(m_data->state, m_prompts, dayView);
        QCOMPARE(lineValues(0), QStringList(LineLength, QString()));

        fillLine(2);
        QVERIFY(press(lineSlot(2, Coef), Qt::Key_F8));
        QStringList expected = copied;
        expected[Via] = QStringLiteral("L2r4"); // an empty copied value leaves the slot alone
        QCOMPARE(lineValues(2), expected);
        QCOMPARE(lineValues(1), QStringList(LineLength, QString()));
        QCOMPARE(lineValues(3), QStringList(LineLength, QString()));
    }

    void eraseLineAsks()
    {
        for (int k = 0; k < LineCount; ++k)
            fillLine(k);
        QVERIFY(press(lineSlot(2, Nat2), Qt::Key_F12)); // no answer given: Cancel
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral(" Attention effacement de la ligne du train 3"));
        QCOMPARE(m_prompts.last().buttons, Prompts::Buttons::OkCancel);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(record().slot(129), QStringLiteral("L2r0"));

        m_prompts.answers.push_back(Prompts::Answer::Ok);
        QVERIFY(press(lineSlot(2, Nat2), Qt::Key_F12));
        for (int s = 128; s <= 165; ++s)
            QCOMPARE(record().slot(s).isEmpty(), s >= 129 && s <= 164);
    }

    void engineKeys()
    {
        m_data->state.config.options.enaut = 1;
        record().setSlot(lineSlot(3, EnginTitu), QStringLiteral("Z 20501 NOR"));
        record().setSlot(lineSlot(3, EnginUm1), QStringLiteral("Z 20503 NOR"));
        QVERIFY(press(lineSlot(4, EnginUm1), Qt::Key_F3, true));
        QCOMPARE(record().slot(lineSlot(4, EnginTitu)), QStringLiteral("Z 20504 NOR"));
        QCOMPARE(record().slot(lineSlot(4, EnginUm1)), QStringLiteral("Z 20502 NOR"));

        // F6 takes them as they are, then normalises the slot it stands on.
        m_data->state.config.options.emtaut = QStringLiteral("LIL");
        record().setSlot(lineSlot(3, EnginUm1), QStringLiteral("20503"));
        QVERIFY(press(lineSlot(4, EnginTitu), Qt::Key_F6, true));
        QCOMPARE(record().slot(lineSlot(4, EnginTitu)), QStringLiteral(" 20503 LIL"));
        QCOMPARE(record().slot(lineSlot(4, EnginUm1)), QStringLiteral("Z 20501 NOR"));
    }
};

KERBO_TEST(FunctionKeysTest)
#include "FunctionKeysTest.moc"
