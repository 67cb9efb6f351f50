#include "TestMain.h"

#include "app/AppState.h"
#include "print/RecordingPage.h"
#include "print/RectoPrinter.h"

namespace {

bool near(double a, double b) { return std::abs(a - b) < 1e-6; }

struct Printed {
    RecordingPage page;
    AppState state;

    Printed()
    {
        state.printLayout.DefautParaImp();
        state.printLayout.DefautParaImpVerso();
        state.record.setServiceDate(QDate(2007, 3, 5));
    }
    void set(int slot, const char *text) { state.record.setSlot(slot, QString::fromUtf8(text)); }
    void draw()
    {
        page.texts.clear();
        RectoPrinter::draw(state.record, state.printLayout, state.config.options, page);
    }
    // Whether exactly one text `text` was drawn, at (x, y).
    bool at(const char *text, double x, double y) const
    {
        const auto found = page.find(QString::fromUtf8(text));
        return found.size() == 1 && near(found[0].x, x) && near(found[0].y, y);
    }
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
    void placementOfWholeTextsCharactersAndDate()
    {
        Printed p;
        p.set(1, "DUPONT");
        p.set(3, "ABC");
        p.draw();
        QVERIFY(p.at("DUPONT", 60, 6.5));
        // The first character stands one pitch right of the anchor.
        QVERIFY(p.at("A", 112.2, 9.7));
        QVERIFY(p.at("B", 116.5, 9.7));
        QVERIFY(p.at("C", 120.8, 9.7));
        QCOMPARE(p.boxes(6, 0), QStringLiteral("050307"));
        QCOMPARE(RectoPrinter::dateText(QDate(2010, 12, 31)), QStringLiteral("311210"));
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

    void rowsAndLinesUseTheirPitch()
    {
        Printed p;
        p.set(58 + 2 * 36, "8");      // line 3's train number
        p.set(14 + 3 * 3, "Q");       // task of row 4
        p.set(57 + 5 * 36 + 34, "x"); // line 6's observation mark
        p.draw();
        QVERIFY(p.at("8", 8.1 + 4.3, 114.2));
        QVERIFY(p.at("Q", 45.9 + 4.3, 29.5 + 3 * 5.8));
        QVERIFY(p.at("x", 289.3, 60.1 + 5 * 25.6));
    }

    void limitsAndEngineBoxes()
    {
        Printed p;
        p.set(41, "ABCDE");        // LieuMv of row 2: 3 characters
        p.set(42, "B6740199");     // EnginMa: 6 characters
        p.set(43, "SOTX");         // EmtMa: 3 characters
        p.set(57 + 17, "FGH");     // AgSeul: 2 characters
        p.set(57 + 16, "JKLMNOP"); // IndCompo: 5 characters
        p.set(57 + 25, "YB 67401 SOT");
        p.draw();
        QCOMPARE(p.boxes(58, 5.8), QStringLiteral("ABC"));
        QCOMPARE(p.boxes(59, 5.8), QStringLiteral("B67401"));
        QCOMPARE(p.boxes(60, 5.8), QStringLiteral("SOT"));
        QCOMPARE(p.boxes(40, 0), QStringLiteral("FG"));
        QCOMPARE(p.boxes(39, 0), QStringLiteral("JKLMN"));
        // An engine: the letter whole at its item, number and depot code by character.
        QVERIFY(p.at("Y", 194.6, 63));
        QCOMPARE(p.boxes(46, 0), QStringLiteral("B67401"));
        QCOMPARE(p.boxes(48, 0), QStringLiteral("SOT"));
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
        QVERIFY(p.page.find(QStringLiteral("x")).isEmpty());
        QVERIFY(p.page.find(QStringLiteral("T")).isEmpty());
        QVERIFY(p.page.find(QStringLiteral("M")).isEmpty());
        QVERIFY(p.at("K", 260.4, 38.1));
        p.state.config.options.pasImpB1 = 1;
        p.draw();
        QVERIFY(p.page.find(QStringLiteral("L")).isEmpty());
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
        // A number typed bare on line 2's first UM takes both defaults.
        p.set(57 + 25, "");
        p.set(57 + 36 + 27, "20501");
        p.draw();
        QVERIFY(p.at("Z", 194.6, 69 + 25.6));
        QCOMPARE(p.boxes(49, 25.6), QStringLiteral("NOR"));
    }
};

KERBO_TEST(RectoPrinterTest)
#include "RectoPrinterTest.moc"
