#include "TestMain.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "TempDataFolder.h"
#include "core/dayfiles/DayCommands.h"
#include "core/editor/FunctionKeys.h"
#include "core/model/LineView.h"

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
    // Every slot of line k (0..5) holds its line and rank: "L2r7".
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
        m_data->state.automatismes.setPath(m_data->dataFile("Automatisme.ini"));
        m_prompts = FakePrompts();
        m_view = CountingLineView();
        m_keys = std::make_unique<FunctionKeys>(record(), m_data->state.lineBuffer,
                                                m_data->state.config.options,
                                                m_data->state.automatismes, m_prompts, m_view);
    }

    // The line keys act between 58 and 266; the list control's engine keys on their own ranges.
    void gates_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("list");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("acts");
        const auto row = [](const char *name, Qt::Key key, int slot, bool list, bool acts,
                            Qt::KeyboardModifiers modifiers = {}) {
            QTest::newRow(name) << int(key) << slot << list << int(modifiers) << acts;
        };
        row("F5 on line 1's Fac", Qt::Key_F5, 57, false, false);
        row("F5 on the first number", Qt::Key_F5, 58, false, true);
        row("F12 on line 6's Nat3", Qt::Key_F12, 267, true, false);
        row("F9 on line 6's Nat3", Qt::Key_F9, 267, false, false);
        row("Ctrl+F9", Qt::Key_F9, 100, false, false, Qt::ControlModifier);
        row("Ctrl+Shift+F9", Qt::Key_F9, 100, false, true, Qt::ControlModifier | Qt::ShiftModifier);
        row("F3 in the text control", Qt::Key_F3, 118, false, false);
        row("F7 on line 6's EnginUm2", Qt::Key_F7, 268, true, true);
        row("F6 before line 2", Qt::Key_F6, 117, true, false);
        row("F6 on line 2's first engine", Qt::Key_F6, 118, true, true);
        row("F6 on line 6's Nat3", Qt::Key_F6, 267, true, true);
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
        press(lineSlot(0, HeureDep), Qt::Key_F2);
        QCOMPARE(lineValues(0), lineOne); // nothing above line 1
        QCOMPARE(m_view.shown, 0);

        record().setSlot(lineSlot(0, EnginUm1), QString()); // line 1 ran with one engine
        record().setSlot(lineSlot(0, EnginUm2), QString());
        press(lineSlot(1, Masse), Qt::Key_F2);
        QStringList expected = lineValues(1);
        for (int r : {Fac, De, A, Via, Categ, IndCompo, AgSeul, NbVeh, Long, Masse, Coef, KmTrain})
            expected[r] = QStringLiteral("L0r%1").arg(r);
        for (int r : {NumeroTrain, EvoDep, MvDep, HeureDep, HeureArr, MvArr, EvoArr, Gare,
                      HeureArr2, Mv, HeureDep2, EnginUm1, EnginUm2})
            expected[r].clear();
        expected[EnginTitu] = QStringLiteral("L0r25");
        expected[Nat1] = QStringLiteral("T");
        QCOMPARE(lineValues(1), expected);
        QCOMPARE(record().currentSlot(), lineSlot(1, NumeroTrain));
        QCOMPARE(m_view.shown, 1);
    }

    void copyAndPasteAcrossDays()
    {
        press(lineSlot(2, De), Qt::Key_F8); // nothing copied yet
        QCOMPARE(lineValues(2), QStringList(LineLength, QString()));
        fillLine(0);
        record().setSlot(lineSlot(0, Via), QString());
        press(lineSlot(0, Gare), Qt::Key_F5);
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral(" Copie de la ligne du train 1  effectuée "));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Information);
        const QStringList copied = lineValues(0);

        FakeView dayView;
        m_prompts.answers.push_back(Prompts::Answer::Ok);
        DayCommands::newDay(m_data->state, m_prompts, dayView);
        fillLine(2);
        press(lineSlot(2, Coef), Qt::Key_F8);
        QStringList expected = copied;
        expected[Via] = QStringLiteral("L2r4"); // an empty copied value leaves the slot alone
        QCOMPARE(lineValues(2), expected);
        QCOMPARE(lineValues(1) + lineValues(3), QStringList(2 * LineLength, QString()));
    }

    void eraseLineAsks()
    {
        for (int k = 0; k < LineCount; ++k)
            fillLine(k);
        press(lineSlot(2, Nat2), Qt::Key_F12); // no answer given: Cancel
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral(" Attention effacement de la ligne du train 3"));
        QCOMPARE(m_prompts.last().buttons, Prompts::Buttons::OkCancel);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(record().slot(129), QStringLiteral("L2r0"));
        m_prompts.answers.push_back(Prompts::Answer::Ok);
        press(lineSlot(2, Nat2), Qt::Key_F12);
        for (int s = 128; s <= 165; ++s)
            QCOMPARE(record().slot(s).isEmpty(), s >= 129 && s <= 164);
    }

    void takePreviousEngines()
    {
        // F6: the engines as they are, reversed, then the slot under the control normalised.
        m_data->state.config.options.enaut = 1;
        m_data->state.config.options.emtaut = QStringLiteral("LIL");
        record().setSlot(lineSlot(3, EnginTitu), QStringLiteral("Z 20501 NOR"));
        record().setSlot(lineSlot(3, EnginUm1), QStringLiteral("20503"));
        press(lineSlot(4, EnginTitu), Qt::Key_F6, true);
        QCOMPARE(record().slot(lineSlot(4, EnginTitu)), QStringLiteral(" 20503 LIL"));
        QCOMPARE(record().slot(lineSlot(4, EnginUm1)), QStringLiteral("Z 20501 NOR"));
        QCOMPARE(record().slot(lineSlot(4, De2Um1)), QString());
    }
};

KERBO_TEST(FunctionKeysTest)
#include "FunctionKeysTest.moc"
