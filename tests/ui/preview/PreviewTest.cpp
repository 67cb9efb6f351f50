#include "TestMain.h"

#include "../SessionFolder.h"
#include "PdfWords.h"
#include "core/form/FormPicture.h"
#include "core/form/VersoPicture.h"
#include "core/print/PainterPage.h"
#include "ui/preview/PreviewCanvas.h"
#include "ui/preview/frmPreview.h"

#include <QPrintDialog>
#include <QtWidgets>

Q_DECLARE_METATYPE(PrintSide)

using namespace Qt::StringLiterals;

namespace {

struct Run : SessionFolder {
    Run()
    {
        saveFactoryLayout();
        const PrinterFont font{u"DejaVu Sans"_s, 10, u"False"_s, u"False"_s};
        state.config.rectoFont = font;
        state.config.versoFont = font;
        state.record.setSlot(1, u"DUPONT"_s);
        state.verso.txtJ = u"Brouillard"_s;
    }
    std::unique_ptr<frmPreview> open(PrintSide side)
    {
        auto preview = std::make_unique<frmPreview>(session, side);
        preview->setAttribute(Qt::WA_DeleteOnClose, false);
        preview->resize(1024, 768);
        preview->show();
        return preview;
    }
};

// The sheet as the canvas paints it, over `ground` (black shows what it leaves unpainted).
QImage paintedSheet(PreviewCanvas &canvas, QColor ground = Qt::white, qreal ratio = 1)
{
    QImage image(canvas.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(ground);
    QPainter p(&image);
    canvas.paintSheet(p, canvas.rect());
    return image;
}

// The side's form alone, drawn from its vector picture as paper shows it.
QImage drawnForm(QSize size, double k, PrintSide side, qreal ratio = 1)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (side == PrintSide::Recto)
        FormPicture::paint(p, k, FormPicture::Surface::Paper);
    else
        VersoPicture::paint(p, k, FormPicture::Surface::Paper);
    return image;
}

// The box around the pixels `dark` picks.
QRect inkBounds(const QImage &image, const std::function<bool(QColor)> &dark)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (dark(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The box around the texts of the sheet: the pixels of black ink (the form is drawn in red).
QRect inkBounds(PreviewCanvas *canvas)
{
    return inkBounds(paintedSheet(*canvas),
                     [](QColor c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; });
}

// The same place, give or take the pixel that anti-aliasing may add at a glyph's side.
bool sameInk(const QRect &a, const QRect &b)
{
    return a.top() == b.top() && a.bottom() == b.bottom() && std::abs(a.left() - b.left()) <= 1 &&
           std::abs(a.right() - b.right()) <= 1;
}

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT
private slots:
    // The texts are shown where the ink falls: the screen calibration moves them, not the centring.
    void textsMoveWithTheScreenCalibrationNotTheCentring_data()
    {
        QTest::addColumn<PrintSide>("side");
        QTest::addColumn<int>("calibration");
        QTest::addColumn<int>("centring");
        QTest::newRow("recto") << PrintSide::Recto << 92 << 95;
        QTest::newRow("verso") << PrintSide::Verso << 93 << 96;
    }
    void textsMoveWithTheScreenCalibrationNotTheCentring()
    {
        QFETCH(PrintSide, side);
        QFETCH(int, calibration);
        QFETCH(int, centring);
        Run run;
        auto preview = run.open(side);
        PreviewCanvas *canvas = preview->canvas();
        canvas->setPixelsPerMm(4);
        const QRect before = inkBounds(canvas);
        QVERIFY(!before.isEmpty());
        PrintLayout &layout = run.state.printLayout;
        layout.ParaImpX[size_t(centring)] = u"2"_s;
        layout.ParaImpY[size_t(centring)] = u"2"_s;
        preview->redraw();
        QVERIFY(sameInk(inkBounds(canvas), before));
        layout.ParaImpY[size_t(calibration)] = u"1"_s; // 1 mm, 4 pixels down
        preview->redraw();
        QVERIFY(sameInk(inkBounds(canvas), before.translated(0, 4)));
    }

    void zoomFitsThePageOrShowsItAtOneAndTwoTimes()
    {
        Run run;
        {
            // The whole screen, buttons included: two rows of them on a screen 800 pixels wide.
            frmPreview whole(run.session, PrintSide::Verso);
            whole.setAttribute(Qt::WA_DeleteOnClose, false);
            whole.show();
            QVERIFY(whole.isMaximized());
            QCOMPARE_LE(whole.minimumSizeHint().width(), whole.screen()->availableGeometry().width());
        }
        auto preview = run.open(PrintSide::Recto);
        QCOMPARE(preview->windowTitle(), u"VISUALISATION DU BS RECTO AVANT D'IMPRIMER"_s);
        QCOMPARE(preview->zoomChoice()->currentText(), u"Page entière"_s);
        const QSize room = preview->scrollArea()->viewport()->size();
        QSize sheet = preview->canvas()->size();
        QVERIFY(sheet.width() <= room.width() && sheet.height() <= room.height());
        QVERIFY(sheet.width() >= room.width() - 8 || sheet.height() >= room.height() - 8);

        preview->setZoom(frmPreview::Zoom::Actual);
        const double mm = preview->logicalDpiX() / 25.4;
        QCOMPARE(preview->canvas()->width(), qCeil(297 * mm));
        preview->setZoom(frmPreview::Zoom::Double);
        QCOMPARE(preview->canvas()->width(), qCeil(297 * 2 * mm));
    }

    // A text takes the width on the screen that it takes on paper, at every zoom: fitted to whole
    // pixels, a long name was drawn up to 4 % wider or narrower than it prints.
    void textsAreAsWideAsOnPaper()
    {
        QFont font(u"DejaVu Sans"_s);
        font.setPointSize(10);
        // The width of the ink, in millimetres, at k pixels a millimetre.
        const auto inkWidth = [&font](double k) {
            QImage image(qCeil(60 * k), qCeil(10 * k), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            PainterPage page(p, k);
            page.setFont(font);
            page.drawText(2, 2, u"Delafontaine-Marchand"_s);
            p.end();
            return inkBounds(image, [](QColor c) { return qGray(c.rgb()) < 128; }).width() / k;
        };
        const double paper = inkWidth(1200 / 25.4);
        for (const double k : {3.0, 3.78, 5.2, 7.56})
            QVERIFY2(
                std::abs(inkWidth(k) - paper) < 1.5 / k,
                qPrintable(u"%1 px/mm: %2 mm, paper %3 mm"_s.arg(k).arg(inkWidth(k)).arg(paper)));
    }

    // Each side shows its own form, drawn at the screen's own pixel density (run at 200 % too):
    // as sharp as the vector drawing itself, not a picture enlarged. The sheet's last pixels,
    // that the form covers only in part, are paper; they showed whatever the memory held.
    void sheetDrawnAtTheScreenResolution()
    {
        if (qgetenv("QT_SCALE_FACTOR") == "2") QCOMPARE(qApp->devicePixelRatio(), 2.0);
        Run run;
        run.state.record.setSlot(1, QString());
        run.state.verso.txtJ.clear();
        const double k = 3.78; // 297 mm ends inside a pixel
        for (const PrintSide side : {PrintSide::Recto, PrintSide::Verso}) {
            PreviewCanvas canvas(run.state, side);
            canvas.setPixelsPerMm(k);
            const qreal ratio = canvas.devicePixelRatioF();
            const QImage shown = paintedSheet(canvas, Qt::black, ratio);
            const QImage drawn = drawnForm(canvas.size(), k, side, ratio);
            qint64 differ = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    differ += shown.pixel(x, y) != drawn.pixel(x, y);
            QVERIFY2(differ * 1000 < qint64(shown.width()) * shown.height(),
                     qPrintable(u"side %1: %2"_s.arg(int(side)).arg(differ)));
            for (int y = 0; y < shown.height(); ++y)
                QVERIFY2(qGray(shown.pixel(shown.width() - 1, y)) > 200,
                         qPrintable(QString::number(y)));
            for (int x = 0; x < shown.width(); ++x)
                QVERIFY2(qGray(shown.pixel(x, shown.height() - 1)) > 200,
                         qPrintable(QString::number(x)));
        }
    }

    // "Imprimer" prints the preview's own side. "Imprimer sur papier blanc" prints nothing when
    // its dialog is cancelled; a PDF it writes is one the run's next print asks before replacing.
    void printsItsOwnSideAndPlainPaperAsChosen()
    {
        if (!pdftotextInstalled()) QSKIP("pdftotext (poppler-utils) is not installed");
        const auto words = [](const QString &pdf) {
            QList<PdfWord> read;
            readPdf(pdf, read);
            QStringList texts;
            for (const PdfWord &w : read)
                texts << w.text;
            return texts;
        };
        for (PrintSide side : {PrintSide::Recto, PrintSide::Verso}) {
            Run run;
            const QString pdf = run.dir.filePath(u"imprime.pdf"_s);
            run.printer.choosePdfFile(pdf);
            auto preview = run.open(side);
            run.prompts.answers = {Prompts::Answer::Ok};
            preview->button(frmPreview::Button::Print)->click();
            const QStringList printed = words(pdf);
            const bool recto = side == PrintSide::Recto;
            QCOMPARE(printed.contains(u"DUPONT"_s), recto);
            QCOMPARE(printed.contains(u"Brouillard"_s), !recto);
        }

        Run run;
        const QString plain = run.dir.filePath(u"blanc.pdf"_s);
        run.printer.choosePdfFile(plain);
        auto preview = run.open(PrintSide::Recto);
        const auto inDialog = [&plain](bool confirm) {
            onNextModal<QPrintDialog>([&plain, confirm](QPrintDialog *dialog) {
                auto *printers = dialog->findChild<QComboBox *>(u"printers"_s);
                printers->setCurrentIndex(printers->count() - 1); // the PDF file
                dialog->findChild<QLineEdit *>(u"filename"_s)->setText(plain);
                confirm ? dialog->accept() : dialog->reject();
            });
        };
        // Cancelled: no page, and no word (a print would tell when there is no printer, as on a
        // computer without any: there a print would be seen).
        inDialog(false);
        preview->button(frmPreview::Button::PlainPaper)->click();
        QVERIFY(!QFile::exists(plain));
        QVERIFY(run.prompts.calls.isEmpty());
        inDialog(true);
        preview->button(frmPreview::Button::PlainPaper)->click();
        QVERIFY(QFile::exists(plain));
        run.prompts.answers = {Prompts::Answer::Ok, Prompts::Answer::No};
        preview->button(frmPreview::Button::Print)->click();
        QCOMPARE(run.prompts.last().buttons, Prompts::Buttons::YesNo);
        QVERIFY(run.prompts.last().text.startsWith(u"Le fichier "_s + plain));
    }

    // The chooser is told it comes from a preview and its changes redraw frame H broken again.
    void buttonsOfTheVersoPreview()
    {
        Run run;
        QStringList calls;
        run.session.calibration.openFrameChooser =
            [&](QWidget *, PrintSide side, bool fromPreview,
                const CalibrationHooks::LayoutChanged &layoutChanged) {
                calls << u"chooser %1 %2"_s.arg(side == PrintSide::Verso).arg(fromPreview);
                run.state.verso.txtObsMec = u"Freinage"_s;
                layoutChanged();
                calls << run.state.versoLines.observations[0];
            };
        auto preview = run.open(PrintSide::Verso);
        QCOMPARE(preview->windowTitle(), u"VISUALISATION DU BS VERSO AVANT D'IMPRIMER"_s);
        QCOMPARE(preview->button(frmPreview::Button::Back)->text(), u"Retour Editeur Verso"_s);
        QVERIFY(!preview->button(frmPreview::Button::Centring)->isEnabled());
        preview->button(frmPreview::Button::Calibration)->click();
        QCOMPARE(calls, (QStringList{"chooser 1 1", "Freinage"}));

        preview->button(frmPreview::Button::Print)->click();
        QCOMPARE(run.prompts.titles(), QStringList{"Kerbo"});
        QVERIFY(preview->isVisible());
        preview->button(frmPreview::Button::Back)->click();
        QVERIFY(!preview->isVisible());

        // Escape leaves the preview as its last button does.
        auto recto = run.open(PrintSide::Recto);
        QVERIFY(bringToFront(*recto.get()));
        // An open drop-down takes its Escape for itself.
        recto->zoomChoice()->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(recto->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!recto->isVisible());
    }
};

KERBO_TEST(PreviewTest)
#include "PreviewTest.moc"
