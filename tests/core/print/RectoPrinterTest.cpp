#include "TestMain.h"

#include "FakePrompts.h"
#include "PrintedRecto.h"
#include "core/model/EngineText.h"
#include "core/print/PrinterFonts.h"

using namespace Qt::StringLiterals;
using namespace SlotTable;

namespace {

bool near(double a, double b) { return std::abs(a - b) < 1e-6; }

struct Printed : PrintedRecto<StateOnly> {
    // Whether exactly one text `text` was drawn, at (x, y).
    bool at(const char *text, double x, double y) const
    {
        const auto found = page.find(QString::fromUtf8(text));
        return found.size() == 1 && near(found[0].x, x) && near(found[0].y, y);
    }
    bool absent(const char *text) const { return page.find(QString::fromUtf8(text)).isEmpty(); }
    // The texts drawn in one piece at the item, `row` mm below it.
    QStringList wholeAt(int item, double row) const
    {
        QStringList found;
        for (const RecordingPage::Text &t : page.texts)
            if (near(t.x, state.printLayout.x(item)) && near(t.y, state.printLayout.y(item) + row))
                found << t.text;
        return found;
    }
    // The characters in the first count + 1 boxes of the item, `row` mm below it, left to right
    // (one box more shows a limit overrun); the first box stands one pitch right of the item.
    QString boxes(int item, double row, qsizetype count) const
    {
        QString s;
        for (int n = 1; n <= count + 1; ++n)
            for (const RecordingPage::Text &t : page.texts)
                if (near(t.x, state.printLayout.x(item) + n * 4.3) &&
                    near(t.y, state.printLayout.y(item) + row))
                    s += t.text;
        return s;
    }
};

// What a field of a train line prints, and where: at the item of the form, in one piece or one
// character per box, after the limit of the field. Engines print in three pieces.
struct Expected {
    LineOffset offset;
    const char *value;
    int item;
    bool whole;
    const char *printed;
};

const Expected LineFields[] = {
    {Fac, "F", 27, true, "F"},
    {NumeroTrain, "830123", 28, false, "830123"},
    {De, "PARIS", 29, false, "PARIS"},
    {A, "LYON", 30, false, "LYON"},
    {Via, "DIJ", 31, false, "DIJ"},
    {EvoDep, "12", 32, false, "12"},
    {MvDep, "MD", 33, false, "MD"},
    {HeureDep, "0605", 34, false, "0605"},
    {HeureArr, "0812", 35, false, "0812"},
    {MvArr, "MA", 36, false, "MA"},
    {EvoArr, "34", 37, false, "34"},
    {Categ, "EXP", 38, false, "EXP"},
    {AgSeul, "ASX", 40, false, "AS"},
    {AgentEnSecond, "SECOND", 42, true, "SECOND"},
    {AutreAgent, "AUTRE", 43, true, "AUTRE"},
    {Nat1, "N1", 44, false, "N1"},
    {Nat2, "N2", 45, false, "N2"},
    {De2Um1, "DU1", 50, false, "DU1"},
    {A2Um1, "AU1", 51, false, "AU1"},
    {Nat3, "N3", 68, false, "N3"},
    {De2Um2, "DU2", 72, false, "DU2"},
    {A2Um2, "AU2", 73, false, "AU2"},
    {NbVeh, "9", 41, false, "9"},
    {IndCompo, "ICOMPOS", 39, false, "ICOMP"},
    {Observation, "RETARD", 52, true, "RETARD"},
    {Gare, "GARE", 61, false, "GARE"},
    {HeureArr2, "0730", 62, false, "0730"},
    {Mv, "MV", 63, false, "MV"},
    {HeureDep2, "0735", 64, false, "0735"},
    {Long, "310", 65, false, "310"},
    {Masse, "640", 66, false, "640"},
    {Coef, "7", 67, false, "7"},
    {EnginTitu, "B 67401 SOT", 56, true, "B"},
    {EnginTitu, "B 67401 SOT", 46, false, "67401"},
    {EnginTitu, "B 67401 SOT", 48, false, "SOT"},
    {EnginUm1, "C 27301 LYO", 57, true, "C"},
    {EnginUm1, "C 27301 LYO", 47, false, "27301"},
    {EnginUm1, "C 27301 LYO", 49, false, "LYO"},
    {EnginUm2, "D 36002 NVS", 69, true, "D"},
    {EnginUm2, "D 36002 NVS", 70, false, "36002"},
    {EnginUm2, "D 36002 NVS", 71, false, "NVS"},
};

} // namespace

class RectoPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    // Head, date and shunting rows, at positions worked out by hand.
    void fieldsLandInTheirBoxesWithinTheirLimits()
    {
        Printed p;
        p.set(1, "DUPONT");
        p.set(3, "ABC");
        p.set(58 + 2 * 36, "8"); // line 3's train number
        p.set(41, "DEFGH");      // LieuMv of row 2: 3 characters
        p.set(42, "Z6740199");   // EnginMa of row 2: 6 characters
        p.set(43, "SOTX");       // EmtMa of row 2: 3 characters
        p.draw();
        QVERIFY(p.at("DUPONT", 60, 6.5));
        // The first character stands one pitch right of the anchor.
        QVERIFY(p.at("A", 112.2, 9.7) && p.at("B", 116.5, 9.7) && p.at("C", 120.8, 9.7));
        QCOMPARE(p.boxes(6, 0, 6), QStringLiteral("050307"));
        QVERIFY(p.at("8", 8.1 + 4.3, 114.2));
        QCOMPARE(p.boxes(58, 5.8, 3), QStringLiteral("DEF"));
        QCOMPARE(p.boxes(59, 5.8, 6), QStringLiteral("Z67401"));
        QCOMPARE(p.boxes(60, 5.8, 3), QStringLiteral("SOT"));
    }

    // A whole third line printed: each field lands at its own item, 2 x 25.6 mm down.
    void everyFieldOfALineAtItsItem_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(LineFields)); ++i)
            QTest::addRow("offset %d, item %d", int(LineFields[i].offset), LineFields[i].item) << i;
    }
    void everyFieldOfALineAtItsItem()
    {
        QFETCH(int, index);
        Printed p;
        for (const Expected &f : LineFields)
            p.set(lineSlot(2, f.offset), f.value);
        p.draw();
        const Expected &f = LineFields[index];
        const QString printed = QString::fromUtf8(f.printed);
        if (f.whole)
            QCOMPARE(p.wholeAt(f.item, 2 * 25.6), QStringList{printed});
        else
            QCOMPARE(p.boxes(f.item, 2 * 25.6, printed.size()), printed);
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
        QCOMPARE(p.boxes(48, 0, 3), QStringLiteral("NOR"));
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

    void boldAndItalicAsWindowsStoresThem()
    {
        for (const char16_t *yes : {u"True", u"TRUE", u"true", u" True ", u"-1", u"1"})
            QVERIFY(PrinterFonts::textBool(QString::fromUtf16(yes)));
        for (const char16_t *no : {u"False", u"FALSE", u"0", u"", u"Vrai", u"x"})
            QVERIFY(!PrinterFonts::textBool(QString::fromUtf16(no)));
        const QFont font = PrinterFonts::toQFont({u"Arial"_s, 10, u"TRUE"_s, u"FALSE"_s});
        QVERIFY(font.bold());
        QVERIFY(!font.italic());
    }

    // A font exactly as high as the boxes fits; a hair higher is refused and asked again.
    void fontHeightLimitIsInclusive()
    {
        struct Measure : RecordingPage {
            double height = 0;
            double textHeight(const QString &) const override { return height; }
        };
        for (const auto &[height, accepted] : {std::pair{4.3, true}, std::pair{4.3001, false}}) {
            Measure measure;
            measure.height = height;
            FakePrompts prompts;
            PrinterFont font{u"Old"_s, 8, u"False"_s, u"False"_s};
            int asked = 0;
            const bool chosen = PrinterFonts::chooseFont(
                font, PrinterFonts::RectoHeightLimitMm, measure, prompts,
                [&asked](const QFont &) -> std::optional<QFont> {
                    // The second time the driver cancels.
                    return ++asked == 1 ? std::optional<QFont>(QFont(u"Arial"_s, 9))
                                        : std::nullopt;
                });
            QCOMPARE(chosen, accepted);
            QCOMPARE(prompts.calls.size(), accepted ? 0 : 1);
            QCOMPARE(font.name, accepted ? u"Arial"_s : u"Old"_s);
        }
    }
};

KERBO_TEST(RectoPrinterTest)
#include "RectoPrinterTest.moc"
