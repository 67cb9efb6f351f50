#include "TestMain.h"

#include "core/config/Config.h"
#include "core/engines/EngineRules.h"
#include "core/model/BulletinRecord.h"

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

// Texts of a table row written "a|b|c".
QStringList parts(const char *joined)
{
    return QString::fromUtf8(joined).split(u'|');
}

QStringList lineValues(const BulletinRecord &r, int line, std::initializer_list<int> offsets)
{
    QStringList values;
    for (int o : offsets)
        values << r.slot(lineSlot(line, o));
    return values;
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
        // Odd up, even down (20500 to the nine below), leading zeros lost, a letter inside ends
        // the number read, no blank below zero but one for zero, no last digit no change.
        for (const char *row : {"20501| 20502", "20500| 20499", "0201| 202", "12A3| 13", "0|-1",
                                "-1| 0", "205-|205-", "|"})
            QTest::newRow(row) << parts(row)[0] << parts(row)[1];
    }
    void twinNumber()
    {
        QFETCH(QString, number);
        QTEST(EngineRules::parite_Autom(number), "twin");
    }

    // The slot and the slot after it, which holds `after` before; a second normalisation, as
    // when the driver leaves the slot after typing in it, changes nothing more.
    void normalise_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("result");
        const auto row = [](const char *name, int slot, int enaut, const char *typed,
                            const char *after, const char *result) {
            QTest::newRow(name) << slot << enaut << QString(typed) << QString(after)
                                << parts(result);
        };
        row("line, mode 0", 82, 0, "BB 67401 SOT", "n", "B B67401 SOT|n");
        row("line, bare number, mode 1", 84, 1, "20501", "n", "Z 20501 NOR|n");
        row("line, no code, mode 0", 82, 0, "B67401", "n", "B 67401 |n");
        row("colon is a letter", 88, 1, ":1LYON", "n", ": 1 LYO|n");
        row("no-engine mark", 82, 1, "/", "n", "/  |n");
        row("blanks stay", 82, 1, "  ", "n", "  |n");
        row("shunting", 39, 0, "B 67401 SOT", "n", "B67401|SOT");
        row("shunting, typed code replaces", 45, 1, "C1LYON", "SOT", "C1|LYO");
        row("shunting, mode 1", 42, 1, "67401", "", "67401|NOR");
        // Its code stands in the slot after it, where the driver may also type it.
        row("shunting, code kept, mode 0", 39, 0, "B67401", "SOT", "B67401|SOT");
        row("shunting, code kept, mode 1", 48, 1, "B67401", "SOT", "B67401|SOT");
        row("shunting, no code, mode 0", 39, 0, "B 67401", "", "B67401|");
    }
    void normalise()
    {
        QFETCH(int, slot);
        QFETCH(int, enaut);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        BulletinRecord r;
        r.setSlot(slot, typed);
        r.setSlot(slot + 1, after);
        EngineRules::Traitement_Engins(r, slot, engineOptions(enaut));
        QTEST((QStringList{r.slot(slot), r.slot(slot + 1)}), "result");
        QVERIFY(!EngineRules::Traitement_Engins(r, slot, engineOptions(enaut)));
        QTEST((QStringList{r.slot(slot), r.slot(slot + 1)}), "result");
    }

    // A shunting engine typed key by key in slot 45, whose code slot held SOT: the code slot
    // follows the code typed, none (or the configured one) once the typed code is erased; the
    // old engine's code does not stay with the new engine.
    void shuntingTyping_data()
    {
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QStringList>("codes"); // after "C", "C 1", "C 1 L", "C 1 LY", "C 1 "
        QTest::newRow("mode 0") << 0 << "SOT" << parts("||L|LY|");
        QTest::newRow("mode 1") << 1 << "SOT" << parts("|NOR|L|LY|NOR");
    }
    void shuntingTyping()
    {
        QFETCH(int, enaut);
        QFETCH(QString, held);
        BulletinRecord r;
        r.setSlot(46, held);
        QStringList codes;
        for (const char *text : {"C", "C 1", "C 1 L", "C 1 LY", "C 1 "}) {
            r.setSlot(45, QString::fromLatin1(text));
            EngineRules::engineEntered(r, 45, engineOptions(enaut));
            codes << r.slot(46);
        }
        QTEST(codes, "codes");
        QCOMPARE(r.slot(45), "C1");
    }

    // Entering an engine on line 2, whose NbVeh is 9 and IndCompo I.
    void entry_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("nat1");
        QTest::addColumn<QStringList>("expected"); // Nat1, Nat2, Nat3, NbVeh, IndCompo
        const auto row = [](const char *name, int offset, int enaut, const char *typed,
                            const char *nat1, const char *expected) {
            QTest::newRow(name) << offset << enaut << QString(typed) << QString(nat1)
                                << parts(expected);
        };
        row("leading, mode 0", EnginTitu, 0, "B 1 X", "", "T|||9|I");
        row("leading, mode 0, nature kept", EnginTitu, 0, "B 1", "CC", "CC|||9|I");
        row("leading emptied, mode 0", EnginTitu, 0, "", "T", "|||9|I");
        row("leading, mode 1", EnginTitu, 1, "20501", "CC", "T|||2|AB");
        row("second unit, mode 1", EnginUm1, 1, "20502", "", "|UM||4|I");
        row("third unit, mode 0", EnginUm2, 0, "B 2", "", "||UM|9|I");
    }
    void entry()
    {
        QFETCH(int, offset);
        QFETCH(int, enaut);
        QFETCH(QString, typed);
        QFETCH(QString, nat1);
        BulletinRecord r;
        r.setSlot(lineSlot(1, Nat1), nat1);
        r.setSlot(lineSlot(1, NbVeh), QStringLiteral("9"));
        r.setSlot(lineSlot(1, IndCompo), QStringLiteral("I"));
        r.setSlot(lineSlot(1, offset), typed);
        EngineRules::engineEntered(r, lineSlot(1, offset), engineOptions(enaut));
        QTEST(lineValues(r, 1, {Nat1, Nat2, Nat3, NbVeh, IndCompo}), "expected");
    }

    // Line 2 (route PNORD - CREIL, engines k, natures n1..n3, unit routes r) from line 1.
    void carryOver_data()
    {
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QStringList>("previous"); // EnginTitu, EnginUm1, EnginUm2
        QTest::addColumn<QStringList>("result");   // engines, natures, De2/A2 of both units
        const auto row = [](const char *name, int enaut, const char *previous, const char *result) {
            QTest::newRow(name) << enaut << parts(previous) << parts(result);
        };
        row("leading alone", 0, "B 1 X||", "B 1 X|||T|n2|n3|r|r|r|r");
        row("with one unit", 0, "B 1 X|B 2 Y|", "B 2 Y|B 1 X||T|UM|n3|PNORD|CREIL|r|r");
        row("three, mode 1: reversed twins", 1, "Z 20501 NOR|20500|Z 205- NOR",
            "Z205- NOR|Z 20499 |Z 20502 NOR|T|UM|UM|PNORD|CREIL|PNORD|CREIL");
        row("leading alone, mode 1: no unit made up", 1, "Z 20501 NOR||",
            "Z 20502 NOR|||T|n2|n3|r|r|r|r");
        row("no match: third without second", 0, "B 1 X||B 3 Z", "k|k|k|n1|n2|n3|r|r|r|r");
        row("no match: blanks are no engine", 0, "  ||", "k|k|k|n1|n2|n3|r|r|r|r");
    }
    void carryOver()
    {
        QFETCH(int, enaut);
        QFETCH(QStringList, previous);
        BulletinRecord r;
        const int engines[] = {EnginTitu, EnginUm1, EnginUm2};
        for (int i = 0; i < 3; ++i) {
            r.setSlot(lineSlot(0, engines[i]), previous[i]);
            r.setSlot(lineSlot(1, engines[i]), QStringLiteral("k"));
        }
        const int offsets[] = {Nat1, Nat2, Nat3, De, A, De2Um1, A2Um1, De2Um2, A2Um2};
        const QStringList values = parts("n1|n2|n3|PNORD|CREIL|r|r|r|r");
        for (int i = 0; i < 9; ++i)
            r.setSlot(lineSlot(1, offsets[i]), values[i]);
        // From a multiple-unit slot the line's leading engine is the reference.
        EngineRules::Change_ParitEngin(r, lineSlot(1, EnginUm1), engineOptions(enaut));
        QTEST(lineValues(
                  r, 1,
                  {EnginTitu, EnginUm1, EnginUm2, Nat1, Nat2, Nat3, De2Um1, A2Um1, De2Um2, A2Um2}),
              "result");
    }

    // Line 1 has no line before it: the frame above it (B2, the shunting tasks) is no line.
    void firstLineTakesNothing()
    {
        BulletinRecord r;
        for (int slot = 13; slot <= 49; ++slot)
            r.setSlot(slot, QStringLiteral("SOT"));
        for (int enaut : {0, 1}) {
            EngineRules::Change_ParitEngin(r, lineSlot(0, EnginTitu), engineOptions(enaut));
            QCOMPARE(lineValues(r, 0, {EnginTitu, EnginUm1, EnginUm2, Nat1}),
                     QStringList({"", "", "", ""}));
        }
    }
};

KERBO_TEST(EngineRulesTest)
#include "EngineRulesTest.moc"
