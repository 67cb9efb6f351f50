#include "TestMain.h"

#include "RecordingPage.h"

#include "core/config/Config.h"
#include "core/form/BoxNames.h"
#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "core/form/ScreenRefresh.h"
#include "core/form/VersoGeometry.h"
#include "core/form/VersoPicture.h"
#include "core/model/BulletinRecord.h"
#include "core/print/PrintLayout.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"
#include "core/verso/VersoNavigation.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

using namespace SlotTable;
using namespace Qt::StringLiterals;

// The forms on screen: their boxes where the texts print, the recto captions clear of them, the
// recto scale in a growing window, and the texts cut to what the boxes show.
class FormGeometryTest : public QObject
{
    Q_OBJECT
private slots:
    // Every box of the form holds its own number of characters, frame B2's rows and the six lines
    // alike; the other slots keep the whole text.
    void cutsToTheDisplayLimitsAndKeepsTheCut()
    {
        const std::pair<int, int> rowLimits[] = {{14, 7}, {26, 7}, {38, 3}, {39, 7}, {40, 3}};
        const std::pair<int, int> lineLimits[] = {{De, 5},    {A, 5},        {Via, 3},   {Gare, 5},
                                                  {Categ, 3}, {IndCompo, 5}, {AgSeul, 2}};
        QHash<int, int> limits;
        for (int row = 0; row < 4; ++row)
            for (const auto &[first, limit] : rowLimits)
                limits.insert(first + 3 * row, limit);
        for (int line = 0; line < LineCount; ++line)
            for (const auto &[offset, limit] : lineLimits)
                limits.insert(lineSlot(line, offset), limit);
        const QString typed = u"PARIS NORD SURFACE"_s;
        BulletinRecord r;
        for (int s = 1; s <= LastLineSlot; ++s)
            r.setSlot(s, typed);
        QVERIFY(ScreenRefresh::SortieEcranEditeur(r));
        for (int s = 1; s <= LastLineSlot; ++s)
            QVERIFY2(r.slot(s) == typed.left(limits.value(s, typed.size())),
                     qPrintable(u"%1: %2"_s.arg(s).arg(r.slot(s))));
        QVERIFY(!ScreenRefresh::SortieEcranEditeur(r)); // nothing left to cut
    }

    // Every slot has a box of its own on the page (the editor's clicks find them); the captions
    // stand clear of each other and of the boxes.
    void boxesAndCaptionsStandClearOfEachOther()
    {
        const QRectF page(0, 0, FormGeometry::WidthMm, FormGeometry::HeightMm);
        QList<std::pair<QString, QRectF>> rects;
        for (int s = 1; s <= LastLineSlot; ++s) {
            const QRectF box = FormGeometry::slotBox(s);
            QVERIFY2(!box.isEmpty() && page.contains(box), qPrintable(QString::number(s)));
            rects.append({QStringLiteral("slot %1").arg(s), box});
        }
        for (const FormGeometry::Caption &c : FormGeometry::captions())
            rects.append({c.text, c.rect});
        for (qsizetype a = 0; a < rects.size(); ++a)
            for (qsizetype b = a + 1; b < rects.size(); ++b)
                QVERIFY2(!rects[a].second.intersects(rects[b].second),
                         qPrintable(rects[a].first + QStringLiteral(" / ") + rects[b].first));
        // The total sits under frame C.
        QVERIFY(page.contains(FormGeometry::slotBox(TotalKmSlot)));
        QVERIFY(FormGeometry::slotBox(TotalKmSlot).top() >=
                FormGeometry::frameRect(Frame::C).bottom());
        QVERIFY(FormGeometry::slotBox(300).isEmpty());
    }

    // Every box the driver can stand on is announced by a name of its own, its row with it.
    void everyBoxHasANameOfItsOwn()
    {
        QHash<QString, int> seen;
        for (int slot = 1; slot < SlotTable::SlotCount; ++slot) {
            const QString name = BoxNames::of(slot);
            QCOMPARE(name.isEmpty(), FormGeometry::slotBox(slot).isEmpty() && slot != 6);
            if (name.isEmpty()) continue;
            QVERIFY2(!seen.contains(name),
                     qPrintable(name + u" names slot "_s + QString::number(seen.value(name))));
            seen.insert(name, slot);
        }
        QCOMPARE(BoxNames::of(SlotTable::lineSlot(1, SlotTable::HeureDep)),
                 u"Ligne 2, Heure dép"_s);
        QCOMPARE(BoxNames::of(45), u"Engin de manoeuvre 3"_s); // the third shunting row's engine
        QCOMPARE(BoxNames::of(28), u"Fin de manoeuvre 1"_s);

        seen.clear();
        for (VersoText text :
             {VersoText::D, VersoText::E, VersoText::NumTrainH, VersoText::ObsMecUP,
              VersoText::ObsMec, VersoText::I, VersoText::J, VersoText::L})
            for (int index = 0; index < boxCount(text); ++index) {
                const QString name = BoxNames::ofVerso({text, index});
                QVERIFY(!name.isEmpty());
                QVERIFY2(!seen.contains(name), qPrintable(name));
                seen.insert(name, index);
            }
        // Frame D's rows of seven start with the box of "Texte (2) et (3)".
        QCOMPARE(BoxNames::ofVerso({VersoText::D, 59}), u"D, ligne 10, Avis donné à"_s);
        QCOMPARE(BoxNames::ofVerso({VersoText::D, 60}), u"D, ligne 11, Texte (2) et (3)"_s);
        QCOMPARE(BoxNames::ofVerso({VersoText::D, 74}), u"D, ligne 13, N° du train"_s);
        QCOMPARE(BoxNames::ofVerso({VersoText::E, 3}), u"E, ligne 2, Observations"_s);
        QCOMPARE(BoxNames::ofVerso({VersoText::L, 9}), u"L, ligne 2, Sortie"_s);
    }

