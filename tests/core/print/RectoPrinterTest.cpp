#include "TestMain.h"

#include "core/AppState.h"
#include "core/model/EngineText.h"
#include "core/model/SlotTable.h"
#include "core/print/RectoPrinter.h"
#include "FakePrompts.h"
#include "PrintedRecto.h"


namespace {

bool near(double a, double b, double tolerance = 1e-6) { return std::abs(a - b) < tolerance; }

struct Printed : PrintedRecto<StateOnly> {
    // Whether exactly one text `text` was drawn, at (x, y).
    bool at(const char *text, double x, double y) const
    {
        const auto found = page.find(QString::fromUtf8(text));
        return found.size() == 1 && near(found[0].x, x) && near(found[0].y, y);
    }
    bool absent(const char *text) const { return page.find(QString::fromUtf8(text)).isEmpty(); }
    // The characters in the boxes of an item, left to right.
    QString boxes(int item, double rowOffset) const
    {
        const double x = state.printLayout.x(item);
        const double y = state.printLayout.y(item) + rowOffset;
        QString s;
        for (int n = 1; n <= 8; ++n)
            for (const auto &t : page.texts)
                if (near(t.x, x + n * 4.3) && near(t.y, y))
                    s += t.text;
        return s;
    }
};

} // namespace

class RectoPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    void fieldsLandInTheirBoxesWithinTheirLimits()
    {
        Printed p;
        p.set(1, "DUPONT");
        p.set(3, "ABC");
        p.set(58 + 2 * 36, "8");   // line 3's train number
        p.set(41, "DEFGH");        // LieuMv of row 2: 3 characters
        p.set(57 + 17, "FGH");     // AgSeul: 2 characters
        p.set(57 + 16, "JKLMNOP"); // IndCompo: 5 characters
        p.set(42, "Z6740199");     // EnginMa of row 2: 6 characters
        p.set(43, "SOTX");         // EmtMa of row 2: 3 characters
        p.set(57 + 25, "Y 67401 SOT");
        p.draw();
        QVERIFY(p.at("DUPONT", 60, 6.5));
        // The first character stands one pitch right of the anchor.
        QVERIFY(p.at("A", 112.2, 9.7));
        QVERIFY(p.at("B", 116.5, 9.7));
        QVERIFY(p.at("C", 120.8, 9.7));
        QCOMPARE(p.boxes(6, 0), QStringLiteral("050307"));
        QVERIFY(p.at("8", 8.1 + 4.3, 114.2));
        QCOMPARE(p.boxes(58, 5.8), QStringLiteral("DEF"));
        QCOMPARE(p.boxes(40, 0), QStringLiteral("FG"));
        QCOMPARE(p.boxes(39, 0), QStringLiteral("JKLMN"));
        QCOMPARE(p.boxes(59, 5.8), QStringLiteral("Z67401"));
        QCOMPARE(p.boxes(60, 5.8), QStringLiteral("SOT"));
        // An engine: the letter whole at its item, number and depot code by character.
        QVERIFY(p.at("Y", 194.6, 63));
        QCOMPARE(p.boxes(46, 0), QStringLiteral("67401"));
        QCOMPARE(p.boxes(48, 0), QStringLiteral("SOT"));
    }

    void shiftsAndCentringMoveEverything()
    {
        Printed p;
        p.set(1, "DUPONT");
        p.set(238, "9");
        p.draw();
        const QList<RecordingPage::Text> before = p.page.texts;
        p.state.printLayout.ParaImpX[0] = QStringLiteral("-.5");
        p.state.printLayout.ParaImpX[95] = QStringLiteral("1.5");
        p.state.printLayout.ParaImpY[0] = QStringLiteral("-2");
        p.state.printLayout.ParaImpY[95] = QStringLiteral(".25");
        // Screen calibration and the verso shift do not touch the print.
        p.state.printLayout.ParaImpX[92] = QStringLiteral("30");
        p.state.printLayout.ParaImpY[94] = QStringLiteral("30");
        p.draw();
        QCOMPARE(p.page.texts.size(), before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            QCOMPARE(p.page.texts[i].text, before[i].text);
            QVERIFY(near(p.page.texts[i].x, before[i].x + 1.0));
            QVERIFY(near(p.page.texts[i].y, before[i].y - 1.75));
        }
    }

    void optionsLeaveOutFramesB1AndB2ButNotB3()
    {
        Printed p;
        p.set(9, "L");
        p.set(13, "x");
        p.set(17, "T");
        p.set(38, "M");
        p.set(54, "K"); // TicketMetro, frame B3
        p.state.config.options.pasImpB2 = 1;
        p.draw();
        QVERIFY(p.at("L", 15.2 + 4.3, 29.5));
        QVERIFY(p.absent("x") && p.absent("T") && p.absent("M"));
        QVERIFY(p.at("K", 260.4, 38.1));
        p.state.config.options.pasImpB1 = 1;
        p.draw();
        QVERIFY(p.absent("L"));
        QVERIFY(p.at("K", 260.4, 38.1));
    }

    void noEngineMarkAndAutomotriceDefaults()
    {
        Printed p;
        p.set(57 + 25, "/");
        p.draw();
        QCOMPARE(p.page.texts.size(), 6); // the date only: the "/" is not printed
        p.state.config.options.enaut = 1;
        p.state.config.options.lettreAutom = QStringLiteral("Z");
        p.state.config.options.emtaut = QStringLiteral("NOR");
        p.draw();
        QVERIFY(p.at("Z", 194.6, 63));
        QCOMPARE(p.boxes(48, 0), QStringLiteral("NOR"));
    }

    void engineTextSplits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QStringList>("parts"); // letter, number, depot code
        auto row = [](const char *name, const char *text, int slot, int enaut, QStringList parts) {
            QTest::newRow(name) << QString::fromUtf8(text) << slot << enaut << parts;
        };
        row("usual", "B 67401 SOT", 82, 0, {"B", "67401", "SOT"});
        row("second letter stays in the number", "BB 67401 SOT", 82, 0, {"B", "B67401", "SOT"});
        row("no letter, long code", "67401LYON", 82, 0, {"", "67401", "LYO"});
        row("default letter on a line", "67401LYON", 82, 1, {"Z", "67401", "LYO"});
        row("no default letter when shunting", "67401", 42, 1, {"", "67401", ""});
        row("seven digits replace the letter", "B2067401", 82, 1, {"2", "067401", ""});
        row("eight digits lose the last", "20674019", 82, 0, {"2", "067401", ""});
        row("no engine", " / ", 82, 1, {"/", "", ""});
        row("blanks inside", " B  674 01  S O T ", 82, 0, {"B", "67401", "SOT"});
        row("empty", "   ", 82, 1, {"", "", ""});
        row("letter alone", "Z", 82, 1, {"Z", "", ""});
    }

    void engineTextSplits()
    {
        QFETCH(QString, text);
        QFETCH(int, slot);
        QFETCH(int, enaut);
        const EngineParts e = ExtractEngin(text, slot, enaut, QStringLiteral("Z"));
        QTEST((QStringList{e.letter, e.number, e.code}), "parts");
    }
};

KERBO_TEST(RectoPrinterTest)
#include "RectoPrinterTest.moc"
