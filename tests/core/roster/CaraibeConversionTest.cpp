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

// Criteria of the hand-made roster: 14 and 142 both begin 142xxx, a prefix of 8 characters
// never serves.
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

    // A conversion of the hand-made roster, period 2 chosen.
    std::unique_ptr<CaraibeConversion> pickRoster(const QString &rosterPath)
    {
        auto conversion = std::make_unique<CaraibeConversion>(dataFolder());
        m_prompts.inputs.push_back(u"2"_s);
        if (conversion->pickFile(rosterPath, m_prompts) != CaraibeConversion::Pick::Chosen)
            return nullptr;
        m_prompts.calls.clear();
        return conversion;
    }

    // The day file read back by the editor's reader, slot by slot against `expected`.
    void compareSlots(const QString &path, const QHash<int, QString> &expected)
    {
        QStringList lines;
        QVERIFY(DayFileReader::splitDayFile(bytesOf(path), lines));
        BulletinRecord record;
        VersoContent verso;
        QVERIFY(DayFileReader::parse(lines, false, record, verso));
        QCOMPARE(record.serviceDate(), ConversionDay);
        QVERIFY(verso == VersoContent());
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
        QTest::newRow("the highest matching criterion wins")
            << RosterCriteria << u"142174"_s << u"|Z2N|"_s;
        QTest::newRow("a prefix over 7 characters never serves")
            << RosterCriteria << u"147301991"_s << u"BPB|AUTOM|ST"_s;
        QTest::newRow("no prefix matches") << RosterCriteria << u"96000"_s << u"||"_s;
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
        QFETCH(QString, codes);
        const ConvertCriteria::TrainCodes c =
            ConvertCriteria::match(ConvertCriteria::criteria(rows), train);
        QCOMPARE(c.categ + u'|' + c.indCompo + u'|' + c.agSeul, codes);
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
            << 2 << QStringList{u"0"_s, u"7"_s, u"12"_s, u"a"_s, u"3"_s, u" "_s, u"1"_s} << 1 << 6;
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
        QFETCH(int, period);
        QFETCH(int, refusals);
        EnteteRoulement header;
        header.startDates = {u"05/01/2026"_s, u"02/03/2026"_s};
        header.endDates = {u"01/03/2026"_s, u"28/06/2026"_s};
        header.periodCount = periods;
        for (const QString &a : answers)
            m_prompts.inputs.push_back(a == u"<cancel>" ? std::nullopt : std::optional(a));
        QCOMPARE(CaraibeConversion::choosePeriod(header, m_prompts).value_or(0), period);

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
        QCOMPARE(m_prompts.last().title, u"Erreur !!"_s);
        QCOMPARE(m_prompts.last().text, u"Ce fichier n'est pas un fichier Caraibe ! \r\n"
                                        u"La conversion est impossible.\r\n"
                                        u"Choisir un autre fichier s.v.p.."_s);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
    }

    // Period 2 of the hand-made roster: days 12, 20 (eight trains) and 30 (nine activities);
    // day 40 and its 13 steps end the reading.
    void convertsTheDaysOfThePeriod()
    {
        const auto conversion = pickRoster(dataFile(u"roulement-deux-periodes.txt"_s));
        QVERIFY(conversion);
        QCOMPARE(conversion->description(),
                 u"  EST : le ÉTÉ 142 de PARIS € LYON période du  02/03/2026  au  28/06/2026"_s);
        QCOMPARE(conversion->rosterLine(),
                 u" Roulement à convertir : le ÉTÉ 142 de PARIS € LYON"_s);
        QCOMPARE(conversion->validityLine(), u" valable du  02/03/2026  au  28/06/2026"_s);

        QCOMPARE(conversion->convert(drive(), u"R142"_s, m_prompts, ConversionDay),
                 CaraibeConversion::Outcome::Done);
        const QString folder = drive() + u"R142"_s;
        QCOMPARE(m_prompts.calls.size(), 1);
        QCOMPARE(m_prompts.last().title, u"C'EST FAIT"_s);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::None);
        QCOMPARE(m_prompts.last().text, u"C'est fait  3 journees converties avec succés\r\n dans "_s
                                            + QDir::toNativeSeparators(folder));
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

    void refusedDestinations()
    {
        const auto conversion = pickRoster(dataFile(u"roulement-deux-periodes.txt"_s));
        QVERIFY(conversion);

        QCOMPARE(conversion->convert(drive(), QString(), m_prompts, ConversionDay),
                 CaraibeConversion::Outcome::NameMissing);
        QCOMPARE(m_prompts.last().text, u"Veuillez inscrire le nom du dossier s.v.p."_s);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);

        // A folder or a file of that name is never touched.
        QVERIFY(QDir(drive()).mkpath(u"R142"_s));
        QVERIFY(writeBytes(drive() + u"R142/12.txt"_s, "mine"));
        QVERIFY(writeBytes(drive() + u"notes"_s, "mine"));
        for (const QString &name : {u"R142"_s, u"notes"_s, u".."_s}) {
            QCOMPARE(conversion->convert(drive(), name, m_prompts, ConversionDay),
                     CaraibeConversion::Outcome::FolderExists);
            QCOMPARE(m_prompts.last().title, u"Erreur !!"_s);
            QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
            QCOMPARE(m_prompts.last().text,
                     u"Un dossier avec ce nom existe déja sur ce lecteur ! \r\n"
                     u"La création est impossible.\r\n"
                     u"Veuillez inscrire un autre nom de dossier,\r\n"
                     u"ou choisir un autre lecteur s.v.p."_s);
        }
        QCOMPARE(bytesOf(drive() + u"R142/12.txt"_s), QByteArray("mine"));
        QCOMPARE(QDir(drive() + u"R142"_s).entryList(QDir::Files), QStringList{u"12.txt"_s});
    }

    // A failure while converting leaves nothing on the drive: no folder under the chosen name,
    // no half-converted folder beside it.
    void failedConversionLeavesNothing()
    {
        // A day number too long for a file name.
        const QString roster = m_dir->filePath(u"long.txt"_s);
        QVERIFY(writeBytes(roster, "[RLT]\r\n[JOS]\r\nNUJS=1A\r\n[TTL]\r\n[JOS]\r\nNUJS="
                                       + QByteArray(300, '7') + "A\r\n[TTL]\r\n"));
        auto conversion = std::make_unique<CaraibeConversion>(dataFolder());
        QCOMPARE(conversion->pickFile(roster, m_prompts), CaraibeConversion::Pick::Chosen);
        QCOMPARE(conversion->convert(drive(), u"R1"_s, m_prompts, ConversionDay),
                 CaraibeConversion::Outcome::Failed);
        QCOMPARE(m_prompts.last().title, u"Erreur !!"_s);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
        QVERIFY(m_prompts.last().text.endsWith(
            u"\r\nLa conversion n'a pas eu lieu : aucun dossier n'a été créé."_s));
        QCOMPARE(driveEntries(), QStringList());

        // The roster gone since it was chosen.
        QVERIFY(QFile::remove(roster));
        QCOMPARE(conversion->convert(drive(), u"R1"_s, m_prompts, ConversionDay),
                 CaraibeConversion::Outcome::Failed);
        QVERIFY(m_prompts.last().text.contains(u"ne peut plus être lu"_s));
        QCOMPARE(driveEntries(), QStringList());

        if (geteuid() != 0) {
            const auto fine = pickRoster(dataFile(u"roulement-deux-periodes.txt"_s));
            QFile::setPermissions(drive(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            QCOMPARE(fine->convert(drive(), u"R1"_s, m_prompts, ConversionDay),
                     CaraibeConversion::Outcome::Failed);
            QFile::setPermissions(drive(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                               | QFileDevice::ExeOwner);
            QCOMPARE(driveEntries(), QStringList());
        }
    }
};

KERBO_TEST(CaraibeConversionTest)
#include "CaraibeConversionTest.moc"
