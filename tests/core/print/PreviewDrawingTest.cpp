#include "TestMain.h"

#include "RecordingPage.h"
#include "core/AppState.h"
#include "core/print/PreviewDrawing.h"
#include "core/print/PrintSide.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"

Q_DECLARE_METATYPE(PrintSide)

namespace {

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

struct Sides {
    AppState state;
    QFont font{QStringLiteral("DejaVu Sans"), 9};

    Sides()
    {
        state.printLayout.DefautParaImp();
        state.printLayout.DefautParaImpVerso();
        state.record.setSlot(1, QStringLiteral("DUPONT"));
        state.record.setSlot(58, QStringLiteral("12"));
        state.verso.txtD[0] = QStringLiteral("D0");
        state.verso.txtJ = QStringLiteral("Pluie");
        state.versoLines.observations[0] = QStringLiteral("Freinage");
    }
    QList<RecordingPage::Text> previewed(PrintSide side) const
    {
        RecordingPage page;
        if (side == PrintSide::Recto)
            PreviewDrawing::AfficheRecto(state, font, page);
        else
            PreviewDrawing::SortieEcranVerso(state, font, page);
        return page.texts;
    }
    QList<RecordingPage::Text> printed(PrintSide side) const
    {
        RecordingPage page;
        const PrintLayout &l = state.printLayout;
        if (side == PrintSide::Recto)
            RectoPrinter::draw(state.record, l, state.config.options, RectoPrinter::printShift(l),
                               page);
        else
            VersoPrinter::draw(state.verso, state.versoLines, l, VersoPrinter::printShift(l), page);
        return page.texts;
    }
};

// Whether `after` is `before` moved by (dx, dy), text for text.
bool movedBy(const QList<RecordingPage::Text> &before, const QList<RecordingPage::Text> &after,
             double dx, double dy)
{
    if (before.size() != after.size() || before.isEmpty()) return false;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before[i].text != after[i].text || !near(after[i].x, before[i].x + dx) ||
            !near(after[i].y, before[i].y + dy))
            return false;
    return true;
}

} // namespace

class PreviewDrawingTest : public QObject
{
    Q_OBJECT
private slots:
    // The preview draws the printer's texts in the side's font, at the printed positions when
    // no shift is set.
    void sameTextsAsThePrinter_data()
    {
        QTest::addColumn<PrintSide>("side");
        QTest::newRow("recto") << PrintSide::Recto;
        QTest::newRow("verso") << PrintSide::Verso;
    }
    void sameTextsAsThePrinter()
    {
        QFETCH(PrintSide, side);
        Sides s;
        const auto shown = s.previewed(side);
        QVERIFY(movedBy(s.printed(side), shown, 0, 0));
        QCOMPARE(shown.first().font, s.font);
    }

    // Item 92 (93 for the verso) moves the preview and not the print; the centring (95, 96)
    // moves the print and not the preview; the general shift (0, 94) moves both.
    void shiftsOfPreviewAndPrint_data()
    {
        QTest::addColumn<PrintSide>("side");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("onY");
        QTest::addColumn<bool>("movesPreview");
        QTest::addColumn<bool>("movesPrint");
        QTest::newRow("recto screen calibration 1 mm down")
            << PrintSide::Recto << 92 << true << true << false;
        QTest::newRow("recto centring 2 mm right")
            << PrintSide::Recto << 95 << false << false << true;
        QTest::newRow("recto general shift") << PrintSide::Recto << 0 << true << true << true;
        QTest::newRow("verso screen calibration")
            << PrintSide::Verso << 93 << false << true << false;
        QTest::newRow("verso centring") << PrintSide::Verso << 96 << true << false << true;
        QTest::newRow("verso general shift") << PrintSide::Verso << 94 << true << true << true;
        QTest::newRow("verso shift leaves the recto")
            << PrintSide::Recto << 94 << false << false << false;
    }
    void shiftsOfPreviewAndPrint()
    {
        QFETCH(PrintSide, side);
        QFETCH(int, item);
        QFETCH(bool, onY);
        QFETCH(bool, movesPreview);
        QFETCH(bool, movesPrint);
        Sides s;
        const auto shownBefore = s.previewed(side);
        const auto printedBefore = s.printed(side);
        const double mm = onY ? 1 : -2;
        (onY ? s.state.printLayout.ParaImpY : s.state.printLayout.ParaImpX)[size_t(item)] =
            onY ? QStringLiteral("1") : QStringLiteral("-2");
        const double dx = onY ? 0 : mm, dy = onY ? mm : 0;
        QVERIFY(
            movedBy(shownBefore, s.previewed(side), movesPreview ? dx : 0, movesPreview ? dy : 0));
        QVERIFY(movedBy(printedBefore, s.printed(side), movesPrint ? dx : 0, movesPrint ? dy : 0));
    }
};

KERBO_TEST(PreviewDrawingTest)
#include "PreviewDrawingTest.moc"
