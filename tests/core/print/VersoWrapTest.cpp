#include "TestMain.h"

#include "core/model/VersoContent.h"
#include "core/print/Page.h"
#include "core/print/PrintLayout.h"
#include "core/print/VersoWrap.h"

#include <QRandomGenerator>

namespace {

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

class VersoWrapTest : public QObject
{
    Q_OBJECT
private slots:
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

        // Train numbers are as wide as "888888"; observations stop 5 mm short of ParaImpX[90].
        PrintLayout layout;
        layout.ParaImpX[90] = QStringLiteral("20");
        VersoContent verso;
        verso.txtNumTrainH = QStringLiteral("1234 5678 90");
        verso.txtObsMec = QStringLiteral("aaaa aaaa aaaa aaaa aaaa");
        const VersoLines lines = VersoWrap::wrapBoth(verso, layout, page);
        QCOMPARE(filled(lines.trainNumbers), (QStringList{"1234", "5678", "90"}));
        QCOMPARE(filled(lines.observations), (QStringList{"aaaa aaaa aaaa", "aaaa aaaa"}));
    }
};

KERBO_TEST(VersoWrapTest)
#include "VersoWrapTest.moc"
