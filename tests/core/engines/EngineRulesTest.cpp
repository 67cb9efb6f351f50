#include "TestMain.h"

#include "core/config/Config.h"
#include "core/engines/EngineRules.h"
#include "core/model/BulletinRecord.h"
#include "core/model/EngineText.h"

using namespace SlotTable;

namespace
{

Options engineOptions(int enaut)
{
    Options o;
    o.enaut = enaut;
    o.lettreAutom = QStringLiteral("Z");
    o.emtaut = QStringLiteral("NOR");
    o.nbvhe = 2;
    o.indCompo = QStringLiteral("AB");
    return o;
}

} // namespace

class EngineRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void twinNumber_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("twin");
        QTest::newRow("odd goes up") << "20501"
                                     << " 20502";
        QTest::newRow("three to four") << "73"
                                       << " 74";
        QTest::newRow("zero to the nine below") << "20500"
                                                << " 20499";
        QTest::newRow("leading zeros lost") << "0201"
                                            << " 202";
        QTest::newRow("below zero, no blank") << "0"
                                              << "-1";
        QTest::newRow("letter inside: leading number") << "12A3"
                                                       << " 13";
        QTest::newRow("ending in a letter") << "2050A"
                                            << "2050A";
        QTest::newRow("empty") << ""
                               << "";
    }
    void twinNumber()
    {
        QFETCH(QString, number);
        QTEST(EngineRules::parite_Autom(number), "twin");
    }

    // Cases of the parser beyond the printed ones: anything after "9" counts as a letter.
    void parserPunctuation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("colon leads") << ":123" << QStringList{":", "123", ""};
        QTest::newRow("colon ends the number") << "12:34" << QStringList{"", "12", ":34"};
        QTest::newRow("dash stays in the number") << "B 12-4 X" << QStringList{"B", "12-4", "X"};
    }
    void parserPunctuation()
    {
        QFETCH(QString, text);
        const EngineParts p = ExtractEngin(text, 82, 0, QString());
        QTEST((QStringList{p.letter, p.number, p.code}), "parts");
    }

    void normalise_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("slotText");
        QTest::addColumn<QString>("codeSlot"); // the slot after a shunting engine
        QTest::newRow("line, mode 0") << 82 << 0 << "bb 67401 sot"
                                      << "b b67401 sot"
                                      << "";
        QTest::newRow("line, bare number, mode 1") << 84 << 1 << "20501"
                                                   << "Z 20501 NOR"
                                                   << "";
        QTest::newRow("line, code kept, mode 1") << 88 << 1 << "B1 LYON"
                                                 << "B 1 LYO"
                                                 << "";
        QTest::newRow("no engine mark") << 82 << 1 << "/"
                                        << "/  "
                                        << "";
        QTest::newRow("blanks stay") << 82 << 1 << "  "
                                     << "  "
                                     << "";
        QTest::newRow("shunting") << 39 << 0 << "B 67401 SOT"
                                  << "B67401"
                                  << "SOT";
        QTest::newRow("shunting, mode 1: code, no letter") << 42 << 1 << "67401"
                                                           << "67401"
                                                           << "NOR";
    }
    void normalise()
    {
        QFETCH(int, slot);
        QFETCH(int, enaut);
        QFETCH(QString, typed);
        BulletinRecord r;
        r.setSlot(slot, typed);
        r.setSlot(slot + 1, QStringLiteral("old")); // only a shunting engine's code slot changes
        EngineRules::Traitement_Engins(r, slot, engineOptions(enaut));
        QTEST(r.slot(slot), "slotText");
        if (isShuntingEngine(slot))
            QTEST(r.slot(slot + 1), "codeSlot");
        else
            QCOMPARE(r.slot(slot + 1), QStringLiteral("old"));
    }

    // What entering an engine fills on its line (line 2 here).
    void entry_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("nat1Before");
        QTest::addColumn<QStringList>("expected"); // Nat1, Nat2, Nat3, NbVeh, IndCompo
        QTest::newRow("leading, mode 0") << int(EnginTitu) << 0 << "B 1 X"
                                         << "" << QStringList{"T", "", "", "9", "I"};
        QTest::newRow("leading, mode 0, nature kept")
            << int(EnginTitu) << 0 << "B 1 X"
            << "CC" << QStringList{"CC", "", "", "9", "I"};
        QTest::newRow("leading emptied, mode 0") << int(EnginTitu) << 0 << ""
                                                 << "T" << QStringList{"", "", "", "9", "I"};
        QTest::newRow("leading, mode 1, alone") << int(EnginTitu) << 1 << "20501"
                                                << "CC" << QStringList{"T", "", "", "2", "AB"};
        QTest::newRow("multiple unit, mode 0") << int(EnginUm2) << 0 << "B 2 X"
                                               << "" << QStringList{"", "", "UM", "9", "I"};
        QTest::newRow("multiple unit, mode 1: two units")
            << int(EnginUm1) << 1 << "20502"
            << "" << QStringList{"", "UM", "", "4", "I"};
    }
    void entry()
    {
        QFETCH(int, offset);
        QFETCH(int, enaut);
        QFETCH(QString, typed);
        BulletinRecord r;
        QFETCH(QString, nat1Before);
        r.setSlot(lineSlot(1, Nat1), nat1Before);
        r.setSlot(lineSlot(1, NbVeh), QStringLiteral("9"));
        r.setSlot(lineSlot(1, IndCompo), QStringLiteral("I"));
        r.setSlot(lineSlot(1, offset), typed);
        EngineRules::engineEntered(r, lineSlot(1, offset), engineOptions(enaut));
        QStringList got;
        for (int o : {Nat1, Nat2, Nat3, NbVeh, IndCompo})
            got << r.slot(lineSlot(1, o));
        QTEST(got, "expected");
    }

    // The carry-over to line 3 from line 2, whose route is PNORD - CREIL.
    void carryOver_data()
    {
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QStringList>("previous"); // EnginTitu, EnginUm1, EnginUm2 of line 2
        QTest::addColumn<QStringList>("engines");  // EnginTitu, EnginUm1, EnginUm2 of line 3
        QTest::addColumn<QStringList>("natures");  // Nat1, Nat2, Nat3
        QTest::addColumn<QStringList>("routes");   // De2Um1, A2Um1, De2Um2, A2Um2
        const QStringList none{"", "", "", ""};
        QTest::newRow("leading alone")
            << 0 << QStringList{"B 1 X", "", ""} << QStringList{"B 1 X", "", ""}
            << QStringList{"T", "n2", "n3"} << none;
        QTest::newRow("with one multiple unit")
            << 0 << QStringList{"B 1 X", "B 2 Y", ""} << QStringList{"B 2 Y", "B 1 X", ""}
            << QStringList{"T", "UM", "n3"} << QStringList{"PNORD", "CREIL", "", ""};
        QTest::newRow("three, mode 0: reversed")
            << 0 << QStringList{"BB 1", "BB 2", "BB 3"} << QStringList{"BB 3", "BB 2", "BB 1"}
            << QStringList{"T", "UM", "UM"} << QStringList{"PNORD", "CREIL", "PNORD", "CREIL"};
        QTest::newRow("three, mode 1: twins")
            << 1 << QStringList{"Z 20501 NOR", "Z 20500 NOR", "Z 205- NOR"}
            << QStringList{"Z205- NOR", "Z 20499 NOR", "Z 20502 NOR"}
            << QStringList{"T", "UM", "UM"} << QStringList{"PNORD", "CREIL", "PNORD", "CREIL"};
        QTest::newRow("mode 1: default letter, no default code")
            << 1 << QStringList{"73", "", ""} << QStringList{"Z 74 ", "", ""}
            << QStringList{"T", "n2", "n3"} << none;
        QTest::newRow("no match: multiple unit without the first")
            << 0 << QStringList{"B 1 X", "", "B 3 Z"} << QStringList{"k1", "k2", "k3"}
            << QStringList{"n1", "n2", "n3"} << none;
        QTest::newRow("no match: blanks are no engine")
            << 0 << QStringList{"  ", "", ""} << QStringList{"k1", "k2", "k3"}
            << QStringList{"n1", "n2", "n3"} << none;
    }
    void carryOver()
    {
        QFETCH(int, enaut);
        QFETCH(QStringList, previous);
        BulletinRecord r;
        const int offsets[] = {EnginTitu, EnginUm1, EnginUm2};
        const int natureOffsets[] = {Nat1, Nat2, Nat3};
        for (int i = 0; i < 3; ++i) {
            r.setSlot(lineSlot(1, offsets[i]), previous[i]);
            r.setSlot(lineSlot(2, offsets[i]), QStringLiteral("k%1").arg(i + 1));
            r.setSlot(lineSlot(2, natureOffsets[i]), QStringLiteral("n%1").arg(i + 1));
        }
        r.setSlot(lineSlot(2, De), QStringLiteral("PNORD"));
        r.setSlot(lineSlot(2, A), QStringLiteral("CREIL"));
        // From the line's multiple-unit slot, the line's leading engine is the reference.
        EngineRules::Change_ParitEngin(r, lineSlot(2, EnginUm1), engineOptions(enaut));
        QStringList engines, natures, routes;
        for (int o : offsets)
            engines << r.slot(lineSlot(2, o));
        for (int o : natureOffsets)
            natures << r.slot(lineSlot(2, o));
        for (int o : {De2Um1, A2Um1, De2Um2, A2Um2})
            routes << r.slot(lineSlot(2, o));
        QTEST(engines, "engines");
        QTEST(natures, "natures");
        QTEST(routes, "routes");
    }

    void carryOverLeavesLineOneAndTakeKeepsNumbers()
    {
        BulletinRecord r;
        r.setSlot(lineSlot(0, EnginTitu), QStringLiteral("B 1 X"));
        EngineRules::Change_ParitEngin(r, lineSlot(0, EnginTitu), engineOptions(1));
        QCOMPARE(r.slot(lineSlot(0, EnginTitu)), QStringLiteral("B 1 X"));

        // F6's taking: same cases, numbers as they are, no route.
        r.setSlot(lineSlot(0, EnginUm1), QStringLiteral("B 2 X"));
        r.setSlot(lineSlot(0, De), QStringLiteral("PNORD"));
        EngineRules::takePreviousEngines(r, lineSlot(1, EnginTitu), engineOptions(1));
        QCOMPARE(r.slot(lineSlot(1, EnginTitu)), QStringLiteral("B 2 X"));
        QCOMPARE(r.slot(lineSlot(1, EnginUm1)), QStringLiteral("B 1 X"));
        QCOMPARE(r.slot(lineSlot(1, Nat2)), QStringLiteral("UM"));
        QCOMPARE(r.slot(lineSlot(1, De2Um1)), QString());
    }
};

KERBO_TEST(EngineRulesTest)
#include "EngineRulesTest.moc"
