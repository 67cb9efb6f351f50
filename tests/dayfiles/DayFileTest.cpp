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

QStringList emptyDayLines()
{
    return DayFileWriter::lines(BulletinRecord(), VersoContent());
}

bool parseInto(const QStringList &lines, BulletinRecord &record, VersoContent &verso,
               bool evEnLoc = false)
{
    return DayFileReader::parse(lines, evEnLoc, record, verso);
}

const QString Refusal = QString::fromUtf16(u"Ce fichier n'est pas un fichier de journée  ! \n"
                                           u"Le chargement est impossible.\n\n"
                                           u"Choisir un autre fichier s.v.p..");

} // namespace

class DayFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
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

    void fullBulletinIsWrittenByteForByte()
    {
        BulletinRecord record;
        VersoContent verso;
        FullBulletin::fill(record, verso);
        const QByteArray expected = FullBulletin::fixture();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(DayFileWriter::bytes(record, verso), expected);

        const QString path = m_dir.filePath(QStringLiteral("full.txt"));
        QVERIFY(DayFileWriter::save(path, record, verso));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);
        QVERIFY(expected.contains("@@Regularit\xE9@@\r\n"));
        QVERIFY(expected.contains("\x80")); // the euro sign of txtObsMec
    }

    void fullBulletinReadsBackUnchanged()
    {
        BulletinRecord expected;
        VersoContent expectedVerso;
        FullBulletin::fill(expected, expectedVerso);

        for (const bool bareLf : {false, true}) {
            QByteArray bytes = FullBulletin::fixture();
            if (bareLf)
                bytes.replace("\r\n", "\n");
            BulletinRecord record;
            VersoContent verso;
            record.setSlot(1, QStringLiteral("DUPONT"));
            record.setSlot(300, QStringLiteral("kept"));
            QStringList lines;
            QVERIFY(DayFileReader::splitDayFile(bytes, lines));
            QVERIFY(parseInto(lines, record, verso));
            QCOMPARE(record.serviceDate(), QDate(2026, 12, 4));
            for (int slot = 7; slot <= 272; ++slot)
                QVERIFY2(record.slot(slot) == expected.slot(slot),
                         qPrintable(QStringLiteral("slot %1: %2").arg(slot).arg(record.slot(slot))));
            QCOMPARE(record.slot(1), QStringLiteral("DUPONT")); // slots outside the file stay
            QCOMPARE(record.slot(300), QStringLiteral("kept"));
            QCOMPARE(verso.txtNumTrainH, expectedVerso.txtNumTrainH);
            QCOMPARE(verso.txtObsMec, expectedVerso.txtObsMec);
            QVERIFY(verso == expectedVerso);
        }
    }

    void repeatedSavesAddNoLineBreaks()
    {
        BulletinRecord record;
        VersoContent verso;
        FullBulletin::fill(record, verso);
        verso.txtObsMec = QStringLiteral("fin avec saut\n");
        verso.txtNumTrainH = QString();
        const QByteArray first = DayFileWriter::bytes(record, verso);
        BulletinRecord again;
        VersoContent againVerso;
        QStringList lines;
        QVERIFY(DayFileReader::splitDayFile(first, lines));
        QVERIFY(parseInto(lines, again, againVerso));
        QCOMPARE(againVerso.txtObsMec, verso.txtObsMec);
        QCOMPARE(againVerso.txtNumTrainH, QString());
        QCOMPARE(DayFileWriter::bytes(again, againVerso), first);

        // CR LF inside a text is the same line break as LF.
        verso.txtObsMec = QStringLiteral("a\r\nb");
        QVERIFY(DayFileWriter::bytes(record, verso).contains("@@debutObsMec@@\r\na\r\nb\r\n@@finObsMec@@\r\n"));
    }

    void emptyBulletinLayout()
    {
        const QStringList lines = emptyDayLines();
        QCOMPARE(lines.size(), 413);
        QCOMPARE(lines.at(261 + 96), DayFileLayout::DebutNumTrain);
        QCOMPARE(lines.at(261 + 96 + 1), QString());
        QCOMPARE(lines.at(261 + 96 + 2), DayFileLayout::FinNumTrain);
        QCOMPARE(lines.at(TxtJLine + 1), QStringLiteral("@@DebutKmTrain@@"));
        QCOMPARE(lines.last(), QString::fromUtf16(u"@@FinRegularit\u00e9@@"));
        // Every mark of an empty bulletin is written "0", every text as an empty line.
        QCOMPARE(lines.mid(7, 6), QStringList(6, QStringLiteral("0")));
        QCOMPARE(lines.at(51), QStringLiteral("0"));   // Fac of line 1
        QCOMPARE(lines.at(52), QString());             // NumeroTrain of line 1

        BulletinRecord record;
        VersoContent verso;
        QVERIFY(parseInto(lines, record, verso));
        for (int slot = 7; slot <= 272; ++slot)
            QVERIFY2(record.slot(slot).isEmpty(), qPrintable(QString::number(slot)));
        QVERIFY(verso == VersoContent());
    }

    void markEncoding()
    {
        BulletinRecord record;
        record.setSlot(13, QStringLiteral("x"));
        record.setSlot(51, QStringLiteral("o"));
        record.setSlot(57, QStringLiteral("x"));
        record.setSlot(79, QStringLiteral("2"));
        QStringList lines = DayFileWriter::lines(record, VersoContent());
        QCOMPARE(lines.at(7), QStringLiteral("1"));
        QCOMPARE(lines.at(8), QString()); // "o" is no mark value
        QCOMPARE(lines.at(51), QStringLiteral("1"));
        QCOMPARE(lines.at(65), QString());

        // Marks read back trimmed; "0" and "1" decoded, anything else kept.
        lines[9] = QStringLiteral(" 1 ");
        lines[10] = QStringLiteral(" 0");
        lines[11] = QStringLiteral("2");
        lines[65] = QStringLiteral(" 2 ");
        BulletinRecord back;
        VersoContent verso;
        QVERIFY(parseInto(lines, back, verso));
        QCOMPARE(back.slot(13), QStringLiteral("x"));
        QCOMPARE(back.slot(51), QString());
        QCOMPARE(back.slot(52), QStringLiteral("x"));
        QCOMPARE(back.slot(50), QString());
        QCOMPARE(back.slot(53), QStringLiteral("2"));
        QCOMPARE(back.slot(57), QStringLiteral("x"));
        QCOMPARE(back.slot(79), QStringLiteral("2"));
    }

    void readerCutsAndTrims()
    {
        BulletinRecord record;
        record.setSlot(58, QStringLiteral("  123 "));          // NumeroTrain: trimmed
        record.setSlot(59, QStringLiteral("ABCDEFGHI"));       // De: 5
        record.setSlot(60, QStringLiteral(" PARIS-EST"));      // A: 5, blanks kept
        record.setSlot(61, QStringLiteral("VIAX"));            // Via: 3
        record.setSlot(62, QStringLiteral(" 12 "));            // EvoDep: untouched
        record.setSlot(68, QStringLiteral("GARES"));           // Gare: 3
        record.setSlot(72, QStringLiteral("ABCD"));            // Categ: 3
        record.setSlot(73, QStringLiteral("1234567"));         // IndCompo: 5
        record.setSlot(74, QStringLiteral("ASX"));             // AgSeul: 2
        record.setSlot(82, QStringLiteral("BB 67401 NV TRES LONG")); // engines are not cut
        record.setSlot(84, QStringLiteral(" Z 1 X "));
        record.setSlot(88, QStringLiteral("CC 72000 CHALINDREY"));
        for (int k = 0; k <= 9; k += 3) {
            record.setSlot(14 + k, QStringLiteral("TACHE-%1X").arg(k));  // 7
            record.setSlot(26 + k, QStringLiteral("MANOEUVRE%1").arg(k)); // 7
            record.setSlot(38 + k, QStringLiteral("LIEU%1").arg(k));      // 3
            record.setSlot(39 + k, QStringLiteral("BB 1234%1 XX").arg(k)); // 7
            record.setSlot(40 + k, QStringLiteral("EMT%1").arg(k));       // 3
        }
        record.setSlot(9, QStringLiteral("  Lieu  "));
        const QStringList lines = DayFileWriter::lines(record, VersoContent());

        BulletinRecord back;
        VersoContent verso;
        QVERIFY(parseInto(lines, back, verso));
        QCOMPARE(back.slot(58), QStringLiteral("123"));
        QCOMPARE(back.slot(59), QStringLiteral("ABCDE"));
        QCOMPARE(back.slot(60), QStringLiteral(" PARI"));
        QCOMPARE(back.slot(61), QStringLiteral("VIA"));
        QCOMPARE(back.slot(62), QStringLiteral(" 12 "));
        QCOMPARE(back.slot(68), QStringLiteral("GAR"));
        QCOMPARE(back.slot(72), QStringLiteral("ABC"));
        QCOMPARE(back.slot(73), QStringLiteral("12345"));
        QCOMPARE(back.slot(74), QStringLiteral("AS"));
        QCOMPARE(back.slot(82), record.slot(82));
        QCOMPARE(back.slot(84), record.slot(84));
        QCOMPARE(back.slot(88), record.slot(88));
        QCOMPARE(back.slot(9), record.slot(9));
        for (int k = 0; k <= 9; k += 3) {
            QCOMPARE(back.slot(14 + k), record.slot(14 + k).left(7));
            QCOMPARE(back.slot(26 + k), record.slot(26 + k).left(7));
            QCOMPARE(back.slot(38 + k), record.slot(38 + k).left(3));
            QCOMPARE(back.slot(39 + k), record.slot(39 + k).left(7));
            QCOMPARE(back.slot(40 + k), record.slot(40 + k).left(3));
        }
    }

    void lineBreakInOneLineValueKeepsTheLayout()
    {
        BulletinRecord record;
        record.setSlot(9, QStringLiteral("A\r\nB"));
        VersoContent verso;
        verso.txtJ = QStringLiteral("pluie\nneige");
        const QStringList lines = DayFileWriter::lines(record, verso);
        QCOMPARE(lines.size(), 413);
        QCOMPARE(lines.at(3), QStringLiteral("A B"));
        QCOMPARE(lines.at(TxtJLine), QStringLiteral("pluie neige"));
    }

    void evBecomesLocOnlyInTaskRowsWithTheOption()
    {
        BulletinRecord record;
        for (int k = 0; k <= 9; k += 3) {
            record.setSlot(14 + k, QStringLiteral("EV"));
            record.setSlot(26 + k, QStringLiteral("EV"));
        }
        record.setSlot(17, QStringLiteral(" EV")); // only the exact text
        const QStringList lines = DayFileWriter::lines(record, VersoContent());
        for (const bool on : {true, false}) {
            BulletinRecord back;
            VersoContent verso;
            QVERIFY(parseInto(lines, back, verso, on));
            for (int slot : {14, 20, 23})
                QCOMPARE(back.slot(slot), on ? QStringLiteral("LOC") : QStringLiteral("EV"));
            QCOMPARE(back.slot(17), QStringLiteral(" EV"));
            for (int k = 0; k <= 9; k += 3)
                QCOMPARE(back.slot(26 + k), QStringLiteral("EV"));
        }

        // Through the load, the option is LOC of section "EV en LOC" in Config.ini.
        const QString path =
            writeFile(QStringLiteral("ev.txt"), TextFile::joinLines(lines));
        FakePrompts prompts;
        for (const char *value : {"1", "0", "oui"}) {
            QVERIFY(EcritureINI(m_state.config.iniPath(), QStringLiteral("EV en LOC"),
                                QStringLiteral("LOC"), QLatin1String(value)));
            m_state.record.clearForNewDay();
            QVERIFY(!DayFileReader::load(path, m_state, prompts));
            QCOMPARE(m_state.record.slot(14),
                     qstrcmp(value, "1") == 0 ? QStringLiteral("LOC") : QStringLiteral("EV"));
        }
        QVERIFY(prompts.calls.isEmpty());
    }

    void fileEndingAfterTxtJLoads()
    {
        QStringList lines = emptyDayLines().mid(0, TxtJLine + 1);
        lines[TxtJLine] = QStringLiteral("Soleil");
        BulletinRecord record;
        VersoContent verso;
        QVERIFY(parseInto(lines, record, verso));
        QCOMPARE(verso.txtJ, QStringLiteral("Soleil"));
        for (int i = 0; i < 6; ++i)
            QVERIFY(record.slot(SlotTable::lineSlot(i, SlotTable::KmTrain)).isEmpty());
        QVERIFY(verso.textL == VersoContent().textL);
    }

    void shortKmBlockAndConverterFiles()
    {
        // A roster converter's file: no verso markers, 190 empty lines, a km block per train.
        QStringList lines = emptyDayLines().mid(0, 261);
        for (int i = 0; i < 190; ++i)
            lines << QString();
        lines << QStringLiteral("@@DebutKmTrain@@") << QStringLiteral("120")
              << QStringLiteral("") << QStringLiteral("35.5") << QStringLiteral("@@FinKmTrain@@");
        BulletinRecord record;
        VersoContent verso;
        QVERIFY(parseInto(lines, record, verso));
        QCOMPARE(record.slot(92), QStringLiteral("120"));
        QCOMPARE(record.slot(128), QString());
        QCOMPARE(record.slot(164), QStringLiteral("35.5"));
        QCOMPARE(record.slot(200), QString());
        QVERIFY(verso == VersoContent());
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
        QTest::newRow("month 13") << with(0, QStringLiteral(" 01 13 2026"));
        QTest::newRow("date only") << QByteArray(" 04 12 2026\r\n");
        for (int n : {7, 100, 261, 300, 358, TxtJLine})
            QTest::newRow(qPrintable(QStringLiteral("cut after %1 lines").arg(n)))
                << join(good.mid(0, n));
        QStringList open = good.mid(0, 261 + 96 + 1);
        open << QStringLiteral("texte sans fin");
        QTest::newRow("no end of NumTrain") << join(open);
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
        const QString path = writeFile(QStringLiteral("bad.txt"), bytes);
        FakePrompts prompts;
        QVERIFY(DayFileReader::load(path, m_state, prompts));
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.last().kind, QStringLiteral("message"));
        QCOMPARE(prompts.last().title, QStringLiteral("Erreur !!"));
        QCOMPARE(prompts.last().text, Refusal);
        QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
    }

    void datesAccepted()
    {
        for (const char *date : {" 04 12 2026", "04 12 2026", " 4 12 2026", "04/12/2026"}) {
            QStringList lines = emptyDayLines();
            lines[0] = QLatin1String(date);
            BulletinRecord record;
            VersoContent verso;
            QVERIFY2(parseInto(lines, record, verso), date);
            QCOMPARE(record.serviceDate(), QDate(2026, 12, 4));
        }
    }

    void emptyPathDoesNothing()
    {
        FakePrompts prompts;
        QVERIFY(!DayFileReader::load(QString(), m_state, prompts));
        QVERIFY(prompts.calls.isEmpty());
        QVERIFY(DayFileWriter::save(QString(), m_state.record, m_state.verso));
    }
};

KERBO_TEST(DayFileTest)
#include "DayFileTest.moc"
