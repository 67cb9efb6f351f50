#include "TestMain.h"

#include "core/form/FormGeometry.h"
#include "core/form/ScreenRefresh.h"
#include "core/model/BulletinRecord.h"
#include "core/print/PrintLayout.h"

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

    void boxesSitWhereTheTextsPrint()
    {
        PrintLayout l;
        l.DefautParaImp();
        // Line 6's train number: item 28 moved down five line pitches.
        const QRectF train6 = FormGeometry::slotBox(lineSlot(5, NumeroTrain));
        QVERIFY(train6.contains(QPointF(l.x(28), l.y(28) + 5 * l.y(55))));
        // Row 4 of the shunting engines: item 59 moved down three row pitches.
        QVERIFY(FormGeometry::slotBox(48).contains(QPointF(l.x(59), l.y(59) + 3 * l.y(54))));
        QVERIFY(FormGeometry::slotBox(12).contains(QPointF(l.x(12), l.y(12))));
        QVERIFY(FormGeometry::slotBox(lineSlot(2, Observation))
                    .contains(QPointF(l.x(52), l.y(52) + 2 * l.y(55))));
        // The total sits under frame C.
        QVERIFY(FormGeometry::slotBox(TotalKmSlot).top()
                >= FormGeometry::frameRect(Frame::C).bottom());
    }
};

KERBO_TEST(ScreenRefreshTest)
#include "ScreenRefreshTest.moc"
