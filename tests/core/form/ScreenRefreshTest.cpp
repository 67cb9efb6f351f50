#include "TestMain.h"

#include "RecordingPage.h"

#include "core/config/Config.h"
#include "core/form/FormGeometry.h"
#include "core/form/ScreenRefresh.h"
#include "core/model/BulletinRecord.h"
#include "core/print/PrintLayout.h"
#include "core/print/RectoPrinter.h"

using namespace SlotTable;

class ScreenRefreshTest : public QObject
{
    Q_OBJECT
private slots:
    void cutsToTheDisplayLimitsAndKeepsTheCut()
    {
        const QList<std::tuple<int, QString, QString>> cuts = {
            {lineSlot(1, De), "PARISN", "PARIS"},
            {lineSlot(5, AgSeul), "EAS", "EA"},
            {lineSlot(0, Gare), "CHAN", "CHAN"},
            {lineSlot(0, Via), "ORRY", "ORR"},
            {47, "PNORD", "PNO"}, // LieuMv of row 4
            {32, "MANOEUVRE", "MANOEUV"},
            {lineSlot(0, NumeroTrain), "123456789012", "123456789012"},
            {1, "Un nom bien plus long que sa case", "Un nom bien plus long que sa case"},
        };
        BulletinRecord r;
        for (const auto &[slot, in, out] : cuts)
            r.setSlot(slot, in);
        QVERIFY(ScreenRefresh::SortieEcranEditeur(r));
        for (const auto &[slot, in, out] : cuts)
            QCOMPARE(r.slot(slot), out);
        QVERIFY(!ScreenRefresh::SortieEcranEditeur(r)); // nothing left to cut
    }

    void everySlotHasItsOwnBoxOnThePicture()
    {
        const QRectF page(0, 0, FormGeometry::WidthMm, FormGeometry::HeightMm);
        for (int s = 1; s <= LastLineSlot; ++s) {
            const QRectF box = FormGeometry::slotBox(s);
            QVERIFY2(!box.isEmpty() && page.contains(box), qPrintable(QString::number(s)));
            QCOMPARE(FormGeometry::slotAt(box.center()), s);
        }
        QVERIFY(page.contains(FormGeometry::slotBox(TotalKmSlot)));
        for (int a = 1; a <= LastLineSlot; ++a)
            for (int b = a + 1; b <= LastLineSlot; ++b)
                QVERIFY2(!FormGeometry::slotBox(a).intersects(FormGeometry::slotBox(b)),
                         qPrintable(QStringLiteral("%1 / %2").arg(a).arg(b)));
        QCOMPARE(FormGeometry::slotAt(QPointF(0.2, 0.2)), 0);
        QVERIFY(FormGeometry::slotBox(300).isEmpty());
    }

    // The picture is the paper form: printed with the factory layout, every character of a
    // field of usual length lands inside the box of its slot, where the preview shows it. A
    // 9 pt capital is about 2.3 mm wide and its line 3.8 mm high from the print position.
    void everyCharacterPrintsInsideItsBox()
    {
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
        for (int l = 0; l < LineCount; ++l)
            for (const auto &[offset, text] : line)
                values[lineSlot(l, offset)] = text;

        PrintLayout layout;
        layout.DefautParaImp();
        const Options options;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            BulletinRecord record;
            record.setServiceDate(QDate());
            record.setSlot(it.key(), it.value());
            RecordingPage page;
            page.setFont(QFont("DejaVu Sans", 9));
            RectoPrinter::draw(record, layout, options, QPointF(), page);
            QVERIFY2(!page.texts.isEmpty(), qPrintable(QString::number(it.key())));
            const QRectF box = FormGeometry::slotBox(it.key());
            for (const RecordingPage::Text &t : page.texts) {
                const QRectF ink(t.x, t.y, 2.3 * t.text.size(), 3.8);
                QVERIFY2(box.contains(ink),
                         qPrintable(QStringLiteral("slot %1 \"%2\" at %3, %4 outside %5..%6")
                                        .arg(it.key())
                                        .arg(t.text)
                                        .arg(t.x)
                                        .arg(t.y)
                                        .arg(box.left())
                                        .arg(box.right())));
            }
        }
        // The date, drawn from the service date in the six boxes of slot 6.
        BulletinRecord record;
        record.setServiceDate(QDate(2026, 12, 6));
        RecordingPage page;
        page.setFont(QFont("DejaVu Sans", 9));
        RectoPrinter::draw(record, layout, options, QPointF(), page);
        QCOMPARE(page.texts.size(), 6);
        for (const RecordingPage::Text &t : page.texts)
            QVERIFY(FormGeometry::slotBox(6).contains(QRectF(t.x, t.y, 2.3, 3.8)));
    }

    void boxesSitWhereTheTextsPrint()
    {
        PrintLayout l;
        l.DefautParaImp();
        // Line 6's train number: its first character one pitch right of item 28, five line
        // pitches down.
        const QRectF train6 = FormGeometry::slotBox(lineSlot(5, NumeroTrain));
        QVERIFY(train6.contains(QPointF(l.x(28) + l.y(53), l.y(28) + 5 * l.y(55))));
        // Row 4 of the shunting engines: item 59 moved down three row pitches.
        QVERIFY(FormGeometry::slotBox(48).contains(
            QPointF(l.x(59) + l.y(53), l.y(59) + 3 * l.y(54))));
        QVERIFY(FormGeometry::slotBox(12).contains(QPointF(l.x(12) + l.y(53), l.y(12))));
        QVERIFY(FormGeometry::slotBox(lineSlot(2, Observation))
                    .contains(QPointF(l.x(52), l.y(52) + 2 * l.y(55))));
        // The total sits under frame C.
        QVERIFY(FormGeometry::slotBox(TotalKmSlot).top()
                >= FormGeometry::frameRect(Frame::C).bottom());
    }
};

KERBO_TEST(ScreenRefreshTest)
#include "ScreenRefreshTest.moc"
