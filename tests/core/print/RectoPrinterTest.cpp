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
    // What the item shows `row` mm below it: "=" and the text drawn in one piece at the item,
    // then the characters of its first count + 1 boxes (one more shows a limit overrun), the
    // first box one pitch right of the item.
    QString shown(int item, double row, qsizetype count = 0) const
    {
        QString s;
        for (int n = 0; n <= count + 1; ++n)
            for (const RecordingPage::Text &t : page.texts)
                if (near(t.x, state.printLayout.x(item) + n * 4.3) &&
                    near(t.y, state.printLayout.y(item) + row))
                    s += n == 0 ? u'=' + t.text : t.text;
        return s;
    }
};

// A field of a train line, the item it prints at, and what the item shows ("=" for one piece,
// else one character per box, cut to the limit of the field). Engines print in three pieces.
struct Expected {
    LineOffset offset;
    const char *value;
    int item;
    const char *printed;
};

const Expected LineFields[] = {
    {Fac, "F", 27, "=F"}, {NumeroTrain, "830123", 28, "830123"}, {De, "PARIS", 29, "PARIS"},
    {A, "LYON", 30, "LYON"}, {Via, "DIJ", 31, "DIJ"}, {EvoDep, "12", 32, "12"},
    {MvDep, "MD", 33, "MD"}, {HeureDep, "0605", 34, "0605"}, {HeureArr, "0812", 35, "0812"},
    {MvArr, "MA", 36, "MA"}, {EvoArr, "34", 37, "34"}, {Categ, "EXP", 38, "EXP"},
    {AgSeul, "ASX", 40, "AS"}, {AgentEnSecond, "SECOND", 42, "=SECOND"},
    {AutreAgent, "AUTRE", 43, "=AUTRE"}, {Nat1, "N1", 44, "N1"}, {Nat2, "N2", 45, "N2"},
    {De2Um1, "DU1", 50, "DU1"}, {A2Um1, "AU1", 51, "AU1"}, {Nat3, "N3", 68, "N3"},
    {De2Um2, "DU2", 72, "DU2"}, {A2Um2, "AU2", 73, "AU2"}, {NbVeh, "9", 41, "9"},
    {IndCompo, "ICOMPOS", 39, "ICOMP"}, {Observation, "RETARD", 52, "=RETARD"},
    {Gare, "GARE", 61, "GARE"}, {HeureArr2, "0730", 62, "0730"}, {Mv, "MV", 63, "MV"},
    {HeureDep2, "0735", 64, "0735"}, {Long, "310", 65, "310"}, {Masse, "640", 66, "640"},
    {Coef, "7", 67, "7"}, {EnginTitu, "B 67401 SOT", 56, "=B"},
    {EnginTitu, "B 67401 SOT", 46, "67401"}, {EnginTitu, "B 67401 SOT", 48, "SOT"},
    {EnginUm1, "C 27301 LYO", 57, "=C"}, {EnginUm1, "C 27301 LYO", 47, "27301"},
    {EnginUm1, "C 27301 LYO", 49, "LYO"}, {EnginUm2, "D 36002 NVS", 69, "=D"},
    {EnginUm2, "D 36002 NVS", 70, "36002"}, {EnginUm2, "D 36002 NVS", 71, "NVS"}};

// The other fields, each printed alone: slot, text, item, row offset (mm) and what it shows. The
// marks all hold "x": printed alone, a mark at another item shows nothing where it should.
struct HeadField {
    int slot;
    const char *value;
    int item;
    double row;
    const char *printed;
};

// A Residence longer than its boxes prints whole, on into the next frame's boxes.
// clang-format off
const HeadField HeadFields[] = {
    {1, "DUPONT", 1, 0, "=DUPONT"}, {2, "JEAN", 2, 0, "=JEAN"}, {3, "ABC", 3, 0, "ABC"},
    {4, "PARIS NORD", 4, 0, "PARIS NORD"}, {5, "7812345", 5, 0, "7812345"}, {7, "R12", 7, 0, "R12"},
    {8, "J34", 8, 0, "J34"}, {9, "LPS", 9, 0, "LPS"}, {10, "0600", 10, 0, "0600"},
    {11, "LFS", 11, 0, "LFS"}, {12, "1400", 12, 0, "1400"}, {13, "x", 13, 0, "=x"},
    {17, "TACHE1", 14, 5.8, "TACHE1"}, {18, "0610", 15, 5.8, "0610"}, {19, "0620", 16, 5.8, "0620"},
    {29, "MANOE", 17, 5.8, "MANOE"}, {30, "0630", 18, 5.8, "0630"}, {31, "0640", 19, 5.8, "0640"},
    {44, "DEFGH", 58, 11.6, "DEF"}, {45, "Z6740199", 59, 11.6, "Z67401"},
    {46, "SOTX", 60, 11.6, "SOT"}, {50, "x", 22, 0, "=x"}, {51, "x", 20, 0, "=x"},
    {52, "x", 21, 0, "=x"}, {53, "x", 23, 0, "=x"}, {54, "2", 24, 0, "=2"}, {55, "15", 25, 0, "15"},
    {56, "x", 26, 0, "=x"}};
