#include "TestMain.h"

#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "core/model/BulletinRecord.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/PreparedFormPicture.h"

#include <QtWidgets>

using namespace SlotTable;
using namespace Qt::StringLiterals;

class BulletinCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    // Long texts are narrowed, or cut, inside their boxes; the date is left to its own control.
    void longTextsStayInTheirBoxesWhole()
    {
        for (EditorLayout layout : {EditorLayout::Editor1024, EditorLayout::Editor800}) {
            BulletinRecord record;
            for (int s = 1; s <= LastLineSlot; ++s)
                record.setSlot(s, u"PARIS NORD GARE DU NORD 12345"_s);
            record.setSlot(TotalKmSlot, u"1234567890123.25"_s);
            BulletinCanvas canvas(record, layout);
            const QFontMetricsF metrics(canvas.textFont());
            for (int s = 1; s <= LastLineSlot; ++s) {
                const BulletinCanvas::Shown shown = canvas.shown(s);
                // Inside its box, whole or marked as cut (a tick box shows the mark alone).
                QVERIFY2(shown.text.size() == 1
                             || metrics.horizontalAdvance(shown.text) * shown.narrowing
                                    <= canvas.boxRect(s).width() - 2,
                         qPrintable(QString::number(s)));
                QVERIFY(shown.narrowing >= 0.58 && shown.narrowing < 1);
                QVERIFY(shown.text == record.slot(s) || shown.text.endsWith(QChar(0x2026)));
                QCOMPARE(record.slot(s), u"PARIS NORD GARE DU NORD 12345"_s);
            }
            record.setSlot(1, u"DUPONT"_s);
            QCOMPARE(canvas.shownText(1), u"DUPONT"_s);
            QCOMPARE(canvas.shown(1).narrowing, 1.0);
            // Station codes, speeds and the establishment's name are read whole, narrowed.
            const std::pair<int, const char *> usual[] = {
                {lineSlot(0, A2Um1), "PLYON"}, {lineSlot(5, A2Um2), "PARIS"},
                {lineSlot(0, EvoDep), "12.5"}, {CartoucheFirstSlot + 2, "PARIS SUD EST"}};
            for (const auto &[slot, text] : usual) {
                record.setSlot(slot, QString::fromLatin1(text));
                QCOMPARE(canvas.shownText(slot), QString::fromLatin1(text));
            }
            // A text a fifth wider than its box is narrowed just enough, never cut.
            for (int slot : {lineSlot(0, De), lineSlot(2, Masse), CartoucheFirstSlot}) {
                QString text;
                while (metrics.horizontalAdvance(text) < canvas.boxRect(slot).width() * 1.2)
                    text += u'N';
                record.setSlot(slot, text);
                QCOMPARE(canvas.shownText(slot), text);
                const qreal narrowing = canvas.shown(slot).narrowing;
                QVERIFY2(narrowing > 0.6 && narrowing < 1, qPrintable(QString::number(narrowing)));
            }
            // The total stands out in bold from the texts of the boxes.
            QVERIFY(canvas.totalFont(u"0"_s).bold() && !canvas.textFont().bold());
            // A total of fifteen digits is shown whole, smaller.
            const QString total = record.slot(TotalKmSlot);
            QVERIFY(QFontMetrics(canvas.totalFont(total)).horizontalAdvance(total)
                    < canvas.boxRect(TotalKmSlot).width());
            record.setSlot(TotalKmSlot, u"100000000000000000000"_s);
            // Nothing is painted outside the boxes, nor in the date's.
            BulletinRecord empty;
            BulletinCanvas blankCanvas(empty, layout);
            const QImage blank = blankCanvas.grab().toImage();
            const QImage filled = canvas.grab().toImage();
            QRegion boxes;
            for (int s = 1; s <= LastLineSlot; ++s)
                boxes += canvas.boxRect(s);
            boxes += canvas.boxRect(TotalKmSlot);
            boxes -= canvas.boxRect(DateSlot);
            QVERIFY(blank != filled);
            for (int y = 0; y < blank.height(); y += 2)
                for (int x = 0; x < blank.width(); ++x)
                    if (blank.pixel(x, y) != filled.pixel(x, y))
                        QVERIFY2(boxes.contains(QPoint(x, y)),
                                 qPrintable(u"%1, %2"_s.arg(x).arg(y)));
        }
    }

    // A text just short of being narrowed keeps a clear pixel before the line on its right, the
    // box's own or a frame's thick line where it runs over the box; one letter more, narrowed,
    // stays off the line.
    void textsKeepOffTheLinesOnTheirRight()
    {
        for (EditorLayout layout :
             {EditorLayout::Editor1024, EditorLayout::Editor800, EditorLayout::LargeFont}) {
            BulletinRecord empty, record;
            BulletinCanvas blankCanvas(empty, layout), canvas(record, layout);
            const QImage blank = blankCanvas.grab().toImage();
            for (int extra : {0, 1}) {
                for (int s = 1; s <= LastLineSlot; ++s) {
                    QString text;
                    do {
                        text += u'N';
                        record.setSlot(s, text);
                    } while (canvas.shown(s).narrowing == 1 && text.size() < 40);
                    text.chop(1 - extra); // the longest drawn whole, or one letter more
                    record.setSlot(s, text);
                }
                const QImage filled = canvas.grab().toImage();
                for (int s = 1; s <= LastLineSlot; ++s) {
                    if (s == DateSlot) continue;
                    const QRect box = canvas.boxRect(s);
                    for (int y = box.top() + 2; y < box.bottom() - 1; ++y) {
                        int line = box.left() + 3;
                        while (line <= box.right() + 1 &&
                               blank.pixelColor(line, y) == FormPicture::BoxColour)
                            ++line;
                        for (int x = line - 1 + extra; x <= box.right() + 1; ++x)
                            QVERIFY2(blank.pixel(x, y) == filled.pixel(x, y),
                                     qPrintable(QString::asprintf(
                                         "layout %d, slot %d, x %d, line at %d, \"%s\"",
                                         int(layout), s, x, line, qPrintable(record.slot(s)))));
                    }
                }
            }
        }
    }

    void theWholeTextIsTheTooltipOfACutBox()
    {
        BulletinRecord record;
        BulletinCanvas canvas(record, EditorLayout::Editor1024);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        record.setSlot(3, u"PARIS NORD"_s);
        const QPoint at = canvas.boxRect(3).center();
        QHelpEvent help(QEvent::ToolTip, at, canvas.mapToGlobal(at));
        QApplication::sendEvent(&canvas, &help);
        QTRY_COMPARE(QToolTip::text(), u"PARIS NORD"_s);
    }

    void clicksLandOnTheirSlotAtEveryScale_data()
    {
        QTest::addColumn<EditorLayout>("layout");
        QTest::addColumn<double>("factor");
        QTest::newRow("1024, 1.0") << EditorLayout::Editor1024 << 1.0;
        QTest::newRow("1024, 1.5") << EditorLayout::Editor1024 << 1.5;
        QTest::newRow("800") << EditorLayout::Editor800 << 1.0;
        QTest::newRow("large font") << EditorLayout::LargeFont << 1.0;
    }
    void clicksLandOnTheirSlotAtEveryScale()
    {
        QFETCH(EditorLayout, layout);
        QFETCH(double, factor);
        BulletinRecord record;
        BulletinCanvas canvas(record, layout);
        const int layoutPixels = canvas.textFont().pixelSize();
        QSignalSpy rescaled(&canvas, &BulletinCanvas::scaleChanged);
        canvas.setScale(canvas.layoutScale() * factor);
        QCOMPARE(rescaled.size(), factor == 1.0 ? 0 : 1);
        // The 297 x 220 mm form at 3 pixels per millimetre, times the factor.
        if (layout == EditorLayout::Editor1024)
            QCOMPARE(canvas.size(), QSize(qCeil(891 * factor), qCeil(660 * factor)));
        QVERIFY(qAbs(canvas.textFont().pixelSize() - layoutPixels * factor) <= 1.0);
        QSignalSpy pressed(&canvas, &BulletinCanvas::boxPressed);
        for (int s = 1; s <= LastLineSlot; ++s) {
            QTest::mouseClick(&canvas, Qt::LeftButton, {}, canvas.boxRect(s).center());
            QVERIFY2(!pressed.isEmpty(), qPrintable(QString::number(s)));
            QCOMPARE(pressed.takeLast().at(0).toInt(), s);
        }
        // Between the boxes nothing is pressed.
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(pressed.isEmpty());

        // At a fractional desktop scale a click falls between the window's pixels: one just
        // inside a box's left edge is in the box (rounded to a whole pixel, it fell before it).
        int tried = 0;
        for (int s = 1; s <= LastLineSlot; ++s) {
            const QRectF mm = FormGeometry::slotBox(s);
            if (mm.isEmpty()) continue;
            const double left = mm.left() * canvas.scale();
            if (left - std::floor(left) < 0.1 || left - std::floor(left) > 0.4) continue;
            const QPointF inside(left + 0.05, mm.center().y() * canvas.scale());
            QMouseEvent press(QEvent::MouseButtonPress, inside, canvas.mapToGlobal(inside),
                              Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(&canvas, &press);
            QVERIFY2(!pressed.isEmpty(), qPrintable(QString::number(s)));
            QCOMPARE(pressed.takeLast().at(0).toInt(), s);
            ++tried;
        }
        QVERIFY(tried > 0);
    }

    void pictureIsDrawnAtTheScreenResolution()
    {
        // The vector drawing at the screen's own pixel density, at any scale: no bitmap enlarged.
        if (qgetenv("QT_SCALE_FACTOR") == "2") QCOMPARE(qApp->devicePixelRatio(), 2.0);
        BulletinRecord record;
        BulletinCanvas canvas(record, EditorLayout::Editor1024);
        for (double scale : {3.0, 4.5}) {
            canvas.setScale(scale);
            const qreal ratio = canvas.devicePixelRatioF();
            const QImage vector = FormPicture::editorImage(scale, ratio);
            const QImage shown = canvas.grab().toImage();
            QCOMPARE(shown.size(), canvas.formSize() * ratio);
            QVERIFY(shown == vector.convertToFormat(shown.format()));
        }
    }

    void pictureDrawnAheadServesItsOwnScaleOnly()
    {
        BulletinRecord record;
        BulletinCanvas canvas(record, EditorLayout::Editor1024);
        canvas.setScale(4.5);
        const qreal ratio = canvas.devicePixelRatioF();
        // Drawn on a worker, the picture has the same pixels as one drawn here.
        PreparedFormPicture::start(3.0, ratio);
        canvas.setScale(3.0);
        QVERIFY(PreparedFormPicture::take(3.0, ratio).isNull()); // the canvas took it
        const QImage shown = canvas.grab().toImage();
        QVERIFY(shown == FormPicture::editorImage(3.0, ratio).convertToFormat(shown.format()));
        // Another scale or density does not take it, and it is gone.
        PreparedFormPicture::start(3.0, ratio);
        QVERIFY(PreparedFormPicture::take(4.5, ratio).isNull());
        QVERIFY(PreparedFormPicture::take(3.0, ratio).isNull());
        PreparedFormPicture::start(3.0, ratio);
        QVERIFY(PreparedFormPicture::take(3.0, ratio * 2).isNull());
        PreparedFormPicture::start(3.0, ratio);
        PreparedFormPicture::drop();
        QVERIFY(PreparedFormPicture::take(3.0, ratio).isNull());
    }
};

KERBO_TEST(BulletinCanvasTest)
#include "BulletinCanvasTest.moc"
