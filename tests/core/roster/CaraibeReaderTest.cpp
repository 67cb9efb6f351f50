#include "TestMain.h"

#include "TestFiles.h"

#include "core/base/Cp1252.h"
#include "core/roster/CaraibeReader.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace
{

QString dataFile(const QString &name)
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + u"/data/"_s + name;
}

// The lines given "a|b|c", each ended by CR LF.
QByteArray crlf(const QByteArray &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines.split('|'))
        out += l + "\r\n";
    return out;
}

QString headerText(const EnteteRoulement &h)
{
    return h.roster + u'|' + h.place + u'|' +
           QStringList(h.startDates.begin(), h.startDates.end()).join(u',') + u'|' +
           QStringList(h.endDates.begin(), h.endDates.end()).join(u',') + u'|' +
           QString::number(h.periodCount);
}

// One line per day: number | trains | activities.
QString dayText(const JourneeCaraibe &d)
{
    QStringList trains, activities;
    for (const TrainCaraibe &t : d.trains)
        trains
            << u"%1 %2-%3 %4>%5 %6"_s.arg(t.number, t.start, t.end, t.from, t.to, t.km).trimmed();
    for (const AutreActivite &a : d.activities)
        activities << u"%1 %2-%3"_s.arg(a.kind, a.start, a.end);
    return d.nujs + u" | "_s + trains.join(u", ") + u" | "_s + activities.join(u", ");
}

struct Reading {
    QStringList days;
    CaraibeReader::ReadEnd end;
};

Reading readAll(const QString &path)
{
    Reading r;
    r.end = CaraibeReader::OuvreFichier_CARAIBE(path, [&r](const JourneeCaraibe &d) {
        r.days << dayText(d);
        return true;
    });
    return r;
}

} // namespace

class CaraibeReaderTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return writeBytes(path, bytes) ? path : QString();
    }