    // On the sheet (preview, plain paper) frame C is closed under its last row of boxes, above
    // the sheet's edge; the editor's picture keeps the total below it.
    void sheetClosesFrameC()
    {
        const double k = 4;
        QImage sheet(qCeil(FormGeometry::WidthMm * k), qCeil(FormGeometry::SheetHeightMm * k),
                     QImage::Format_RGB32);
        sheet.fill(Qt::white);
        {
            QPainter p(&sheet);
            FormPicture::paint(p, k, FormPicture::Surface::Paper);
        }
        double lowestBox = 0;
        for (int s = 1; s <= LastLineSlot; ++s)
            lowestBox = std::max(lowestBox, FormGeometry::slotBox(s).bottom());
        const int x = qRound(150 * k);
        int ink = -1;
        for (int y = qCeil(lowestBox * k) + 1; y < sheet.height() && ink < 0; ++y)
            if (qGray(sheet.pixel(x, y)) < 128) ink = y;
        QVERIFY2(ink > 0, "no bottom line under the last boxes");
    }

    // The picture is the paper form: printed with the factory layout, every character of a
    // field of usual length lands inside the box of its slot, where the preview shows it. A
    // 9 pt capital is about 2.3 mm wide and its line 3.8 mm high from the print position.
    void everyCharacterPrintsInsideItsBox()
    {
        // clang-format off
        QMap<int, QString> values = {
            {1, "DUPONT"}, {2, "JEAN"}, {3, "PNO"}, {4, "PNO"}, {5, "1234567"}, {7, "123"},
            {8, "123"}, {9, "PARIS"}, {10, "0530"}, {11, "LILLE"}, {12, "1345"}, {13, "x"},
            {TicketMetroSlot, "12"}, {UnitesTelSlot, "1234"}, {Mark2BSSlot, "x"}};
        for (int k = 0; k < 4; ++k) {
            const QList<QString> row = {"CONDUIT", "0530", "1230", "MANOEUV", "0600", "0700",
                                        "PNO", "BB67401", "PNO"};
            for (int c = 0; c < 3; ++c)
                for (int t = 0; t < 3; ++t)
                    values[14 + 12 * c + 3 * k + t] = row[3 * c + t];
        }
        for (int m = 50; m <= 53; ++m)
            values[m] = "x";
        values[6] = QString(); // the date, drawn from the service date in six boxes
        const QList<std::pair<int, QString>> line = {
            {Fac, "x"}, {NumeroTrain, "123456"}, {De, "PARIS"}, {A, "LILLE"}, {Via, "ORR"},
            {EvoDep, "12"}, {MvDep, "123"}, {HeureDep, "1230"}, {HeureArr, "1415"},
            {MvArr, "123"}, {EvoArr, "12"}, {Gare, "CREIL"}, {HeureArr2, "1230"}, {Mv, "123"},
            {HeureDep2, "1240"}, {Categ, "MES"}, {IndCompo, "ABCDE"}, {AgSeul, "EA"},
            {NbVeh, "12"}, {Long, "1234"}, {Masse, "1234"}, {Coef, "123"},
            {AgentEnSecond, "x"}, {AutreAgent, "x"}, {Nat1, "BB"}, {EnginTitu, "B 467401 SOT"},
            {Nat2, "BB"}, {EnginUm1, "B 467402 SOT"}, {De2Um1, "123"}, {A2Um1, "12"},
            {Nat3, "BB"}, {EnginUm2, "B 467403 SOT"}, {De2Um2, "123"}, {A2Um2, "12"},
            {Observation, "x"}};
        // clang-format on
        for (int l = 0; l < LineCount; ++l)
            for (const auto &[offset, text] : line)
                values[lineSlot(l, offset)] = text;

        PrintLayout layout;
        layout.DefautParaImp();
        const Options options;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            BulletinRecord record;
            record.setServiceDate(it.key() == 6 ? QDate(2026, 12, 6) : QDate());
            record.setSlot(it.key(), it.value());
            RecordingPage page;
            page.setFont(QFont("DejaVu Sans", 9));
            RectoPrinter::draw(record, layout, options, QPointF(), page);
            QVERIFY2(!page.texts.isEmpty(), qPrintable(QString::number(it.key())));
            const QRectF box = FormGeometry::slotBox(it.key());
            for (const RecordingPage::Text &t : page.texts) {
                const QRectF ink(t.x, t.y, 2.3 * t.text.size(), 3.8);
                const QString where = QStringLiteral("slot %1 \"%2\" at %3, %4");
                QVERIFY2(box.contains(ink),
                         qPrintable(where.arg(it.key()).arg(t.text).arg(t.x).arg(t.y)));
            }
        }
    }

    void everyCaptionFitsItsPlaceInEveryLayout()
    {
        for (EditorLayout layout :
             {EditorLayout::Editor1024, EditorLayout::Editor800, EditorLayout::LargeFont}) {
            const double k = FormGeometry::scaleFor(layout).pixelsPerMm;
            for (const FormGeometry::Caption &c : FormGeometry::captions()) {
                const FormPicture::CaptionLayout l = FormPicture::captionLayout(c, k);
                const QRectF place = c.vertical ? QRectF(0, 0, l.rect.height(), l.rect.width())
                                                : QRectF(QPointF(0, 0), l.rect.size());
                const int flags = l.wrapped ? Qt::TextWordWrap : 0;
                const QRectF needed = QFontMetricsF(l.font).boundingRect(place, flags, c.text);
                QVERIFY2(needed.width() <= place.width() + 0.5 &&
                             needed.height() <= place.height() + 1.5,
                         qPrintable(QStringLiteral("%1 at %2 px/mm").arg(c.text).arg(k)));
                // Clear of the frames' thick lines, which grow with the scale.
                const double half = FormPicture::thickLine(k) / 2;
                for (Frame f : {Frame::A, Frame::B1, Frame::B2, Frame::B3, Frame::C}) {
                    const QRectF frame = FormGeometry::frameRect(f);
                    const QRectF outer(frame.topLeft() * k - QPointF(half, half),
                                       frame.bottomRight() * k + QPointF(half, half));
                    // A quarter of a pixel for the glyphs' own margin.
                    const double in = 2 * half - 0.25;
                    const QRectF inner = outer.adjusted(in, in, -in, -in);
                    QVERIFY2(!outer.intersects(l.rect) || inner.contains(l.rect),
                             qPrintable(QStringLiteral("%1 at %2 px/mm").arg(c.text).arg(k)));
                }
            }
        }
    }

    // The verso's column heads stand over narrow columns: from the previews' 100 % on (96 dpi),
    // each is legible, on two lines where one would need letters too small, and fits its place.
    void versoHeadsStayLegibleInThePreviews()
    {
        for (double k : {96 / 25.4, 4.5, 192 / 25.4}) {
            for (const FormGeometry::Caption &c : VersoGeometry::captions()) {
                const FormPicture::CaptionLayout l = VersoPicture::captionLayout(c, k);
                const QString where = QStringLiteral("%1 at %2 px/mm").arg(c.text).arg(k);
                QVERIFY2(l.font.pixelSize() >= 7, qPrintable(where));
                const QRectF place(QPointF(0, 0), l.rect.size());
                const QRectF needed = QFontMetricsF(l.font).boundingRect(
                    place, l.wrapped ? Qt::TextWordWrap : 0, c.text);
                QVERIFY2(needed.width() <= place.width() + 1 &&
                             needed.height() <= place.height() + 1,
                         qPrintable(where));
            }
        }
    }

    // The verso drawn: on the editor's tinted paper or on white for a print on plain paper,
    // every box filled, and no column head in larger letters than the frames' titles.
    void versoPictureOnBothSurfaces()
    {
        const double k = 4;
        for (FormPicture::Surface surface :
             {FormPicture::Surface::Editor, FormPicture::Surface::Paper}) {
            QImage image(qCeil(VersoGeometry::WidthMm * k), qCeil(VersoGeometry::HeightMm * k),
                         QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter p(&image);
            VersoPicture::paint(p, k, surface);
            p.end();
            const bool paper = surface == FormPicture::Surface::Paper;
            QCOMPARE(image.pixelColor(0, 0), paper ? QColor(Qt::white) : FormPicture::PaperColour);
            for (VersoText text : {VersoText::D, VersoText::E, VersoText::ObsMecUP, VersoText::I,
                                   VersoText::J, VersoText::L})
                for (int i = 0; i < boxCount(text); ++i) {
                    const QPointF centre = VersoGeometry::box({text, i}).center() * k;
                    QVERIFY2(image.pixelColor(centre.toPoint()) == FormPicture::BoxColour,
                             qPrintable(QStringLiteral("%1 %2").arg(int(text)).arg(i)));
                }
        }
        int largestHead = 0, smallestTitle = 1000;
        for (const FormGeometry::Caption &c : VersoGeometry::captions()) {
            const int px = VersoPicture::captionLayout(c, k).font.pixelSize();
            if (c.bold)
                smallestTitle = qMin(smallestTitle, px);
            else
                largestHead = qMax(largestHead, px);
        }
        QVERIFY2(largestHead < smallestTitle,
                 qPrintable(QStringLiteral("%1 %2").arg(largestHead).arg(smallestTitle)));
    }

    void fittedScale_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("layoutScale");
        QTest::addColumn<double>("expected");
        // The form is 297 x 220 mm: the narrower side of the window decides.
        QTest::newRow("wide window, height decides") << 1782.0 << 990.0 << 3.0 << 4.5;
        QTest::newRow("tall window, width decides") << 1485.0 << 2000.0 << 3.0 << 5.0;
        QTest::newRow("1920 x 1080 with menus and buttons") << 1800.0 << 1040.0 << 3.0 << 4.72;
        QTest::newRow("800 layout") << 800.0 << 560.0 << 2.33 << 2.54;
        // A 1366 x 768 laptop at 150 %: 911 x 512 points, less the menus and the buttons.
        QTest::newRow("smaller than the layout") << 780.0 << 470.0 << 2.33 << 2.13;
        QTest::newRow("never below six tenths") << 500.0 << 300.0 << 3.0 << 1.8;
    }
    void fittedScale()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, layoutScale);
        const double scale = FormGeometry::fittedScale(width, height, layoutScale);
        QTEST(scale, "expected");
        // The whole form fits what the window offers, or the smallest scale is kept.
        QVERIFY(
            scale == layoutScale * FormGeometry::MinimumFitShare ||
            (FormGeometry::WidthMm * scale <= width && FormGeometry::HeightMm * scale <= height));
    }

    // With the factory layout every text stands inside its own box: the editor shows each text
    // where it prints, and the preview shows the printed texts in their boxes. A 10 pt line has
    // its capitals from about 0.5 mm below the top of its cell, its base line at 3.3 mm and its
    // descenders down to 4.1 mm.
    void everyVersoTextPrintsInsideItsBox()
    {
        PrintLayout layout;
        layout.DefautParaImp();
        layout.DefautParaImpVerso();
        for (const VersoPlacement::Place &place : VersoPlacement::places()) {
            const QPointF at = VersoPrinter::position(place, layout);
            const QRectF box = VersoGeometry::box(place.field);
            const QString where = QStringLiteral("%1/%2 at %3, %4")
                                      .arg(int(place.field.text))
                                      .arg(place.field.index)
                                      .arg(at.x())
                                      .arg(at.y());
            QVERIFY2(box.contains(at + QPointF(0, 0.5)), qPrintable(where));
            // Frame E's rows are 3.8 mm apart: there the capitals and the base line fit.
            const double line = place.field.text == VersoText::E ? 3.3 : 4.1;
            QVERIFY2(at.y() + line <= box.bottom() + 1e-9, qPrintable(where));
        }
    }

    void versoBoxesStayInTheirFramesWithoutOverlapping()
    {
        const QList<VersoField> &fields = VersoNavigation::tabOrder();
        const QRectF sheet(0, 0, VersoGeometry::WidthMm, VersoGeometry::HeightMm);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QRectF box = VersoGeometry::box(fields[i]);
            QVERIFY(!box.isEmpty());
            QVERIFY(sheet.contains(box));
            QVERIFY(std::any_of(VersoGeometry::frames().begin(), VersoGeometry::frames().end(),
                                [&box](const QRectF &frame) { return frame.contains(box); }));
            for (qsizetype j = i + 1; j < fields.size(); ++j) {
                const QRectF common = box.intersected(VersoGeometry::box(fields[j]));
                QVERIFY2(common.width() < 1e-9 || common.height() < 1e-9,
                         qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
            }
        }
    }

    void observationsBoxFollowsTheLineLength()
    {
        const QRectF factory = VersoGeometry::observationsBox(110);
        const QRectF shorter = VersoGeometry::observationsBox(50);
        QCOMPARE(shorter.topLeft(), factory.topLeft());
        QVERIFY(shorter.width() > 50 && shorter.width() < 53);
        QVERIFY(factory.right() <= VersoGeometry::WidthMm);
    }
};

KERBO_TEST(FormGeometryTest)
#include "FormGeometryTest.moc"
