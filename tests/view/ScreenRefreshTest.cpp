#include "TestMain.h"

#include "model/BulletinRecord.h"
#include "print/PrintLayout.h"
#include "view/FormGeometry.h"
#include "view/ScreenRefresh.h"

using namespace SlotTable;

class ScreenRefreshTest : public QObject
{
    Q_OBJECT
private slots:
    void cutsToTheDisplayLimitsAndKeepsTheCut()
    {
        BulletinRecord r;
        r.setSlot(lineSlot(1, De), QStringLiteral("PARISN"));
        r.setSlot(lineSlot(5, AgSeul), QStringLiteral("EAS"));
        r.setSlot(lineSlot(0, Gare), QStringLiteral("CHAN"));   // 4 characters stay on screen
        r.setSlot(lineSlot(0, Via), QStringLiteral("ORRY"));
        r.setSlot(47, QStringLiteral("PNORD"));                  // LieuMv of row 4
        r.setSlot(32, QStringLiteral("MANOEUVRE"));
        r.setSlot(lineSlot(0, NumeroTrain), QStringLiteral("123456789012"));
        r.setSlot(1, QStringLiteral("Un nom bien plus long que sa case"));
        QVERIFY(ScreenRefresh::SortieEcranEditeur(r));
        QCOMPARE(r.slot(lineSlot(1, De)), QStringLiteral("PARIS"));
        QCOMPARE(r.slot(lineSlot(5, AgSeul)), QStringLiteral("EA"));
        QCOMPARE(r.slot(lineSlot(0, Gare)), QStringLiteral("CHAN"));
        QCOMPARE(r.slot(lineSlot(0, Via)), QStringLiteral("ORR"));
        QCOMPARE(r.slot(47), QStringLiteral("PNO"));
        QCOMPARE(r.slot(32), QStringLiteral("MANOEUV"));
        QCOMPARE(r.slot(lineSlot(0, NumeroTrain)), QStringLiteral("123456789012"));
        QCOMPARE(r.slot(1), QStringLiteral("Un nom bien plus long que sa case"));
        QVERIFY(!ScreenRefresh::SortieEcranEditeur(r)); // nothing left to cut
    }

    void recomputesTheTotal()
    {
        BulletinRecord r;
        ScreenRefresh::SortieEcranEditeur(r);
        QCOMPARE(r.slot(TotalKmSlot), QStringLiteral("0"));
        r.setSlot(lineSlot(0, EvoDep), QStringLiteral("3"));
        r.setSlot(lineSlot(0, EvoArr), QStringLiteral("2.5"));
        r.setSlot(lineSlot(0, KmTrain), QStringLiteral("120"));
        ScreenRefresh::SortieEcranEditeur(r);
        QCOMPARE(r.slot(TotalKmSlot), QStringLiteral("125.5"));
        r.setSlot(LastLineSlot, QStringLiteral("10 km"));
        ScreenRefresh::SortieEcranEditeur(r);
        QCOMPARE(r.slot(TotalKmSlot), QStringLiteral("135.5"));
    }

    void everySlotHasItsOwnBoxOnThePicture()
    {
        const QRectF page(0, 0, FormGeometry::WidthMm, FormGeometry::HeightMm);
        QList<int> numbers;
        for (int s = 1; s <= LastLineSlot; ++s)
            numbers << s;
        numbers << TotalKmSlot;
        for (int s : numbers) {
            const QRectF box = FormGeometry::slotBox(s);
            QVERIFY2(!box.isEmpty() && page.contains(box), qPrintable(QString::number(s)));
            if (s != TotalKmSlot)
                QCOMPARE(FormGeometry::slotAt(box.center()), s);
        }
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

    void eachLayoutFitsItsScreen()
    {
        const QList<std::tuple<EditorLayout, int, int>> screens = {
            {EditorLayout::Editor1024, 1024, 768},
            {EditorLayout::Editor800, 800, 600},
            {EditorLayout::LargeFont, 1024, 768},
        };
        for (const auto &[layout, w, h] : screens) {
            const FormGeometry::Scale scale = FormGeometry::scaleFor(layout);
            const double k = scale.pixelsPerMm;
            // Room is left for the button column and the menu bar.
            QVERIFY(FormGeometry::WidthMm * k + scale.buttonWidth <= w - 6);
            QVERIFY(FormGeometry::HeightMm * k <= h - 30);
        }
    }
};

KERBO_TEST(ScreenRefreshTest)
#include "ScreenRefreshTest.moc"
