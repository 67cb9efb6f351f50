#include "TestMain.h"

#include "../SessionFolder.h"
#include "PdfWords.h"
#include "PrintedRecto.h"
#include "RecordingPage.h"
#include "core/model/SlotTable.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"
#include "ui/preview/PlainPaper.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/VersoCommands.h"

#include <QPrinter>

namespace
{

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) < tolerance;
}

// A filled verso shifted on both axes, in a 10 pt verso font (the 5 pt recto font must not serve).
struct Run : SessionFolder {
    Run()
    {
        AppState &s = state;
        s.printLayout.DefautParaImp();
        s.printLayout.DefautParaImpVerso();
        s.printLayout.ParaImpX[94] = QStringLiteral("1");
        s.printLayout.ParaImpX[96] = QStringLiteral(".5");
        s.printLayout.ParaImpX[95] = QStringLiteral("2"); // taken back: the verso moves -0.5
        s.printLayout.ParaImpY[96] = QStringLiteral("-1");
        s.printLayout.ParaImpX[90] = QStringLiteral("60");
        const QString no = QStringLiteral("False");
        s.config.rectoFont = {QStringLiteral("DejaVu Sans"), 5, no, no};
        s.config.versoFont = {QStringLiteral("DejaVu Sans"), 10, no, no};
        // Two characters, as narrow as the narrowest columns.
        auto fill = [](QStringList &list, char first) {
            for (int i = 0; i < list.size(); ++i)
                list[i] = QStringLiteral("%1%2").arg(QLatin1Char(first + i / 10)).arg(i % 10);
        };
        fill(s.verso.txtD, 'A');
        fill(s.verso.txtE, 'a');
        fill(s.verso.txtI, 'i');
        fill(s.verso.textL, 'l');
        s.verso.txtJ = QStringLiteral("Pluie");
        s.verso.txtObsMecUP = QStringLiteral("Mâcon");
        QStringList trains;
        for (int n = 1; n <= 35; ++n)
            trains << QString::number(140000 + n);
        s.verso.txtNumTrainH = trains.join(u'\n');
        s.verso.txtObsMec = QStringLiteral("Freinage très long à l'approche du signal, "
                                           "avertissement fermé puis carré au km 12.");
    }
    // Where the renderer meant each text to go: top-left of its cell.
    QList<RecordingPage::Text> intended() const
    {
        RecordingPage page;
        const AppState &s = state;
        VersoPrinter::draw(s.verso, s.versoLines, s.printLayout,
                           VersoPrinter::printShift(s.printLayout), page);
        return page.texts;
    }
    QString pdf() const { return dir.filePath(QStringLiteral("verso.pdf")); }
};

// Every intended text found once among the words of the PDF within 0.3 mm, a text of several
// words by its first word: the words left over, or nothing when a text was not found.
std::optional<QList<PdfWord>> matchWords(const QList<RecordingPage::Text> &texts,
                                         QList<PdfWord> words)
{
    for (const RecordingPage::Text &t : texts) {
        const QString first = t.text.section(u' ', 0, 0);
        const auto match = std::find_if(words.begin(), words.end(), [&](const PdfWord &w) {
            return w.text == first && near(w.xMin, t.x, 0.3) && near(w.yMin, t.y, 0.3);
        });
        if (match == words.end()) {
            qWarning() << t.text << "expected at" << t.x << t.y;
            return std::nullopt;
        }
        words.erase(match);
    }
    return words;
}

} // namespace

