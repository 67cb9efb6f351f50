#include "TestMain.h"

#include "core/model/SlotTable.h"
#include "core/print/RectoPrinter.h"
#include "FakePrompts.h"
#include "PdfWords.h"
#include "PrintedRecto.h"
#include "TempDataFolder.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/PrinterChoice.h"
#include "ui/Session.h"

#include <QPrinter>

namespace {

bool near(double a, double b, double tolerance) { return std::abs(a - b) < tolerance; }

using Printed = PrintedRecto<TempDataFolder>;

} // namespace

class RectoPdfTest : public QObject
{
    Q_OBJECT
private slots:
    // A real print of every field, read back by pdftotext: where each text really landed.
    void filledRectoPdfMatchesTheLayout()
    {
        if (!pdftotextInstalled())
            QSKIP("pdftotext (poppler-utils) is not installed");
        Printed p;
        p.state.printLayout.ParaImpX[95] = QStringLiteral("1.5");
        p.state.printLayout.ParaImpY[0] = QStringLiteral("-.5");
        p.state.config.rectoFont = {QStringLiteral("DejaVu Sans"), 10, QStringLiteral("False"),
                                    QStringLiteral("False")};
        for (int slot = 1; slot <= 271; ++slot) {
            const auto kind = SlotTable::info(slot).kind;
            const bool shunting = SlotTable::isShuntingEngine(slot);
            p.set(slot, kind == SlotTable::Kind::Mark     ? "x"
                        : shunting                        ? "B674"
                        : kind == SlotTable::Kind::Engine ? "BB 674 SOT"
                        : slot <= 2                       ? "DUPONT"
                                                          : "K7");
        }
        const QString pdf = p.dir.filePath(QStringLiteral("recto.pdf"));
        PrinterChoice printer;
        printer.choosePdfFile(pdf);
        FakePrompts prompts;
        Session session{p.state, prompts, printer};
        QVERIFY(SortieImpimante(session));
        QVERIFY(prompts.calls.isEmpty());
        // Put back to portrait for whatever prints next.
        QCOMPARE(printer.printer()->pageLayout().orientation(),
                 QPageLayout::Portrait);

        QList<PdfWord> words;
        const QSizeF page = readPdf(pdf, words);
        QVERIFY(near(page.width(), 297, 0.5) && near(page.height(), 210, 0.5));
        p.draw(); // where the renderer meant each text to go, top-left of its cell
        QCOMPARE(words.size(), p.page.texts.size());
        QVERIFY(words.size() > 600);
        // The font at its true size: a 10 pt DejaVu line is 1.164 em, 4.1 mm.
        QVERIFY(near(words.first().yMax - words.first().yMin, 4.1, 0.1));
        for (const RecordingPage::Text &t : p.page.texts) {
            const auto match = std::find_if(words.begin(), words.end(), [&t](const PdfWord &w) {
                return w.text == t.text && near(w.xMin, t.x, 0.3) && near(w.yMin, t.y, 0.3);
            });
            QVERIFY2(match != words.end(),
                     qPrintable(QStringLiteral("%1 at %2, %3").arg(t.text).arg(t.x).arg(t.y)));
            words.erase(match);
        }
    }
};

KERBO_TEST(RectoPdfTest)
#include "RectoPdfTest.moc"
