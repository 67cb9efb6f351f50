#include "TestMain.h"

#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"

class BulletinRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void slotRangeAndNewDay()
    {
        BulletinRecord r;
        QVERIFY(!r.setSlot(-1, QStringLiteral("x")) && !r.setSlot(327, QStringLiteral("x")));
        QVERIFY(r.slot(327).isEmpty() && r.slot(-5).isEmpty());
        for (int n = 1; n <= 326; ++n)
            QVERIFY(r.setSlot(n, QString::number(n)));
        // A new day keeps the cartouche.
        r.clearForNewDay();
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(r.slot(n), QString::number(n));
        for (int n = 7; n <= 326; ++n)
            QVERIFY2(r.slot(n).isEmpty(), qPrintable(QString::number(n)));
    }

    // Slots 57..272 are the six train lines; outside them no line, no rank.
    void lineBounds()
    {
        using namespace SlotTable;
        for (auto [slot, line, offset] : {std::array{56, -1, -1},
                                          {57, 0, 0},
                                          {238, 5, int(NumeroTrain)},
                                          {272, 5, int(KmTrain)},
                                          {273, -1, -1}}) {
            QCOMPARE(lineOf(slot), line);
            QCOMPARE(offsetOf(slot), offset);
        }
    }

    void totalKm()
    {
        BulletinRecord r;
        QCOMPARE(r.updateTotalKm(), QStringLiteral("0"));
        r.setSlot(62, QStringLiteral("3"));
        r.setSlot(67, QStringLiteral("2.5"));
        r.setSlot(92, QStringLiteral("120"));
        QCOMPARE(r.updateTotalKm(), QStringLiteral("125.5"));
        QCOMPARE(r.slot(326), QStringLiteral("125.5"));
        // Every line counts; a text that does not start with a number counts 0.
        r.setSlot(272, QStringLiteral(" 10km"));
        r.setSlot(98, QStringLiteral("abc"));
        QCOMPARE(r.updateTotalKm(), QStringLiteral("135.5"));
        r.clearAll();
        r.setSlot(62, QStringLiteral("0.1"));
        r.setSlot(98, QStringLiteral(".2"));
        QCOMPARE(r.updateTotalKm(), QStringLiteral("0.3"));
    }
};

KERBO_TEST(BulletinRecordTest)
#include "BulletinRecordTest.moc"
