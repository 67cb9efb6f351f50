#include "TestMain.h"

#include "RecordingPage.h"
#include "TempDataFolder.h"
#include "core/AppState.h"
#include "core/base/IniFile.h"
#include "core/model/VersoContent.h"
#include "core/print/VersoPrinter.h"
#include "core/print/VersoWrap.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

// The factory layout (p = 4) and a verso whose every box holds its own name: "D7", "E12", ...
struct Verso {
    AppState state;
    RecordingPage page;

    Verso()
    {
        state.printLayout.DefautParaImp();
        state.printLayout.DefautParaImpVerso();
        auto fill = [](QStringList &list, char frame) {
            for (int i = 0; i < list.size(); ++i)
                list[i] = QStringLiteral("%1%2").arg(QLatin1Char(frame)).arg(i);
        };
        fill(state.verso.txtD, 'D');
        fill(state.verso.txtE, 'E');
        fill(state.verso.txtI, 'I');
        fill(state.verso.textL, 'L');
        state.verso.txtJ = QStringLiteral("J");
        state.verso.txtObsMecUP = QStringLiteral("UP");
        for (int n = 0; n < VersoLines::Count; ++n) {
            state.versoLines.trainNumbers[size_t(n)] = QStringLiteral("T%1").arg(n + 1);
            state.versoLines.observations[size_t(n)] = QStringLiteral("O%1").arg(n + 1);
        }
    }
    void draw()
    {
        page.texts.clear();
        VersoPrinter::draw(state.verso, state.versoLines, state.printLayout, {}, page);
    }
    // Where the text was drawn, or (-1, -1) when not drawn exactly once.
    QPointF at(const QString &text) const
    {
        const auto found = page.find(text);
        return found.size() == 1 ? QPointF(found[0].x, found[0].y) : QPointF(-1, -1);
    }
};

// A page on which every character is 1 mm wide, so that widths count characters; or, when
// proportional, of unequal widths as in a real font.
struct MillimetrePage : Page {
    bool proportional = false;
    void setShift(double, double) override {}
    void setFont(const QFont &) override {}
    QFont font() const override { return {}; }
    void drawText(double, double, const QString &) override {}
    double textWidth(const QString &text) const override
    {
        double w = 0;
        for (QChar c : text)
            w += !proportional ? 1.0 : c == u'i' ? 0.5 : c == u'm' ? 1.7 : c == u' ' ? 0.6 : 1.0;
        return w;
    }
    double textHeight(const QString &) const override { return 4; }
    void endPage() override {}
};

// The break as the driver's program makes it: the line measured before every character, the
// CR of each line's CR LF included.
VersoLines::Table measuredAtEveryCharacter(const QString &text, double limit, const Page &page)
{
    VersoLines::Table lines;
    int n = 0;
    QString current;
    const QString typed = QString(text).replace(u'\n', QStringLiteral("\r\n")) + u'\r' + u'\n';
    for (const QChar c : typed) {
        if (c == u'\n') {
            if (++n > VersoLines::Count) break;
            lines[size_t(n - 1)] = current.chopped(1);
            current.clear();
            continue;
        }
        if (page.textWidth(current) > limit) {
            if (++n > VersoLines::Count) break;
            const qsizetype blank = current.lastIndexOf(u' ');
            lines[size_t(n - 1)] = (blank >= 0 ? current.left(blank) : current).trimmed();
            current = blank >= 0 ? current.mid(blank + 1) : QString();
        }
        current += c;
    }
    return lines;
}