private slots:
    void header_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // "" = refused

        const QByteArray twoPeriods = bytesOf(dataFile(u"roulement-deux-periodes.txt"_s));
        const QString twoPeriodsText =
            u"ÉTÉ 142|PARIS € LYON|05/01/2026,02/03/2026,,,,|01/03/2026,28/06/2026,,,,|2"_s;
        const QByteArray small = crlf("[RLT]|ROUL=R1|DDA1=20260105");

        QTest::newRow("two periods") << u"r.txt"_s << twoPeriods << twoPeriodsText;
        QTest::newRow("lower-case .swp is read") << u"r.swp"_s << twoPeriods << twoPeriodsText;
        QTest::newRow(".SWP is refused") << u"r.SWP"_s << twoPeriods << QString();
        QTest::newRow("bare LF") << u"lf.txt"_s << QByteArray(twoPeriods).replace("\r\n", "\n")
                                 << twoPeriodsText;
        // Exported in UTF-8, with its mark: the same roster ("Ã‰TÃ‰ 142" was read).
        QTest::newRow("UTF-8") << u"u.txt"_s << "\xEF\xBB\xBF" + Cp1252::decode(twoPeriods).toUtf8()
                               << twoPeriodsText;
        QTest::newRow("six periods")
            << u"six.txt"_s
            << crlf("[RLT]|DDA1=20260101|DFA1=20260131|DDA2=20260201|DFA2=20260228|"
                    "DDA3=20260301|DFA3=20260331|DDA4=20260401|DFA4=20260430|DDA5=20260501|"
                    "DFA5=20260531|DDA6=20260601|DFA6=20260630")
            << u"||01/01/2026,01/02/2026,01/03/2026,01/04/2026,01/05/2026,01/06/2026|"
               u"31/01/2026,28/02/2026,31/03/2026,30/04/2026,31/05/2026,30/06/2026|6"_s;
        QTest::newRow("a start date alone makes no period")
            << u"s.txt"_s << small << u"R1||05/01/2026,,,,,|,,,,,|0"_s;
        QTest::newRow("values as they stand, dates unchecked")
            << u"v.txt"_s << crlf("[RLT]|ROUL= R 1 |LIEU|DDA1=2026|DFA3=20261301x")
            << u" R 1 ||//2026,,,,,|,,01/13/2026,,,|3"_s;
        QTest::newRow("the last DFA read gives the count")
            << u"c.txt"_s << crlf("[RLT]|DFA3=20260101|DFA2=20260102")
            << u"||,,,,,|,02/01/2026,01/01/2026,,,|2"_s;
        QTest::newRow("the header ends at the first day")
            << u"j.txt"_s << crlf("[RLT]|DFA1=20260101|[JOS]|DFA2=20260102|ROUL=X")
            << u"||,,,,,|01/01/2026,,,,,|1"_s;
        QTest::newRow("a damaged line ends the header")
            << u"d.txt"_s << crlf("[RLT]|ROUL=R1|LBUP=" + QByteArray(70000, 'x') + "|LIEU=P")
            << u"R1||,,,,,|,,,,,|0"_s;
        QTest::newRow("empty file") << u"e.txt"_s << QByteArray() << QString();
        QTest::newRow("blank first line") << u"b.txt"_s << crlf("|[RLT]") << QString();
        QTest::newRow("first line in lower case") << u"l.txt"_s << crlf("[rlt]") << QString();
        QTest::newRow("binary") << u"bin.txt"_s << QByteArray("\x7f\x45LF\0\1[RLT]\r\n", 12)
                                << QString();
        QTest::newRow("a folder") << u"dossier"_s << QByteArray() << QString();
        QTest::newRow("not readable") << u"locked"_s << crlf("[RLT]|ROUL=R1") << QString();
    }

    void header()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QString path = m_dir.filePath(name);
        if (name == u"dossier") { // what cannot be opened is not read either
            QVERIFY(QDir(m_dir.path()).mkpath(name));
            QCOMPARE(int(readAll(path).end), int(CaraibeReader::ReadEnd::CannotOpen));
        } else {
            path = write(name, bytes);
        }
        if (name == u"locked") { // a file the system refuses to open
            if (geteuid() == 0) QSKIP("root reads every file");
            QFile::setPermissions(path, QFileDevice::WriteOwner);
            QCOMPARE(int(readAll(path).end), int(CaraibeReader::ReadEnd::CannotOpen));
        }
        const std::optional<EnteteRoulement> header = CaraibeReader::readHeader(path);
        QTEST(header ? headerText(*header) : QString(), "expected");
    }

    // The hand-made roster is read to its 13th step, where the reading stops.
    void readsEveryDayOfARoster()
    {
        // In UTF-8, its fixed columns count characters, as in the code page.
        const QByteArray utf8 =
            Cp1252::decode(bytesOf(dataFile(u"roulement-deux-periodes.txt"_s))).toUtf8();
        const Reading r = readAll(dataFile(u"roulement-deux-periodes.txt"_s));
        QCOMPARE(readAll(write(u"u.txt"_s, utf8)).days, r.days);
        QCOMPARE(int(r.end), int(CaraibeReader::ReadEnd::TooManySteps));
        // Days 12 to 30 are checked through their conversion; here what the conversion leaves.
        QCOMPARE(r.days.size(), 4);
        QCOMPARE(r.days[0], u"10A | 142174 0630-0745 PLY>MPU 62, 14299 0900-1010 MPU>PLY 62 | "_s);
        QCOMPARE(r.days[3].count(u"EV "_s), 9); // nine activities, two more than a day file holds
        QVERIFY(r.days[3].endsWith(u"EV 1600-1630"_s));
    }

    void smallRosters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<int>("end");
        const int finished = int(CaraibeReader::ReadEnd::Finished);
        const int unreadable = int(CaraibeReader::ReadEnd::Unreadable);
        const QByteArray day1 = crlf("[RLT]|[JOS]|NUJS=1A|[ETP]|NAEP=T|NUMA=1|HDEP=0600|[TTL]");

        QTest::newRow("a last [JOS] ends the day once")
            << day1 + "[JOS]\r\n"
            << QStringList{u"1A | 1 0600- > | "_s} << finished;
        QTest::newRow("the end of the file ends a day without totals")
            << crlf("[RLT]|[JOS]|NUJS=1A|[ETP]|NAEP=H|NUMA=1") << QStringList{u"1A | 1 - > | "_s}
            << finished;
        QTest::newRow("a header alone gives one empty day")
            << crlf("[RLT]|ROUL=R") << QStringList{u" |  | "_s} << finished;
        QTest::newRow("a day without totals runs into the next")
            << crlf("[RLT]|[JOS]|NUJS=1A|[ETP]|NAEP=T|NUMA=1|HDEP=0600|[JOS]|NUJS=2A|[ETP]|NUMA=2|"
                    "HDEP=0700|[TTL]")
            << QStringList{u"2A | 1 0600- >, 2 0700- > | "_s} << finished;
        QTest::newRow("after the totals, no step is added or changed")
            << day1 + crlf("[ETP]|NUMA=9|NAEP=A|HDEP=0700|[JOS]|NUJS=2A|[ETP]|[TTL]")
            << QStringList{u"1A | 1 0600- > | "_s, u"2A |  | EV 0700-"_s} << finished;
        QTest::newRow("the sort key takes the start time known when the step is read")
            << crlf("[RLT]|[JOS]|NUJS=1A|[ETP]|NAEP=T|NUMA=1|HDEP=0200|HDJS=0300|[ETP]|NUMA=2|"
                    "HDEP=0400|[TTL]")
            << QStringList{u"1A | 1 0200- >, 2 0400- > | "_s} << finished;
        QTest::newRow("every key of a line takes its value")
            << crlf("[RLT]|[JOS]|NUJS=1A|[ETP]|NAEP=T|NUMA=1|LDEP=NBKM LARR|[TTL]")
            << QStringList{u"1A | 1 - NBKM LARR>NBKM LARR NBKM LARR | "_s} << finished;
        QTest::newRow("values are trimmed of their blanks")
            << crlf("[RLT]|[JOS]|NUJS=12A  |[ETP]|NAEP=T |NUMA=4512  |HDEP= 0600|[TTL]")
            << QStringList{u"12A | 4512 0600- > | "_s} << finished;
        QTest::newRow("a number holding EV but not EVO stays a train")
            << crlf("[RLT]|[JOS]|NUJS=1A|[ETP]|NAEP=T|NUMA=LEV12|HDEP=0600|[ETP]|NAEP=T|"
                    "NUMA=EVO2|HDEP=0700|HFEP=0730|[TTL]")
            << QStringList{u"1A | LEV12 0600- > | EV 0700-0730"_s} << finished;
        QTest::newRow("a NUL byte stops the reading")
            << day1 + crlf("[JOS]|NUJS=2A|[ETP]|" + QByteArray("NAEP=T\0", 7) + "|[TTL]")
            << QStringList{u"1A | 1 0600- > | "_s} << unreadable;
        QTest::newRow("a line over 64 KB stops the reading")
            << day1 + crlf("[JOS]|NUJS=2A|LBUP=" + QByteArray(70000, 'x') + "|[TTL]")
            << QStringList{u"1A | 1 0600- > | "_s} << unreadable;
        QTest::newRow("a file cut in the middle of a line")
            << day1 + "[JOS]\r\nNUJS=2A\r\n[ETP]\r\nNAEP=T\r\nNUMA=22"
            << QStringList{u"1A | 1 0600- > | "_s, u"2A | 22 0600- > | "_s} << finished;
    }

    void smallRosters()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, days);
        QFETCH(int, end);
        const Reading r = readAll(write(u"small.txt"_s, bytes));
        QCOMPARE(r.days, days);
        QCOMPARE(int(r.end), end);
    }

    void hugeRostersDoNotBreakTheReading()
    {
        // 100,000 small days are read to the end.
        QByteArray many = "[RLT]\r\n";
        for (int i = 0; i < 100000; ++i)
            many += "[JOS]\r\nNUJS=" + QByteArray::number(i) + "A\r\n[ETP]\r\nNAEP=T\r\n[TTL]\r\n";
        int count = 0;
        auto counter = [&count](const JourneeCaraibe &) { return ++count > 0; };
        QCOMPARE(int(CaraibeReader::OuvreFichier_CARAIBE(write(u"many.txt"_s, many), counter)),
                 int(CaraibeReader::ReadEnd::Finished));
        QCOMPARE(count, 100000);

        // Beyond what a roster can weigh, the reading stops; the days before stay handed.
        QByteArray heavy = crlf("[RLT]|[JOS]|NUJS=1A|[TTL]|[JOS]|NUJS=2A");
        const QByteArray filler = "LBUP=" + QByteArray(1000, 'x') + "\r\n";
        while (heavy.size() <= CaraibeReader::MaxFileBytes)
            heavy += filler;
        heavy += "[TTL]\r\n";
        count = 0;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(int(CaraibeReader::OuvreFichier_CARAIBE(write(u"heavy.txt"_s, heavy), counter)),
                 int(CaraibeReader::ReadEnd::Unreadable));
        QCOMPARE(count, 1);
        QVERIFY(timer.elapsed() < 5000);
    }
};

KERBO_TEST(CaraibeReaderTest)
#include "CaraibeReaderTest.moc"