// clang-format on

} // namespace

class RectoPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    // Head and date at positions worked out by hand.
    void fieldsLandInTheirBoxes()
    {
        Printed p;
        p.set(1, "DUPONT");
        p.set(3, "ABC");
        p.draw();
        QVERIFY(p.at("DUPONT", 60, 6.5));
        // The first character stands one pitch right of the anchor.
        QVERIFY(p.at("A", 112.2, 9.7) && p.at("B", 116.5, 9.7) && p.at("C", 120.8, 9.7));
        QCOMPARE(p.shown(6, 0, 6), QStringLiteral("050307"));
    }

    // Each field of the head and of frames B1 to B3 at its own item, within its limit.
    void everyFieldAboveTheLinesAtItsItem_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(HeadFields)); ++i)
            QTest::addRow("slot %d, item %d", HeadFields[i].slot, HeadFields[i].item) << i;
    }
    void everyFieldAboveTheLinesAtItsItem()
    {
        QFETCH(int, index);
        const HeadField &f = HeadFields[index];
        Printed p;
        p.set(f.slot, f.value);
        p.draw();
        const qsizetype count = qstrlen(f.printed) - (f.printed[0] == '=' ? 1 : 0);
        QCOMPARE(p.shown(f.item, f.row, count), QString::fromUtf8(f.printed));
        QCOMPARE(p.page.texts.size(), 6 + (f.printed[0] == '=' ? 1 : count)); // and the date
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
        QCOMPARE(p.shown(f.item, 2 * 25.6, qstrlen(f.printed)), QString::fromUtf8(f.printed));
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
        // A value the options window shows unticked (a hand-edited 2, Windows' -1 for true)
        // leaves nothing out.
        for (const int unticked : {2, -1}) {
            p.state.config.options.pasImpB1 = p.state.config.options.pasImpB2 = unticked;
            p.draw();
            QVERIFY(p.at("L", 15.2 + 4.3, 29.5) && !p.absent("M"));
        }
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
        QCOMPARE(p.shown(48, 0, 3), QStringLiteral("NOR"));
        // Only an engine box that holds something takes the default code: the five lines
        // without an engine print none.
        QCOMPARE(p.page.find(u"O"_s).size(), 1);
    }

    // Engine texts on a line; the usual cases are seen through the engine rules and the print.
    void engineTextSplits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QStringList>("parts"); // letter, number, depot code
        using L = QStringList;
        QTest::newRow("seven digits replace the letter") << "B2067401" << 1 << L{"2", "067401", ""};
        QTest::newRow("eight digits lose the last") << "20674019" << 0 << L{"2", "067401", ""};
        QTest::newRow("blanks inside") << " B  674 01  S O T " << 0 << L{"B", "67401", "SOT"};
        QTest::newRow("empty") << "   " << 1 << L{"", "", ""};
        QTest::newRow("letter alone") << "Z" << 1 << L{"Z", "", ""};
    }
    void engineTextSplits()
    {
        QFETCH(QString, text);
        QFETCH(int, enaut);
        const EngineParts e = ExtractEngin(text, lineSlot(0, EnginTitu), enaut, u"Z"_s);
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

    // A font exactly as high as the boxes fits; a hair higher is refused and asked again (the
    // driver then cancels, and the old font stays).
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
            const auto dialog = [&asked](const QFont &) -> std::optional<QFont> {
                return ++asked == 1 ? std::optional(QFont(u"Arial"_s, 9)) : std::nullopt;
            };
            QCOMPARE(PrinterFonts::chooseFont(font, PrinterFonts::RectoHeightLimitMm, measure,
                                              prompts, dialog),
                     accepted);
            QCOMPARE(prompts.calls.size(), accepted ? 0 : 1);
            QCOMPARE(font.name, accepted ? u"Arial"_s : u"Old"_s);
        }
    }
};

KERBO_TEST(RectoPrinterTest)
#include "RectoPrinterTest.moc"