QStringList filled(const VersoLines::Table &table)
{
    QStringList lines(table.begin(), table.end());
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

// The verso on paper: every frame at its place, the shifts, the font, and frame H broken into
// lines.
class VersoPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    // Positions worked out by hand from the factory layout: item X + dx, item Y + the running
    // offset + the frame's constant.
    void everyFrameAtItsPlace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lineSpacing"); // ParaImpY[90]
        QTest::addColumn<QPointF>("at");
        const auto row = [](const char *name, const char *text, double x, double y,
                            const char *spacing = "4") {
            QTest::newRow(name) << QString(text) << QString(spacing) << QPointF(x, y);
        };
        // Frame D: rows 0..3 at 5.5, 10, 15 and 27.5 mm below Y 15 with p = 4.
        row("D row 0, item 75", "D0", 65.1, 20.5);
        row("D row 1, item 76", "D7", 79.9, 25.0);
        row("D row 2, item 77", "D14", 96.0, 30.0);
        row("D row 3, item 78", "D21", 115.2, 42.5);
        row("D row 3, p = 5", "D18", 65.1, 47.5, "5");
        // Rows 10 and 11 start at item 74 with their own dx; row 12 is back to six.
        row("D row 10, item 74", "D60", 22.5, 90.5);
        row("D row 10, item 80", "D66", 132.4, 90.5);
        row("D row 11, item 74", "D67", 52.0, 95.0);
        row("D row 12, item 79", "D78", 125.1, 99.5);
        // Frame E: train numbers at the even boxes, observations at the odd ones, p - 0.2 apart.
        row("E train number", "E0", 5.0, 118.0);
        row("E observation", "E15", 24.5, 144.6);
        // Frame H: p - 0.28 up to line 26, a gap of 0.8 (0.7 for the observations), then p.
        row("H train line 1", "T1", 151.6, 12.2);
        row("H train line 26", "T26", 151.6, 105.2);
        row("H train line 27", "T27", 151.6, 109.72);
        row("H train line 31", "T31", 151.6, 126.72);
        row("H observation line 27", "O27", 179.0, 109.62);
        row("H UP.Résidence", "UP", 276.0, 3.0);
        // Frame I: two rows per column, p + 0.4 apart in the first column, p + 0.5 in the others.
        row("I column 0, row 2", "I4", 156.0, 193.2);
        row("I column 1, row 2", "I5", 178.0, 193.3);
        row("I column 3", "I3", 232.0, 188.8);
        row("J", "J", 172.0, 205.0);
        // Frame L: five rows of six, p + 0.5 apart.
        row("L first", "L0", 151.5, 151.7);
        row("L column 5, row 5", "L29", 231.0, 169.7);
    }
    void everyFrameAtItsPlace()
    {
        QFETCH(QString, text);
        Verso v;
        QFETCH(QString, lineSpacing);
        v.state.printLayout.ParaImpY[90] = lineSpacing;
        v.draw();
        QTEST(v.at(text), "at");
    }

    // Every box once, train lines and observations up to 31 only; empty train numbers leave the
    // rest of frame H printed.
    void everyBoxPrintsOnceAndOnlyLinesUpTo31()
    {
        Verso v;
        v.draw();
        QCOMPARE(v.page.texts.size(), 80 + 16 + 31 + 1 + 31 + 8 + 1 + 30);
        QVERIFY(v.page.find(QStringLiteral("T32")).isEmpty());

        v.state.versoLines.trainNumbers = {};
        v.draw();
        QCOMPARE(v.at(QStringLiteral("O31")), QPointF(179.0, 126.62));
        QCOMPARE(v.page.texts.size(), 80 + 16 + 1 + 31 + 8 + 1 + 30);
    }

    // The printed verso moves by 94 + 96, with the recto centring taken back on X when that
    // sum is positive; the preview moves by 94 + 93 and never by the centrings.
    void shifts_data()
    {
        QTest::addColumn<QStringList>("x"); // ParaImpX of 93, 94, 95, 96
        QTest::addColumn<QStringList>("y");
        QTest::addColumn<QPointF>("printed");
        QTest::addColumn<QPointF>("previewed");
        const auto row = [](const char *name, const char *x, const char *y, QPointF printed,
                            QPointF previewed) {
            QTest::newRow(name) << QString(x).split(u'|') << QString(y).split(u'|') << printed
                                << previewed;
        };
        row("general shift", "0|-1|0|0", "0|2|0|0", {-1, 2}, {-1, 2});
        row("positive X takes the recto centring back", "0|.5|1.5|1", "0|0|3|-.5", {0, -0.5},
            {0.5, 0});
        row("negative X leaves the recto centring out", "0|-2|1.5|1", "0|0|0|0", {-1, 0}, {-2, 0});
        row("zero X leaves it out too", "0|0|2|0", "0|0|0|0", {0, 0}, {0, 0});
        row("screen calibration on the preview only", "1|0|0|0", "-1|0|0|0", {0, 0}, {1, -1});
    }
    void shifts()
    {
        QFETCH(QStringList, x);
        QFETCH(QStringList, y);
        PrintLayout l;
        for (int i = 0; i < 4; ++i) {
            l.ParaImpX[93 + i] = x[i];
            l.ParaImpY[93 + i] = y[i];
        }
        QTEST(VersoPrinter::printShift(l), "printed");
        QTEST(VersoPrinter::previewShift(l), "previewed");
    }

    // One page in the verso font, completed from the device where Config.ini lacks a setting;
    // the recto font is not used.
    void printUsesTheVersoFontCompletedFromTheDevice()
    {
        TempDataFolder folder;
        Verso v;
        v.state.config = folder.state.config;
        v.state.config.rectoFont = {u"Recto Font"_s, 30, u"False"_s, u"False"_s};
        v.state.config.versoFont = {u"DejaVu Serif"_s, 0, QString(), u"True"_s};
        v.page.setFont(QFont(u"DejaVu Sans"_s, 11, QFont::Bold));
        v.state.printLayout.ParaImpX[94] = QStringLiteral("2");
        VersoPrinter::print(v.state, v.page);
        QCOMPARE(v.page.endedPages, 1);
        const QFont used = v.page.texts.first().font;
        QCOMPARE(used.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(used.pointSize(), 11);
        QVERIFY(used.bold() && used.italic());
        QCOMPARE(v.at(QStringLiteral("D0")), QPointF(67.1, 20.5));
        const IniFile ini(v.state.config.iniPath());
        QCOMPARE(ini.value(u"PoliceImprimanteVerso"_s, u"PoliceFontSizeVerso"_s), u"11"_s);
        QCOMPARE(ini.value(u"PoliceImprimanteVerso"_s, u"PoliceFontBoldVerso"_s), u"True"_s);
    }

    // A line breaks once it is wider than the limit, measured before each character is added:
    // it may hold one character more than the limit allows.
    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("limit");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char *name, const char *text, double limit, QStringList lines) {
            QTest::newRow(name) << QString(text) << limit << lines;
        };
        row("at the last blank", "Freinage long a Macon puis arret", 10,
            {"Freinage", "long a", "Macon puis", "arret"});
        row("cut word, the rest keeps its blank", "abcdefghijk lm", 10, {"abcdefghijk", " lm"});
        // The end of a line is measured as a character: the last word too wide goes down, and
        // a number too wide leaves an empty line after it.
        row("too wide by its last character", "aaaa bbbbbb", 10, {"aaaa", "bbbbbb"});
        row("a number too wide", "1234567\n123456", 6, {"1234567", "", "123456"});
        row("a stray CR is not a character", "ab\r\ncd", 6, {"ab", "cd"});
        row("empty", "", 6, {});
    }
    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(double, limit);
        MillimetrePage page;
        QTEST(filled(VersoWrap::wrap(text, limit, page)), "lines");
    }

    // The break is searched for rather than measured at every character: same place on any text,
    // own line breaks and empty lines included.
    void sameBreaksAsMeasuringEveryCharacter()
    {
        MillimetrePage page;
        page.proportional = true;
        QRandomGenerator random(11);
        const QString letters = QStringLiteral("aimmz  ");
        for (int round = 0; round < 300; ++round) {
            QString text;
            const int size = random.bounded(400);
            for (int k = 0; k < size; ++k)
                text += random.bounded(40) == 0 ? QChar(u'\n')
                                                : letters[random.bounded(letters.size())];
            const double limit = random.bounded(1, 30) + random.bounded(1.0);
            QCOMPARE(VersoWrap::wrap(text, limit, page),
                     measuredAtEveryCharacter(text, limit, page));
        }
    }

    void stopsSilentlyAfter42LinesAndEachTextHasItsWidth()
    {
        MillimetrePage page;
        QString text;
        for (int n = 1; n <= 50; ++n)
            text += QStringLiteral("%1\n").arg(n);
        const VersoLines::Table numbers = VersoWrap::wrap(text, 10, page);
        QCOMPARE(numbers.front(), QStringLiteral("1"));
        QCOMPARE(numbers.back(), QStringLiteral("42"));
        // The same past the limit of a line.
        const VersoLines::Table words = VersoWrap::wrap(QString(400, u'x'), 5, page);
        QCOMPARE(words.back(), QStringLiteral("xxxxxx"));

        // Train numbers are as wide as "888888": a number of six digits holds on its line.
        // Observations stop 5 mm short of ParaImpX[90]: a word that ends at 16 mm goes on.
        PrintLayout layout;
        layout.ParaImpX[90] = QStringLiteral("20");
        VersoContent verso;
        verso.txtNumTrainH = QStringLiteral("1234 5678 90\n140001\n860012");
        verso.txtObsMec = QStringLiteral("aaaa aaaa aaaa aaaa aaaa\naaaa aaaa aaaaaa x");
        const VersoLines lines = VersoWrap::wrapBoth(verso, layout, page);
        QCOMPARE(filled(lines.trainNumbers),
                 (QStringList{"1234", "5678", "90", "140001", "860012"}));
        QCOMPARE(filled(lines.observations),
                 (QStringList{"aaaa aaaa aaaa", "aaaa aaaa", "aaaa aaaa", "aaaaaa x"}));
    }
};

KERBO_TEST(VersoPrinterTest)
#include "VersoPrinterTest.moc"
