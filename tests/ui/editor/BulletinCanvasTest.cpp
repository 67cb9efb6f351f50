#include "TestMain.h"

#include "core/model/BulletinRecord.h"
#include "ui/editor/BulletinCanvas.h"

#include <QImage>
#include <QSignalSpy>

using namespace SlotTable;

class BulletinCanvasTest : public QObject
{
    Q_OBJECT

    static bool sameArea(const QImage &a, const QImage &b, const QRect &r)
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return false;
        return true;
    }

private slots:
    void clicksFindTheirSlotInEveryLayout()
    {
        for (EditorLayout layout :
             {EditorLayout::Editor1024, EditorLayout::Editor800, EditorLayout::LargeFont}) {
            BulletinRecord record;
            BulletinCanvas canvas(record, layout);
            QSignalSpy pressed(&canvas, &BulletinCanvas::boxPressed);
            for (int s : {1, 8, 13, 48, 56, 57, 58, 92, 239, 271, 272}) {
                QTest::mouseClick(&canvas, Qt::LeftButton, {}, canvas.boxRect(s).center());
                QCOMPARE(pressed.takeLast().at(0).toInt(), s);
            }
            // Between the boxes nothing is pressed.
            QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(2, 2));
            QVERIFY(pressed.isEmpty());
        }
    }

    void textsAreDrawnInTheirBoxesAndTheDateIsNot()
    {
        BulletinRecord record;
        BulletinCanvas canvas(record, EditorLayout::Editor800);
        const QImage blank = canvas.grab().toImage();
        const int train = lineSlot(5, NumeroTrain);
        record.setSlot(train, QStringLiteral("847006"));
        record.setSlot(DateSlot, QStringLiteral("ignored"));
        record.setSlot(TotalKmSlot, QStringLiteral("42"));
        const QImage filled = canvas.grab().toImage();
        QVERIFY(!sameArea(blank, filled, canvas.boxRect(train).adjusted(2, 2, -2, -2)));
        QVERIFY(!sameArea(blank, filled, canvas.boxRect(TotalKmSlot).adjusted(2, 2, -2, -2)));
        QVERIFY(sameArea(blank, filled, canvas.boxRect(DateSlot)));
        QVERIFY(sameArea(blank, filled, canvas.boxRect(train - 36)));
    }
};

KERBO_TEST(BulletinCanvasTest)
#include "BulletinCanvasTest.moc"