// Real prints read back by pdftotext: where each text really landed on the sheet.
class PrintedPdfTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (!pdftotextInstalled()) QSKIP("pdftotext (poppler-utils) is not installed");
    }

    // Every field of the recto, each text at its place.
    void filledRectoPdfMatchesTheLayout()
    {
        PrintedRecto<SessionFolder> p;
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
        p.printer.choosePdfFile(pdf);
        QVERIFY(SortieImpimante(p.session));
        QVERIFY(p.prompts.calls.isEmpty());
        // Put back to portrait for whatever prints next.
        QCOMPARE(p.printer.printer()->pageLayout().orientation(), QPageLayout::Portrait);

        QList<PdfWord> words;
        const QSizeF page = readPdf(pdf, words);
        QVERIFY(near(page.width(), 297, 0.5) && near(page.height(), 210, 0.5));
        p.draw(); // where the renderer meant each text to go, top-left of its cell
        QCOMPARE(words.size(), p.page.texts.size());
        QVERIFY(words.size() > 600);
        // The font at its true size: a 10 pt DejaVu line is 1.164 em, 4.1 mm.
        QVERIFY(near(words.first().yMax - words.first().yMin, 4.1, 0.1));
        const auto rest = matchWords(p.page.texts, words);
        QVERIFY(rest && rest->isEmpty());
    }

    void versoPdfMatchesTheLayout()
    {
        Run run;
        run.printer.choosePdfFile(run.pdf());
        run.prompts.answers.push_back(Prompts::Answer::Ok);
        QVERIFY(VersoCommands::printVerso(run.session));
        QCOMPARE(run.prompts.titles(), QStringList{"Kerbo"});

        QList<PdfWord> words;
        const QSizeF page = readPdf(run.pdf(), words);
        QVERIFY(near(page.width(), 297, 0.5) && near(page.height(), 210, 0.5));
        QVERIFY(near(words.first().yMax - words.first().yMin, 4.1, 0.1)); // 10 pt
        // Frame H broken in the verso font: its three lines printed; 31 train numbers of 35.
        QCOMPARE(run.state.versoLines.observations[2].isEmpty(), false);
        const QList<RecordingPage::Text> texts = run.intended();
        QVERIFY(texts.size() >= 80 + 16 + 31 + 1 + 3 + 8 + 1 + 30);
        QVERIFY(texts.first().text == u"A0" && near(texts.first().x, 64.6, 1e-9) &&
                near(texts.first().y, 19.5, 1e-9));
        const auto rest = matchWords(texts, words);
        QVERIFY(rest && !rest->isEmpty());
        for (const PdfWord &w : *rest) // only the other words of the texts of several words
            QVERIFY2(w.text != u"140032", qPrintable(w.text));
    }

    // On plain paper the same texts land at the same places, over the picture of the form.
    void plainPaperAddsTheFormBeneath()
    {
        Run run;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(run.pdf());
        QVERIFY(PlainPaper::print(run.session, PrintSide::Verso, printer));
        QList<PdfWord> words;
        readPdf(run.pdf(), words);
        const auto rest = matchWords(run.intended(), words);
        QVERIFY(rest && std::any_of(rest->begin(), rest->end(),
                                    [](const PdfWord &w) { return w.text == u"ATMOSPHERIQUES"; }));

        // The recto too: the name at its place, over the form's captions.
        run.state.record.setSlot(1, QStringLiteral("DUPONT"));
        QVERIFY(PlainPaper::print(run.session, PrintSide::Recto, printer));
        words.clear();
        readPdf(run.pdf(), words);
        const auto nom = std::find_if(words.begin(), words.end(),
                                      [](const PdfWord &w) { return w.text == u"DUPONT"; });
        QVERIFY(nom != words.end() && near(nom->xMin, 62, 0.3) && near(nom->yMin, 6.5, 0.3));
        QVERIFY(std::any_of(words.begin(), words.end(),
                            [](const PdfWord &w) { return w.text == u"BULLETIN"; }));

        // The general shift places the texts on the form: the form stays. The centring moves
        // the whole sheet, form and texts alike.
        const auto printedAt = [&run, &printer] {
            PlainPaper::print(run.session, PrintSide::Recto, printer);
            QList<PdfWord> read;
            readPdf(run.pdf(), read);
            QPointF at(-1, -1); // DUPONT's left, BULLETIN's left
            for (const PdfWord &w : read) {
                if (w.text == u"DUPONT") at.setX(w.xMin);
                if (w.text == u"BULLETIN") at.setY(w.xMin);
            }
            return at;
        };
        PrintLayout &layout = run.state.printLayout;
        const QPointF before = printedAt();
        layout.ParaImpX[PrintItems::RectoShift] =
            QString::number(layout.x(PrintItems::RectoShift) + 5);
        const QPointF shifted = printedAt();
        QVERIFY(near(shifted.x() - before.x(), 5, 0.2) && near(shifted.y(), before.y(), 0.2));
        layout.ParaImpX[PrintItems::RectoCentring] =
            QString::number(layout.x(PrintItems::RectoCentring) + 3);
        const QPointF centred = printedAt();
        QVERIFY(near(centred.x() - shifted.x(), 3, 0.2) && near(centred.y() - shifted.y(), 3, 0.2));

        // A file that cannot be written is named, not taken for a printer that does not answer.
        const QString absent = run.dir.filePath(QStringLiteral("absent/x.pdf"));
        printer.setOutputFileName(absent);
        QVERIFY(!PlainPaper::print(run.session, PrintSide::Recto, printer));
        QCOMPARE(run.prompts.last().icon, Prompts::Icon::Exclamation);
        QVERIFY(run.prompts.last().text.contains(absent));
    }
};

KERBO_TEST(PrintedPdfTest)
#include "PrintedPdfTest.moc"
