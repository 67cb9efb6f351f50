#include "TestMain.h"

#include "FakePrompts.h"
#include "FullBulletin.h"

#include "app/AppState.h"
#include "app/IniAccess.h"
#include "app/TextFile.h"
#include "dayfiles/DayFileLayout.h"
#include "dayfiles/DayFileReader.h"
#include "dayfiles/DayFileWriter.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// Index of txtJ in the lines of a bulletin whose multi-line texts are empty.
constexpr int TxtJLine = 261 + 80 + 16 + 3 + 1 + 3 + 8;

QStringList emptyDayLines() { return DayFileWriter::lines(BulletinRecord(), VersoContent()); }

struct Loaded {
    bool ok = false;
    BulletinRecord record;
    VersoContent verso;
};

Loaded parsed(const QStringList &lines, bool evEnLoc = false)
{
    Loaded l;
    l.ok = DayFileReader::parse(lines, evEnLoc, l.record, l.verso);
    return l;
}

} // namespace

class DayFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;

    QString writeFile(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("day.txt"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("DataBul"));
        m_state.config.ouestKerbo = m_dir.path() + u'/';
    }

    void fullBulletinRoundTrip()
    {
        BulletinRecord record;
        VersoContent verso;
        FullBulletin::fill(record, verso);
        const QByteArray expected = FullBulletin::fixture();
        QVERIFY(expected.contains("@@Regularit\xE9@@\r\n") && expected.contains("\x80"));

        const QString path = m_dir.filePath(QStringLiteral("full.txt"));
        QVERIFY(DayFileWriter::save(path, record, verso));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);

        // Read back, with CR LF or bare LF line ends: only slots 7..272 come from the file.
        for (const QByteArray &bytes : {expected, QByteArray(expected).replace("\r\n", "\n")}) {
            Loaded l;
            l.record.setSlot(1, QStringLiteral("DUPONT"));
            l.ok = DayFileReader::parse(TextFile::splitLines(bytes), false, l.record, l.verso);
            QVERIFY(l.ok);
            QCOMPARE(l.record.serviceDate(), QDate(2026, 12, 4));
            for (int slot = 7; slot <= 272; ++slot)
                QVERIFY2(l.record.slot(slot) == record.slot(slot),
                         qPrintable(QString::number(slot)));
            QCOMPARE(l.record.slot(1), QStringLiteral("DUPONT"));
            QCOMPARE(l.verso.txtObsMec, verso.txtObsMec);
            QVERIFY(l.verso == verso);
            // Saving again adds no line break to the multi-line texts.
            QCOMPARE(DayFileWriter::bytes(l.record, l.verso), expected);
        }
    }

    void emptyBulletinAndMultiLineTexts()
    {
        const QStringList lines = emptyDayLines();
        QCOMPARE(lines.size(), 413);
        QCOMPARE(lines.mid(261 + 96, 3), (QStringList{DayFileLayout::DebutNumTrain, QString(),
                                                      DayFileLayout::FinNumTrain}));
        QCOMPARE(lines.at(TxtJLine + 1), QStringLiteral("@@DebutKmTrain@@"));
        QCOMPARE(lines.mid(7, 6), QStringList(6, QStringLiteral("0"))); // marks
        const Loaded l = parsed(lines);
        QVERIFY(l.ok);
        for (int slot = 7; slot <= 272; ++slot)
            QVERIFY(l.record.slot(slot).isEmpty());
        QVERIFY(l.verso == VersoContent());

        // CR LF in a text is a line break like LF; a final break survives the round trip; a
        // break inside a one-line value would shift the layout and becomes a blank.
        BulletinRecord record;
        record.setSlot(9, QStringLiteral("A\r\nB"));
        VersoContent verso;
        verso.txtObsMec = QStringLiteral("a\r\nb\n");
        verso.txtJ = QStringLiteral("pluie\nneige");
        const QStringList written = DayFileWriter::lines(record, verso);
        QCOMPARE(written.at(3), QStringLiteral("A B"));
        QCOMPARE(written.mid(261 + 96 + 4, 5),
                 (QStringList{QStringLiteral("@@debutObsMec@@"), QStringLiteral("a"),
                              QStringLiteral("b"), QString(), QStringLiteral("@@finObsMec@@")}));
        QCOMPARE(written.at(TxtJLine + 2), QStringLiteral("pluie neige"));
        QCOMPARE(parsed(written).verso.txtObsMec, QStringLiteral("a\nb\n"));
    }

    void marksCutsAndTrims()
    {
        BulletinRecord record;
        const QList<std::pair<int, const char *>> values = {
            {13, "x"}, {51, "o"}, {52, "2"}, {57, "x"},
            {58, "  123 "}, {59, "ABCDEFGHI"}, {60, " PARIS-EST"}, {61, "VIAX"}, {62, " 12 "},
            {68, "GARES"}, {72, "ABCD"}, {73, "1234567"}, {74, "ASX"},
            {82, "BB 67401 NV TRES LONG"}, {84, " Z 1 X "}, {88, "CC 72000 CHALINDREY"},
            {9, "  Lieu  "}, {20, "TACHE-LONGUE"}, {29, "MANOEUVRE"}, {41, "LIEU"},
            {42, "BB 12345 XX"}, {43, "EMT9"}};
        for (const auto &[slot, value] : values)
            record.setSlot(slot, QLatin1String(value));
        QStringList lines = DayFileWriter::lines(record, VersoContent());
        QCOMPARE(lines.mid(7, 3), (QStringList{QStringLiteral("1"), QString(), QString()}));
        lines[10] = QStringLiteral(" 1 "); // marks are read trimmed
        lines[11] = QStringLiteral(" 2 ");

        const Loaded l = parsed(lines);
        QVERIFY(l.ok);
        const QList<std::pair<int, const char *>> expected = {
            {13, "x"}, {51, ""}, {52, ""}, {50, "x"}, {53, "2"}, {57, "x"},
            {58, "123"}, {59, "ABCDE"}, {60, " PARI"}, {61, "VIA"}, {62, " 12 "},
            {68, "GAR"}, {72, "ABC"}, {73, "12345"}, {74, "AS"},
            {82, "BB 67401 NV TRES LONG"}, {84, " Z 1 X "}, {88, "CC 72000 CHALINDREY"},
            {9, "  Lieu  "}, {20, "TACHE-L"}, {29, "MANOEUV"}, {41, "LIE"},
            {42, "BB 1234"}, {43, "EMT"}};
        for (const auto &[slot, value] : expected)
            QVERIFY2(l.record.slot(slot) == QLatin1String(value),
                     qPrintable(QString::number(slot)));
    }

    void evBecomesLocOnlyInTaskRowsWithTheOption()
    {
        BulletinRecord record;
        for (int k = 0; k <= 9; k += 3) {
            record.setSlot(14 + k, QStringLiteral("EV"));
            record.setSlot(26 + k, QStringLiteral("EV"));
        }
        record.setSlot(17, QStringLiteral(" EV")); // only the exact text
        const QString path = writeFile(DayFileWriter::bytes(record, VersoContent()));
        FakePrompts prompts;
        for (const char *option : {"1", "0", "oui"}) {
            QVERIFY(EcritureINI(m_state.config.iniPath(), QStringLiteral("EV en LOC"),
                                QStringLiteral("LOC"), QLatin1String(option)));
            m_state.record.clearForNewDay();
            QVERIFY(!DayFileReader::load(path, m_state, prompts));
            const QString task =
                qstrcmp(option, "1") == 0 ? QStringLiteral("LOC") : QStringLiteral("EV");
            for (int slot : {14, 20, 23})
                QCOMPARE(m_state.record.slot(slot), task);
            QCOMPARE(m_state.record.slot(17), QStringLiteral(" EV"));
            for (int k = 0; k <= 9; k += 3)
                QCOMPARE(m_state.record.slot(26 + k), QStringLiteral("EV"));
        }
        QVERIFY(prompts.calls.isEmpty());
    }

    void shortFilesThatLoad()
    {
        // Ending right after txtJ: no kilometres, no regularity.
        QStringList lines = emptyDayLines().mid(0, TxtJLine + 1);
        lines[TxtJLine] = QStringLiteral("Soleil");
        Loaded l = parsed(lines);
        QVERIFY(l.ok);
        QCOMPARE(l.verso.txtJ, QStringLiteral("Soleil"));

        // A roster converter's file: no verso markers, 190 empty lines, a short km block.
        lines = emptyDayLines().mid(0, 261) + QStringList(190, QString());
        lines << QStringLiteral("@@DebutKmTrain@@") << QStringLiteral("120") << QString()
              << QStringLiteral("35.5") << QStringLiteral("@@FinKmTrain@@");
        l = parsed(lines);
        QVERIFY(l.ok);
        QCOMPARE(l.record.slot(92), QStringLiteral("120"));
        QCOMPARE(l.record.slot(164), QStringLiteral("35.5"));
        QCOMPARE(l.record.slot(200), QString());
        QVERIFY(l.verso == VersoContent());

        for (const char *date : {"04 12 2026", " 4 12 2026", "04/12/2026"}) {
            lines[0] = QLatin1String(date);
            QCOMPARE(parsed(lines).record.serviceDate(), QDate(2026, 12, 4));
        }
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QStringList good = emptyDayLines();
        auto join = [](const QStringList &l) { return TextFile::joinLines(l); };
        auto with = [&](int index, const QString &text) {
            QStringList l = good;
            l[index] = text;
            return join(l);
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a date") << with(0, QStringLiteral("Bonjour"));
        QTest::newRow("31 February") << with(0, QStringLiteral(" 31 02 2026"));
        for (int n : {1, 100, 261, 300, TxtJLine})
            QTest::newRow(qPrintable(QStringLiteral("cut after %1 lines").arg(n)))
                << join(good.mid(0, n));
        QTest::newRow("no end of NumTrain")
            << join(good.mid(0, 261 + 96 + 1) << QStringLiteral("x"));
        QTest::newRow("km block without end") << join(good.mid(0, TxtJLine + 4));
        QTest::newRow("regularity without end") << join(good.mid(0, good.size() - 1));
        QStringList km = good;
        km.insert(TxtJLine + 2, QStringLiteral("7"));
        QTest::newRow("seven km lines") << join(km);
        QStringList reg = good;
        reg.insert(good.size() - 1, QStringLiteral("L31"));
        QTest::newRow("31 regularity lines") << join(reg);
        QByteArray binary(" 04 12 2026\r\n");
        for (int i = 0; i < 4000; ++i)
            binary += char((i * 37) % 256);
        QTest::newRow("binary") << binary;
        QTest::newRow("line of 5 MB") << QByteArray(5 * 1024 * 1024, 'A');
        QByteArray longLine = join(good);
        longLine.insert(longLine.indexOf("\r\n") + 2, QByteArray(200 * 1024, 'B'));
        QTest::newRow("long line inside") << longLine;
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        FakePrompts prompts;
        QVERIFY(DayFileReader::load(writeFile(bytes), m_state, prompts));
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.last().title, QStringLiteral("Erreur !!"));
        QCOMPARE(
            prompts.last().text,
            QString::fromUtf16(u"Ce fichier n'est pas un fichier de journée  ! \nLe "
                               u"chargement est impossible.\n\nChoisir un autre fichier s.v.p.."));
        QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
    }
};

KERBO_TEST(DayFileTest)
#include "DayFileTest.moc"
