#include "TestMain.h"

#include "core/model/ServiceDate.h"

class ServiceDateTest : public QObject
{
    Q_OBJECT
private slots:
    void twoDigitYears_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("currentYear");
        QTest::addColumn<int>("year");
        QTest::newRow("this year") << 26 << 2026 << 2026;
        QTest::newRow("last century") << 99 << 2026 << 1999;
        QTest::newRow("ten years on") << 36 << 2026 << 2036;
        QTest::newRow("eleven years on is ninety back") << 37 << 2026 << 1937;
        QTest::newRow("zero") << 0 << 2026 << 2000;
        QTest::newRow("next century") << 5 << 2095 << 2105;
        QTest::newRow("end of a century") << 99 << 2099 << 2099;
    }

    void twoDigitYears()
    {
        QFETCH(int, digits);
        QFETCH(int, currentYear);
        QFETCH(int, year);
        QCOMPARE(ServiceDate::yearOfTwoDigits(digits, currentYear), year);
    }

    // A clock that lost its time gives way to the year the program was built: the driver's
    // "26" stays 2026 and a "2026" typed whole is a year the box takes.
    void aClockThatLostItsTimeDoesNotMoveTheCentury()
    {
        const int reference = ServiceDate::referenceYear(1999);
        QVERIFY(reference >= 2026);
        QCOMPARE(ServiceDate::yearOfTwoDigits(26, reference), 2026);
        QVERIFY(ServiceDate::latestYear(reference) >= 2036);
        QCOMPARE(ServiceDate::referenceYear(2090), 2090); // a clock ahead of the build is kept
    }
};

KERBO_TEST(ServiceDateTest)
#include "ServiceDateTest.moc"
