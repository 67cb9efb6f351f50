#include "TestMain.h"

#include "FakePrompts.h"
#include "app/AppState.h"
#include "model/SlotTable.h"
#include "print/RecordingPage.h"
#include "print/RectoPrinter.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct Word {
    double xMin, yMin, xMax, yMax; // millimetres
    QString text;
};

struct PdfPage {
    double width = 0, height = 0; // millimetres
    QList<Word> words;
};

// The first page of a PDF with the boxes of its words, as pdftotext -bbox reads them.
PdfPage readPage(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfPage page;
    constexpr double mmPerPt = 25.4 / 72.0;
    static const QRegularExpression size(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    const auto s = size.match(html);
    page.width = s.captured(1).toDouble() * mmPerPt;
    page.height = s.captured(2).toDouble() * mmPerPt;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        page.words.append({m.captured(1).toDouble() * mmPerPt, m.captured(2).toDouble() * mmPerPt,
                           m.captured(3).toDouble() * mmPerPt, m.captured(4).toDouble() * mmPerPt,
                           m.captured(5)});
    }
    return page;
}

} // namespace

class PrintPdfTest : public QObject
{
    Q_OBJECT
private slots:
    // The whole path of a real print: QPrinter, the font at its point size, the shift, every
    // field of a filled bulletin. pdftotext reads back where each text really landed.
    void filledRectoLandsInItsBoxes()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        AppState state;
        state.config.ouestKerbo = dir.path() + QLatin1Char('/');
        QDir(dir.path()).mkdir(QStringLiteral("DataBul"));
        state.printLayout.DefautParaImp();
        state.printLayout.DefautParaImpVerso();
        state.printLayout.ParaImpX[95] = QStringLiteral("1.5");
        state.printLayout.ParaImpY[0] = QStringLiteral("-.5");
        state.config.rectoFont = {QStringLiteral("DejaVu Sans"), 10, QStringLiteral("False"),
                                  QStringLiteral("False")};
        state.record.setServiceDate(QDate(2007, 3, 5));
        for (int slot = 1; slot <= 271; ++slot) {
            const auto kind = SlotTable::info(slot).kind;
            const bool shunting = slot == 39 || slot == 42 || slot == 45 || slot == 48;
            state.record.setSlot(slot, kind == SlotTable::Kind::Mark ? QStringLiteral("x")
                                       : shunting                    ? QStringLiteral("B674")
                                       : kind == SlotTable::Kind::Engine
                                           ? QStringLiteral("BB 674 SOT")
                                       : slot <= 2 ? QStringLiteral("DUPONT")
                                                   : QStringLiteral("K7"));
        }
        const QString pdf = dir.filePath(QStringLiteral("recto.pdf"));
        state.printerChoice.choosePdfFile(pdf);
        FakePrompts prompts;
        QVERIFY(SortieImpimante(state, prompts));
        QVERIFY(prompts.calls.isEmpty());

        // Put back to portrait for whatever prints next.
        QCOMPARE(state.printerChoice.printer()->pageLayout().orientation(), QPageLayout::Portrait);

        const PdfPage page = readPage(pdf);
        QVERIFY(std::abs(page.width - 297) < 0.5);
        QVERIFY(std::abs(page.height - 210) < 0.5);

        // Where the renderer meant each text to go, top-left of its cell.
        RecordingPage expected;
        RectoPrinter::draw(state.record, state.printLayout, state.config.options, expected);

        QCOMPARE(page.words.size(), expected.texts.size());
        QVERIFY(page.words.size() > 600);
        QList<Word> left = page.words;
        for (const RecordingPage::Text &t : expected.texts) {
            const auto match = std::find_if(left.begin(), left.end(), [&t](const Word &w) {
                return w.text == t.text && std::abs(w.xMin - t.x) < 0.3
                       && std::abs(w.yMin - t.y) < 0.3;
            });
            QVERIFY2(match != left.end(),
                     qPrintable(QStringLiteral("%1 at %2, %3").arg(t.text).arg(t.x).arg(t.y)));
            left.erase(match);
        }
        // The font at its true size: a 10 pt DejaVu line is 1.164 em, 4.1 mm.
        QVERIFY(std::abs(page.words.first().yMax - page.words.first().yMin - 4.1) < 0.1);
        // Spot checks against the form's numbers: shift (+1.5, -0.5).
        QVERIFY(std::any_of(page.words.begin(), page.words.end(), [](const Word &w) {
            return w.text == u"DUPONT" && std::abs(w.xMin - 61.5) < 0.3
                   && std::abs(w.yMin - 6.0) < 0.3;
        }));
        QVERIFY(std::any_of(page.words.begin(), page.words.end(), [](const Word &w) {
            return w.text == u"K" && std::abs(w.xMin - (8.1 + 4.3 + 1.5)) < 0.3
                   && std::abs(w.yMin - (114.2 - 0.5)) < 0.3;
        }));
    }
};

KERBO_TEST(PrintPdfTest)
#include "PrintPdfTest.moc"
