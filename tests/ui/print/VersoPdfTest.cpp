#include "TestMain.h"

#include "FakePrompts.h"
#include "PdfWords.h"
#include "RecordingPage.h"
#include "TempDataFolder.h"
#include "core/print/VersoPrinter.h"
#include "ui/Session.h"
#include "ui/preview/PlainPaper.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/VersoCommands.h"

#include <QPrinter>

namespace {

bool near(double a, double b, double tolerance) { return std::abs(a - b) < tolerance; }

// A filled verso shifted on both axes, in a 10 pt verso font (the 5 pt recto font must not serve).
struct Run {
    TempDataFolder folder;
    FakePrompts prompts;
    PrinterChoice printer;
    Session session{folder.state, prompts, printer};

    Run()
    {
        AppState &s = folder.state;
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
    AppState &state() { return folder.state; }
    // Where the renderer meant each text to go: top-left of its cell.
    QList<RecordingPage::Text> intended() const
    {
        RecordingPage page;
        const AppState &s = folder.state;
        VersoPrinter::draw(s.verso, s.versoLines, s.printLayout,
                           VersoPrinter::printShift(s.printLayout), page);
        return page.texts;
    }
    QString pdf() const { return folder.dir.filePath(QStringLiteral("verso.pdf")); }
};

// Every intended text found once among the words of the PDF within 0.3 mm; the words left over.
QList<PdfWord> matchWords(const QList<RecordingPage::Text> &texts, QList<PdfWord> words)
{
    for (const RecordingPage::Text &t : texts) {
        // A text of several words is found by its first word.
        const QString first = t.text.section(u' ', 0, 0);
        const auto match = std::find_if(words.begin(), words.end(), [&](const PdfWord &w) {
            return w.text == first && near(w.xMin, t.x, 0.3) && near(w.yMin, t.y, 0.3);
        });
        if (match == words.end()) {
            qWarning() << t.text << "expected at" << t.x << t.y;
            return {};
        }
        words.erase(match);
    }
    return words;
}

} // namespace

class VersoPdfTest : public QObject
{
    Q_OBJECT
private slots:
    void versoPdfMatchesTheLayout()
    {
        if (!pdftotextInstalled()) QSKIP("pdftotext (poppler-utils) is not installed");
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
        QCOMPARE(run.state().versoLines.observations[2].isEmpty(), false);
        const QList<RecordingPage::Text> texts = run.intended();
        QVERIFY(texts.size() >= 80 + 16 + 31 + 1 + 3 + 8 + 1 + 30);
        QVERIFY(texts.first().text == u"A0" && near(texts.first().x, 64.6, 1e-9) &&
                near(texts.first().y, 19.5, 1e-9));
        const QList<PdfWord> rest = matchWords(texts, words);
        QVERIFY(!rest.isEmpty());
        for (const PdfWord &w : rest) // only the other words of the texts of several words
            QVERIFY2(w.text != u"140032", qPrintable(w.text));
    }

    // On plain paper the same texts land at the same places, over the picture of the form.
    void plainPaperAddsTheFormBeneath()
    {
        if (!pdftotextInstalled()) QSKIP("pdftotext (poppler-utils) is not installed");
        Run run;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(run.pdf());
        QVERIFY(PlainPaper::print(run.session, PrintSide::Verso, printer));
        QList<PdfWord> words;
        readPdf(run.pdf(), words);
        const QList<PdfWord> rest = matchWords(run.intended(), words);
        QVERIFY(std::any_of(rest.begin(), rest.end(),
                            [](const PdfWord &w) { return w.text == u"ATMOSPHERIQUES"; }));

        // The recto too: the name at its place, over the form's captions.
        run.state().record.setSlot(1, QStringLiteral("DUPONT"));
        QVERIFY(PlainPaper::print(run.session, PrintSide::Recto, printer));
        words.clear();
        readPdf(run.pdf(), words);
        const auto nom = std::find_if(words.begin(), words.end(),
                                      [](const PdfWord &w) { return w.text == u"DUPONT"; });
        QVERIFY(nom != words.end() && near(nom->xMin, 62, 0.3) && near(nom->yMin, 6.5, 0.3));
        QVERIFY(std::any_of(words.begin(), words.end(),
                            [](const PdfWord &w) { return w.text == u"BULLETIN"; }));

        printer.setOutputFileName(run.folder.dir.filePath(QStringLiteral("absent/x.pdf")));
        QVERIFY(!PlainPaper::print(run.session, PrintSide::Recto, printer));
        QCOMPARE(run.prompts.last().icon, Prompts::Icon::Exclamation);
    }
};

KERBO_TEST(VersoPdfTest)
#include "VersoPdfTest.moc"
