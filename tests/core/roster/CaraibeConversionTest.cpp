#include "TestMain.h"

#include "FakePrompts.h"
#include "TestFiles.h"

#include "core/base/Paths.h"
#include "core/dayfiles/DayFileReader.h"
#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"
#include "core/model/VersoContent.h"
#include "core/roster/CaraibeConversion.h"
#include "core/roster/ConvertCriteria.h"

#include <QDir>
#include <QTemporaryDir>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString dataFile(const QString &name)
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + u"/data/"_s + name;
}

ConvertCriteria::Rows rows(const QList<std::array<QString, 4>> &given)
{
    ConvertCriteria::Rows r;
    for (qsizetype i = 0; i < given.size(); ++i)
        r[size_t(i)] = given[i];
    return r;
}

// Criteria of the hand-made roster: 14 and 142 both begin 142xxx; 8 characters never serve.
const ConvertCriteria::Rows RosterCriteria = [] {
    ConvertCriteria::Rows r;
    r[0] = {u"14"_s, u"BPB"_s, u"AUTOM"_s, u"ST"_s};
    r[1] = {u"142"_s, {}, u"Z2N"_s, {}};
    r[3] = {u"14730199"_s, u"XXX"_s, {}, {}};
    r[4] = {u"885"_s, u"MA"_s, u"LOC"_s, {}};
    return r;
}();

const QDate ConversionDay(2026, 3, 15);

} // namespace

class CaraibeConversionTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    FakePrompts m_prompts;

    QString dataFolder() const { return m_dir->filePath(u"DataBul"_s); }
    QString drive() const { return Paths::CheckPath(m_dir->filePath(u"lecteur"_s)); }
    QStringList driveEntries() const
    {
        return QDir(drive()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void expectLast(const QString &title, const QString &text, Prompts::Icon icon)
    {
        QCOMPARE(m_prompts.last().title, title);
        QCOMPARE(m_prompts.last().text, text);
        QCOMPARE(m_prompts.last().icon, icon);
    }

    // A conversion of the roster at `path` (first written with `bytes`, when given), period 2
    // chosen if asked.
    std::unique_ptr<CaraibeConversion> pickRoster(const QString &path, const QByteArray &bytes = {})
    {
        auto conversion = std::make_unique<CaraibeConversion>(dataFolder());
        m_prompts.inputs = {u"2"_s};
        const bool chosen =
            (bytes.isEmpty() || writeBytes(path, bytes)) &&
            conversion->pickFile(path, m_prompts) == CaraibeConversion::Pick::Chosen;
        QTest::qVerify(chosen, "chosen", qPrintable(path), __FILE__, __LINE__);
        m_prompts.calls.clear();
        return chosen ? std::move(conversion) : nullptr;
    }
    // Without a conversion, an outcome that none of the expected ones is.
    CaraibeConversion::Outcome convert(const std::unique_ptr<CaraibeConversion> &conversion,
                                       const QString &name)
    {
        return conversion ? conversion->convert(drive(), name, m_prompts, ConversionDay)
                          : CaraibeConversion::Outcome(-1);
    }

    // A day file as the editor's reader reads it; a converted day has an empty verso.
    static BulletinRecord readDay(const QString &path)
    {
        QStringList lines;
        BulletinRecord record;
        VersoContent verso;
        const bool read = DayFileReader::splitDayFile(bytesOf(path), lines) &&
                          DayFileReader::parse(lines, false, record, verso);
        QTest::qVerify(read && verso == VersoContent(), "read", qPrintable(path), __FILE__,
                       __LINE__);
        return record;
    }
    void compareSlots(const QString &path, const QHash<int, QString> &expected)
    {
        const BulletinRecord record = readDay(path);
        QCOMPARE(record.serviceDate(), ConversionDay);
        for (int s = 7; s <= SlotTable::LastLineSlot; ++s)
            QVERIFY2(record.slot(s) == expected.value(s),
                     qPrintable(u"%1: slot %2 holds \"%3\""_s.arg(QFileInfo(path).fileName())
                                    .arg(s)
                                    .arg(record.slot(s))));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(u"DataBul"_s);
        QDir(m_dir->path()).mkpath(u"lecteur"_s);
        QVERIFY(ConvertCriteria::writeRows(dataFolder() + u"/ParaConvert.ini"_s, RosterCriteria));
        m_prompts = FakePrompts();
    }

    void criteria_data()
    {
        QTest::addColumn<ConvertCriteria::Rows>("rows");
        QTest::addColumn<QString>("train");
        QTest::addColumn<QString>("codes");
        QTest::newRow("a prefix over 7 characters never serves")
            << RosterCriteria << u"147301991"_s << u"BPB|AUTOM|ST"_s;
        QTest::newRow("a value over its width puts the criterion aside")
            << rows({{u"96"_s, u"BPBX"_s, {}, {}}}) << u"96000"_s << u"||"_s;
        QTest::newRow("case does not count")
            << rows({{u"ev"_s, u"E"_s, u"I"_s, u"A"_s}}) << u"EV12"_s << u"E|I|A"_s;
        QTest::newRow("an empty prefix matches nothing")
            << rows({{u""_s, {}, {}, {}}, {u"9"_s, u"N"_s, {}, {}}, {u""_s, u"ZZZ"_s, {}, {}}})
            << u"96000"_s << u"N||"_s;
    }

    void criteria()
    {
        QFETCH(ConvertCriteria::Rows, rows);
        QFETCH(QString, train);
        const ConvertCriteria::TrainCodes c =
            ConvertCriteria::match(ConvertCriteria::criteria(rows), train);
        QTEST(c.categ + u'|' + c.indCompo + u'|' + c.agSeul, "codes");
    }

    // One period or none is taken without asking.
    void periodQuestion_data()
    {
        QTest::addColumn<int>("periods");
        QTest::addColumn<QStringList>("answers"); // "<cancel>" cancels
        QTest::addColumn<int>("period");          // 0 = abandoned
        QTest::addColumn<int>("refusals");
        QTest::newRow("2") << 2 << QStringList{u"2"_s} << 2 << 0;
        QTest::newRow("refused until right")
            << 2 << QStringList{u"0"_s, u"12"_s, u"a"_s, u"3"_s, u" "_s, u"1"_s} << 1 << 5;
        QTest::newRow("empty answer") << 2 << QStringList{u""_s} << 0 << 0;
        QTest::newRow("cancel after a refusal")
            << 2 << QStringList{u"9"_s, u"<cancel>"_s} << 0 << 1;
        QTest::newRow("one period") << 1 << QStringList() << 1 << 0;
        QTest::newRow("no period") << 0 << QStringList() << 1 << 0;
    }

    void periodQuestion()
    {
        QFETCH(int, periods);
        QFETCH(QStringList, answers);
        QFETCH(int, refusals);
        EnteteRoulement header;
        header.startDates = {u"05/01/2026"_s, u"02/03/2026"_s};
        header.endDates = {u"01/03/2026"_s, u"28/06/2026"_s};
        header.periodCount = periods;
        for (const QString &a : answers)
            m_prompts.inputs.push_back(a == u"<cancel>" ? std::nullopt : std::optional(a));
        QTEST(CaraibeConversion::choosePeriod(header, m_prompts).value_or(0), "period");

        QCOMPARE(m_prompts.calls.size(), answers.size() + refusals);
        if (m_prompts.calls.isEmpty()) return;
        const FakePrompts::Call &question = m_prompts.calls.first();
        QCOMPARE(question.title, u"Choix de la période"_s);
        QCOMPARE(question.text, u"Il y a plusieurs périodes sur ce roulement :\r\n\r\n"
                                u"N°1  du 05/01/2026 au 01/03/2026\r\n"
                                u"N°2  du 02/03/2026 au 28/06/2026\r\n\r\n"
                                u"Inscrire le numero de période (un seul chiffre s.v.p.) "_s);
        for (const FakePrompts::Call &c : m_prompts.calls)
            if (c.kind == u"message")
                QVERIFY(
                    c.title == u"Erreur !!" && c.icon == Prompts::Icon::Exclamation
                    && c.text == u"Vous avez fait une erreur \r\nInscrire le bon numéro s.v.p.."_s);
    }

    void refusedRosterFile()
    {
        const QString path = m_dir->filePath(u"notes.txt"_s);
        QVERIFY(writeBytes(path, "Liste des courses\r\n"));
        CaraibeConversion conversion(dataFolder());
        QCOMPARE(conversion.pickFile(path, m_prompts), CaraibeConversion::Pick::Refused);
        QCOMPARE(m_prompts.calls.size(), 1);
        expectLast(u"Erreur !!"_s,
                   u"Ce fichier n'est pas un fichier Caraibe ! \r\nLa conversion est impossible."
                   u"\r\nChoisir un autre fichier s.v.p.."_s,
                   Prompts::Icon::Exclamation);
    }

    // Period 2: days 12, 20 (eight trains), 30 (nine activities); day 40 (13 steps) ends it.
    void convertsTheDaysOfThePeriod()
    {
        const auto conversion = pickRoster(dataFile(u"roulement-deux-periodes.txt"_s));
        QVERIFY(conversion);
        QCOMPARE(conversion->rosterLine(),
                 u" Roulement à convertir : le ÉTÉ 142 de PARIS € LYON"_s);
        QCOMPARE(conversion->validityLine(), u" valable du  02/03/2026  au  28/06/2026"_s);

        QCOMPARE(convert(conversion, u"R142"_s), CaraibeConversion::Outcome::Done);
        const QString folder = drive() + u"R142"_s;
        QCOMPARE(m_prompts.calls.size(), 1);
        expectLast(u"C'EST FAIT"_s,
                   u"C'est fait  3 journees converties avec succés\r\n dans "_s
                       + QDir::toNativeSeparators(folder),
                   Prompts::Icon::None);
        QCOMPARE(driveEntries(), QStringList{u"R142"_s});
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u"12.txt"_s, u"20 1bis.txt"_s, u"20 2bis.txt"_s, u"30.txt"_s}));

        QCOMPARE(bytesOf(folder + u"/12.txt"_s), bytesOf(dataFile(u"12-attendu.txt"_s)));

        const QHash<int, QString> header20 = {{7, u"ÉTÉ 142"_s}, {8, u"20"_s},   {9, u"PLY"_s},
                                              {10, u"0500"_s},   {11, u"PLY"_s}, {12, u"1500"_s},
                                              {56, u"x"_s}};
        auto train = [](QHash<int, QString> &values, int line, int n) {
            const auto s = [line](int r) { return SlotTable::lineSlot(line, r); };
            values[s(SlotTable::NumeroTrain)] = u"14200%1"_s.arg(n);
            values[s(SlotTable::De)] = u"PLY"_s;
            values[s(SlotTable::A)] = u"MPU"_s;
            values[s(SlotTable::HeureDep)] = QString::asprintf("%02d10", 4 + n);
            values[s(SlotTable::HeureArr)] = QString::asprintf("%02d00", 5 + n);
            values[s(SlotTable::IndCompo)] = u"Z2N"_s;
            values[s(SlotTable::KmTrain)] = QString::number(10 + n);
        };
        QHash<int, QString> first = header20, second = header20;
        first.insert({{14, u"EV"_s}, {15, u"1300"_s}, {16, u"1330"_s}});
        for (int n = 1; n <= 6; ++n)
            train(first, n - 1, n);
        train(second, 0, 7);
        train(second, 1, 8);
        compareSlots(folder + u"/20 1bis.txt"_s, first);
        compareSlots(folder + u"/20 2bis.txt"_s, second);

        // Seven activities at most: the 8th and 9th are dropped.
        QHash<int, QString> day30 = {
            {7, u"ÉTÉ 142"_s}, {8, u"30"_s},      {9, u"PLY"_s},  {10, u"0800"_s}, {11, u"PLY"_s},
            {12, u"1700"_s},   {58, u"885001"_s}, {59, u"PLY"_s}, {60, u"VSG"_s},  {64, u"1700"_s},
            {65, u"1730"_s},   {72, u"MA"_s},     {73, u"LOC"_s}, {92, u"7"_s}};
        const int rowsOfActivities[] = {14, 17, 20, 23, 26, 29, 32};
        for (int i = 0; i < 7; ++i)
            day30.insert({{rowsOfActivities[i], u"EV"_s},
                          {rowsOfActivities[i] + 1, QString::asprintf("%02d00", 8 + i)},
                          {rowsOfActivities[i] + 2, QString::asprintf("%02d30", 8 + i)}});
        compareSlots(folder + u"/30.txt"_s, day30);
    }

    // Six trains fit one day file: the second file of a day, and its mark, begin at seven.
    void sixTrainsMakeOneFile()
    {
        QByteArray roster = "[RLT]\r\nROUL=R6\r\nDDA1=20260105\r\nDFA1=20260301\r\n"
                            "[JOS]\r\nNUJS=12A\r\n";
        for (int n = 1; n <= 6; ++n)
            roster += "[ETP]\r\nNAEP=T\r\nNUMA=45" + QByteArray::number(n) + "\r\nHDEP=0" +
                      QByteArray::number(n) + "00\r\n";
        roster += "[TTL]\r\n";
        const auto conversion = pickRoster(m_dir->filePath(u"six.txt"_s), roster);
        QCOMPARE(convert(conversion, u"R6"_s), CaraibeConversion::Outcome::Done);
        QCOMPARE(QDir(drive() + u"R6"_s).entryList(QDir::Files), QStringList{u"12.txt"_s});
        const BulletinRecord day = readDay(drive() + u"R6/12.txt"_s);
        QCOMPARE(day.slot(SlotTable::Mark2BSSlot), QString());
        for (int line = 0; line < SlotTable::LineCount; ++line)
            QCOMPARE(day.slot(SlotTable::lineSlot(line, SlotTable::NumeroTrain)),
                     u"45%1"_s.arg(line + 1));
    }

    void refusedDestinations()
    {
        const auto conversion = pickRoster(dataFile(u"roulement-deux-periodes.txt"_s));
        for (const QString &name : {QString(), u"   "_s}) {
            QCOMPARE(convert(conversion, name), CaraibeConversion::Outcome::NameMissing);
            QCOMPARE(m_prompts.last().text, u"Veuillez inscrire le nom du dossier s.v.p."_s);
            QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        }

        // A folder or a file of that name is never touched.
        QVERIFY(QDir(drive()).mkpath(u"R142"_s) && writeBytes(drive() + u"R142/12.txt"_s, "mine")
                && writeBytes(drive() + u"notes"_s, "mine"));
        // Blanks at the ends name the same folder as without them.
        for (const QString &name : {u"R142"_s, u" R142 "_s, u"notes"_s, u".."_s}) {
            QCOMPARE(convert(conversion, name), CaraibeConversion::Outcome::FolderExists);
            QVERIFY(m_prompts.last().text.startsWith(u"Un dossier avec ce nom existe déja"_s));
            QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
        }
        QCOMPARE(bytesOf(drive() + u"R142/12.txt"_s), QByteArray("mine"));
        QCOMPARE(QDir(drive() + u"R142"_s).entryList(QDir::Files), QStringList{u"12.txt"_s});
        QCOMPARE(QDir(drive()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{u"R142"_s});

        // A name as long as the file system allows is a good destination.
        const QString longest(240, u'R');
        QCOMPARE(convert(conversion, longest), CaraibeConversion::Outcome::Done);
        QCOMPARE(QDir(drive() + longest).entryList(QDir::Files).size(), 4);
    }

    // A day whose number cannot name a file is told after the count, not dropped unseen.
    void dayNumbersThatNameNoFileAreTold()
    {
        const auto conversion =
            pickRoster(m_dir->filePath(u"slash.txt"_s),
                       "[RLT]\r\n[JOS]\r\nNUJS=1/2A\r\n[TTL]\r\n[JOS]\r\nNUJS=9A\r\n[TTL]\r\n"
                       "[JOS]\r\nNUJS=A\r\n[TTL]\r\n[JOS]\r\nNUJS=..A\r\n[TTL]\r\n");
        QCOMPARE(convert(conversion, u"R1"_s), CaraibeConversion::Outcome::Done);
        QCOMPARE(m_prompts.titles(), (QStringList{u"C'EST FAIT"_s, u"Kerbo"_s}));
        QVERIFY(m_prompts.calls[0].text.startsWith(u"C'est fait  1 journees"_s));
        expectLast(u"Kerbo"_s,
                   u"Ces journées du roulement n'ont pas été converties : leur numéro ne peut pas "
                   u"servir de nom de fichier.\r\n\"1/2\", \"\", \"..\""_s,
                   Prompts::Icon::Exclamation);
        QCOMPARE(QDir(drive() + u"R1"_s).entryList(QDir::Files), QStringList{u"9.txt"_s});
    }

    // A failure part-way leaves no folder under the chosen name, nor a half-converted one beside.
    void failedConversionLeavesNothing()
    {
        // The roster gone since it was chosen (failures while writing are the fault tests').
        const QString roster = m_dir->filePath(u"one.txt"_s);
        const auto conversion = pickRoster(roster, "[RLT]\r\n[JOS]\r\nNUJS=1A\r\n[TTL]\r\n");
        QVERIFY(QFile::remove(roster));
        QCOMPARE(convert(conversion, u"R1"_s), CaraibeConversion::Outcome::Failed);
        QVERIFY(m_prompts.last().text.contains(u"ne peut plus être lu"_s));
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(driveEntries(), QStringList());

        // A conversion stopped half-way (a power cut) left its folder: the next one removes it
        // once it is old enough to be no other Kerbo's conversion in progress (a clock set back
        // is the data folder's sweep's case, ConfigTest).
        for (const QString &left : {u".kerbo-conversion-k3x9a1"_s, u".kerbo-conversion-yz8"_s}) {
            QVERIFY(QDir().mkpath(drive() + left));
            QVERIFY(writeBytes(drive() + left + u"/1.txt"_s, "x"));
        }
        const time_t hourAgo = time(nullptr) - 3600;
        const timespec times[2] = {{hourAgo, 0}, {hourAgo, 0}};
        QVERIFY(::utimensat(AT_FDCWD,
                            QFile::encodeName(drive() + u".kerbo-conversion-k3x9a1"_s).constData(),
                            times, 0) == 0);
        QVERIFY(writeBytes(roster, "[RLT]\r\n[JOS]\r\nNUJS=1A\r\n[TTL]\r\n"));
        QCOMPARE(convert(conversion, u"R1"_s), CaraibeConversion::Outcome::Done);
        QCOMPARE(driveEntries(), (QStringList{u".kerbo-conversion-yz8"_s, u"R1"_s}));
    }

    // A day number met twice (a roster repeating a day, or a last day closed by a stray line
    // after its end) gives one file, the later day's, and both are counted.
    void dayMetTwiceKeepsTheLaterOne()
    {
        const std::pair<QByteArray, QString> cases[] = {
            {"[RLT]\r\n[JOS]\r\nNUJS=12A\r\nHDJS=0600\r\n[TTL]\r\n[JOS]\r\nNUJS=12A\r\nHDJS="
             "0715\r\n"
             "[TTL]\r\n",
             u"0715"_s},
            {"[RLT]\r\n[JOS]\r\nNUJS=12A\r\nHDJS=0600\r\n[TTL]\r\n[JOS]\r\nX\r\n", u"0600"_s}};
        for (const auto &[roster, start] : cases) {
            const auto conversion = pickRoster(m_dir->filePath(u"repeat.txt"_s), roster);
            QCOMPARE(convert(conversion, start), CaraibeConversion::Outcome::Done);
            QVERIFY(m_prompts.last().text.startsWith(
                u"C'est fait  2 journees converties avec succés"_s));
            const QString folder = drive() + start + u'/';
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"12.txt"_s});
            QCOMPARE(readDay(folder + u"12.txt"_s).slot(10), start);
        }
    }
};

KERBO_TEST(CaraibeConversionTest)

#include "CaraibeConversionTest.moc"
