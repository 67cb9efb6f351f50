#include "TestMain.h"

#include "core/dayfiles/DayFileReader.h"
#include "core/dayfiles/DayFileWriter.h"
#include "core/model/BulletinRecord.h"
#include "core/model/VersoContent.h"

using namespace Qt::StringLiterals;

// Single lines of a day file read the way earlier files and other programs wrote them.
class DayFileLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void dateLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDate>("date"); // invalid: the file is refused
        QTest::newRow("as written") << u" 04 12 2026"_s << QDate(2026, 12, 4);
        QTest::newRow("dashes") << u"04-12-2026"_s << QDate(2026, 12, 4);
        QTest::newRow("dots, one digit") << u"4.2.2026"_s << QDate(2026, 2, 4);
        QTest::newRow("slashes") << u"29/02/2028"_s << QDate(2028, 2, 29);
        QTest::newRow("no such day") << u"29-02-2027"_s << QDate();
        QTest::newRow("month 13") << u"04-13-2026"_s << QDate();
        QTest::newRow("year first") << u"2026-12-04"_s << QDate();
        QTest::newRow("two-digit year") << u"04-12-26"_s << QDate();
    }

    void dateLine()
    {
        QFETCH(QString, line);
        QFETCH(QDate, date);
        QStringList lines = DayFileWriter::lines(BulletinRecord(), VersoContent());
        lines[0] = line;
        BulletinRecord record;
        VersoContent verso;
        QCOMPARE(DayFileReader::parse(lines, false, record, verso), date.isValid());
        if (date.isValid())
            QCOMPARE(record.serviceDate(), date);
    }

    void carriageReturnInsideALineIsABlank()
    {
        QStringList lines;
        QVERIFY(DayFileReader::splitDayFile("a\rb\r\n\r\rc\r\r\n", lines));
        QCOMPARE(lines, (QStringList{u"a b"_s, u"  c "_s}));
    }
};

KERBO_TEST(DayFileLinesTest)
#include "DayFileLinesTest.moc"
