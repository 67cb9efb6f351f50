#include "TestMain.h"

#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"

class BulletinRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void outOfRangeSlotsAreRefused()
    {
        BulletinRecord r;
        QVERIFY(!r.setSlot(-1, QStringLiteral("x")));
        QVERIFY(!r.setSlot(327, QStringLiteral("x")));
        QCOMPARE(r.slot(327), QString());
        QCOMPARE(r.slot(-5), QString());
        QVERIFY(r.setSlot(326, QStringLiteral("1")));
    }

    void newDayKeepsTheCartouche()
    {
        BulletinRecord r;
        for (int n = 1; n <= 326; ++n)
            r.setSlot(n, QString::number(n));
        r.clearForNewDay();
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(r.slot(n), QString::number(n));
        for (int n = 7; n <= 326; ++n)
            QVERIFY2(r.slot(n).isEmpty(), qPrintable(QString::number(n)));
    }

    void lineAddressing()
    {
        using namespace SlotTable;
        QCOMPARE(lineSlot(5, NumeroTrain), 238);
        QCOMPARE(lineSlot(5, KmTrain), 272);
        QCOMPARE(lineOf(238), 5);
        QCOMPARE(offsetOf(238), int(NumeroTrain));
        QCOMPARE(lineOf(56), -1);
        QCOMPARE(lineOf(273), -1);
        QVERIFY(isTrainNumber(94));
        QVERIFY(!isTrainNumber(95));
    }

    void slotKinds()
    {
        using namespace SlotTable;
        for (int s : {13, 50, 51, 52, 53, 56, 57, 79, 80, 91, 93, 271})
            QVERIFY2(isMark(s), qPrintable(QString::number(s)));
        for (int s : {39, 42, 45, 48, 82, 84, 88, 118, 262, 264, 268})
            QVERIFY2(isEngine(s), qPrintable(QString::number(s)));
        QVERIFY(!isMark(54));
        QVERIFY(!isMark(92)); // KmTrain
        QCOMPARE(info(1).name, "Nom");
        QCOMPARE(info(238).name, "NumeroTrain");
        QCOMPARE(info(110).displayLimit, 2); // AgSeul of line 2
        QCOMPARE(info(68).loadLimit, 3);     // Gare is cut to 3 on load
        QCOMPARE(info(68).displayLimit, 5);  // and shown with 5
        QCOMPARE(frameOf(6), Frame::A);
        QCOMPARE(frameOf(272), Frame::C);
        QCOMPARE(frameOf(273), Frame::None);
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
