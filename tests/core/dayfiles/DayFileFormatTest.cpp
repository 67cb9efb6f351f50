#include "TestMain.h"

#include "DayFilesFixture.h"

#include "core/base/Cp1252.h"

using namespace Qt::StringLiterals;

namespace
{

// Index of txtJ in the lines of a bulletin whose multi-line texts are empty.
constexpr int TxtJLine = 261 + 80 + 16 + 3 + 1 + 3 + 8;

QStringList emptyDayLines()
{
    return DayFileWriter::lines(BulletinRecord(), VersoContent());
}

// The bulletin of data/journee-complete.txt: every slot and verso text filled, values within
// the reader's cuts, accented letters and Windows-1252 signs included.
void fillFullBulletin(BulletinRecord &record, VersoContent &verso)
{
    const QHash<int, QString> given = {
        {7, u"R42"_s},          {8, u"12"_s},           {9, u"Sète"_s}, {10, u"05h12"_s},
        {11, u"Orléans"_s},     {12, u"13h40"_s},       {14, u"EV"_s},  {26, u"Manœuv"_s},
        {39, u"BB 7200"_s},     {54, u"2"_s},           {55, u"15"_s},  {84, u"Z 2xxx Lé"_s},
        {82, u"BB 67401 NV"_s}, {88, u"CC 72000 Châ"_s}};
    record.setServiceDate(QDate(2026, 12, 4));
    for (int slot = 7; slot <= 272; ++slot) {
        const int limit = SlotTable::info(slot).loadLimit;
        if (SlotTable::isMark(slot)) // ticked or not, in no regular pattern
            record.setSlot(slot, (slot * 7) % 5 < 2 ? u"x"_s : QString());
        else
            record.setSlot(slot, given.value(slot, limit ? QString::number(slot).right(limit)
                                                         : u"S%1"_s.arg(slot)));
    }
    for (int i = 0; i < 6; ++i)
        record.setSlot(SlotTable::lineSlot(i, SlotTable::KmTrain), QString::number(100.5 + i));
    for (auto [texts, letter] : {std::pair{&verso.txtD, u'D'},
                                 {&verso.txtE, u'E'},
                                 {&verso.txtI, u'I'},
                                 {&verso.textL, u'L'}})
        for (int i = 0; i < texts->size(); ++i)
            (*texts)[i] = letter + QString::number(i);
    for (int i = 0; i < VersoContent::DCount; i += 10)
        verso.txtD[i] += u" é"_s;
    verso.txtNumTrainH = u"12345\n\n67890 à"_s;
    verso.txtObsMecUP = u"UP Résidence"_s;
    verso.txtObsMec = u"Freinage très long à Mâcon\n\nœuvre « 5 € »"_s;
    verso.txtJ = u"Brouillard givrant"_s;
}

} // namespace

// Reading and writing a day file.
class DayFileFormatTest : public DayFilesFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }

    void fullBulletinRoundTrip()
    {
        BulletinRecord record;
        VersoContent verso;
        fillFullBulletin(record, verso);
        const QByteArray expected = bytesOf(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                                            u"/data/journee-complete.txt"_s);
        QCOMPARE(DayFileWriter::bytes(record, verso), expected);

        // Read back, with CR LF or LF, and saved again: the same bytes, no line break added to
        // the multi-line texts.
        // The same file saved by an editor in UTF-8, with or without its mark, reads the same:
        // the block after "@@Regularité@@" was lost to a marker read byte for byte.
        const QByteArray utf8 = Cp1252::decode(expected).toUtf8();
        QVERIFY(utf8 != expected);
        for (const QByteArray &bytes :
             {expected, QByteArray(expected).replace("\r\n", "\n"), utf8, "\xEF\xBB\xBF" + utf8}) {
            QVERIFY(!load(bytes));
            QCOMPARE(DayFileWriter::bytes(m_state->record, m_state->verso), expected);
        }
    }

    void marksCutsAndTrims()
    {
        struct Case {
            int slot;
            const char *written, *read;
        };
        const QList<Case> cases = {{13, "x", "x"},
                                   {51, "o", ""},
                                   {52, "2", ""},
                                   {57, "x", "x"},
                                   {50, nullptr, "x"},
                                   {53, nullptr, "2"},
                                   {58, "  123 ", "123"},
                                   {59, "ABCDEFGHI", "ABCDE"},
                                   {60, " PARIS-EST", " PARI"},
                                   {61, "VIA-X", "VIA"},
                                   {68, "CHATEAU", "CHA"},
                                   {62, " 12 ", " 12 "},
                                   {9, "  Lieu  ", "  Lieu  "},
                                   {20, "TACHE-LONGUE", "TACHE-L"},
                                   {84, " Z 1 X ", " Z 1 X "},
                                   {82, "BB 67401 NV TRES LONG", "BB 67401 NV TRES LONG"},
                                   {10, "A\r\nB", "A B"}};
        BulletinRecord record;
        for (const Case &c : cases)
            record.setSlot(c.slot, QLatin1String(c.written));
        VersoContent verso;
        verso.txtObsMec = u"a\r\nb\n"_s; // CR LF is a break, a final one stays
        verso.txtJ = u"pluie\nneige"_s;  // a one-line text cannot break
        QStringList lines = DayFileWriter::lines(record, verso);
        QCOMPARE(lines.mid(7, 3), (QStringList{u"1"_s, QString(), QString()}));
        lines[10] = u" 1 "_s; // marks of slots 50 and 53, read trimmed
        lines[11] = u" 2 "_s;

        QVERIFY(!load(lines));
        QStringList split; // a CR alone inside a line is a blank
        QVERIFY(DayFileReader::splitDayFile("a\rb\r\n\r\rc\r\r\n", split));
        QCOMPARE(split, (QStringList{u"a b"_s, u"  c "_s}));
        for (const Case &c : cases)
            QVERIFY2(slot(c.slot) == QLatin1String(c.read), qPrintable(QString::number(c.slot)));
        QCOMPARE(m_state->verso.txtObsMec, u"a\nb\n"_s);
        QCOMPARE(m_state->verso.txtJ, u"pluie neige"_s);
    }

    void evBecomesLocOnlyInTaskRowsWithTheOption()
    {
        BulletinRecord record;
        for (int s : {14, 20, 23, 26, 29, 32, 35})
            record.setSlot(s, u"EV"_s);
        record.setSlot(17, u" EV"_s); // only the exact text
        const QByteArray bytes = DayFileWriter::bytes(record, VersoContent());
        // The setting in use decides, also where Config.ini could not take it.
        QVERIFY(m_state->config.write("EV en LOC", "LOC", u"0"_s));
        for (const char *option : {"1", "0", "oui"}) {
            m_state->config.loc = QLatin1String(option);
            QVERIFY(!load(bytes));
            const QString task = QLatin1String(option) == u"1" ? u"LOC"_s : u"EV"_s;
            QCOMPARE(QStringList({slot(14), slot(20), slot(23)}), QStringList(3, task));
            QCOMPARE(QStringList({slot(17), slot(26), slot(29), slot(32), slot(35)}),
                     QStringList({u" EV"_s}) + QStringList(4, u"EV"_s));
        }
    }

    void fileEndingAfterTheVersoLoads()
    {
        QStringList lines = emptyDayLines().mid(0, TxtJLine + 1); // no km, no regularity
        lines[TxtJLine] = u"Soleil"_s;
        QVERIFY(!load(lines));
        QCOMPARE(m_state->verso.txtJ, u"Soleil"_s);

        // The blocks are read to the end of the file: one cut before its end marker keeps
        // what it held.
        lines << u"@@DebutKmTrain@@"_s << u"12.5"_s << u"30"_s;
        QVERIFY(!load(lines));
        QCOMPARE(m_state->record.slot(SlotTable::lineSlot(1, SlotTable::KmTrain)), u"30"_s);
        lines << u"@@FinKmTrain@@"_s << u"@@Regularité@@"_s << u"Retard"_s;
        QVERIFY(!load(lines));
        QCOMPARE(m_state->verso.textL[0], u"Retard"_s);
    }

    void dateLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDate>("date"); // the lines that are no date are refused files below
        QTest::newRow("no blank") << u"04 12 2026"_s << QDate(2026, 12, 4);
        QTest::newRow("blank for a zero") << u" 4 12 2026"_s << QDate(2026, 12, 4);
        QTest::newRow("dashes") << u"04-12-2026"_s << QDate(2026, 12, 4);
        QTest::newRow("dots, one digit") << u"4.2.2026"_s << QDate(2026, 2, 4);
        QTest::newRow("slashes") << u"29/02/2028"_s << QDate(2028, 2, 29);
    }
    void dateLine()
    {
        QFETCH(QString, line);
        QStringList lines = emptyDayLines();
        lines[0] = line;
        QVERIFY(!load(lines));
        QTEST(m_state->record.serviceDate(), "date");
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QStringList good = emptyDayLines();
        // The good lines with `text` put at `index`, in place of the line there when `replace`.
        auto edited = [&](int index, const QString &text, bool replace) {
            QStringList l = good;
            l.insert(index, text);
            if (replace) l.removeAt(index + 1);
            return TextFile::joinLines(l);
        };
        QTest::newRow("empty") << QByteArray();
        // Not a date, no such day, month 13, year first, two-digit year, a year the date box
        // cannot show.
        for (const char *date :
             {"Bonjour", "29-02-2027", "04-13-2026", "2026-12-04", "04-12-26", " 05 06 0026"})
            QTest::newRow(date) << edited(0, QLatin1String(date), true);
        // Cut in the fixed part, inside NumTrain, in the km block, in the regularity block.
        for (int n : {1, 261, 261 + 96 + 2, TxtJLine})
            QTest::newRow(qPrintable(u"cut after %1 lines"_s.arg(n)))
                << TextFile::joinLines(good.mid(0, n));
        QTest::newRow("7 km lines") << edited(TxtJLine + 2, u"7"_s, false);
        QTest::newRow("31 regularity lines") << edited(good.size() - 1, u"L"_s, false);
        QTest::newRow("binary") << edited(1, u"PNG\x1a\0\0\0IHDR"_s, true);
        const QStringList filler(5000, QString(1000, u'x')); // lines after the blocks are skipped
        QTest::newRow("file of 5 MB") << TextFile::joinLines(good + filler);
        QTest::newRow("line of 200 KB") << edited(1, QString(200 * 1024, u'B'), true);
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(load(bytes));
        QCOMPARE(m_prompts.calls.size(), 1);
        expectLast(u"Erreur !!"_s,
                   u"Ce fichier n'est pas un fichier de journée  ! \r\nLe chargement est "
                   u"impossible.\r\n\r\nChoisir un autre fichier s.v.p.."_s);
    }

    // A file that cannot be opened at all (gone, or not readable) is named, with the same advice.
    void unopenableFileIsNamed()
    {
        const QString path = m_data->dir.filePath(u"12.txt"_s);
        QVERIFY(QDir().mkpath(path)); // a folder: no file to open under that name
        QVERIFY(DayFileReader::load(path, *m_state, m_prompts));
        QCOMPARE(m_prompts.calls.size(), 1);
        QVERIFY(m_prompts.last().text.startsWith(u"Impossible d'ouvrir le fichier "_s + path));
        QVERIFY(m_prompts.last().text.endsWith(u"\r\n\r\nChoisir un autre fichier s.v.p.."_s));
    }
};

KERBO_TEST(DayFileFormatTest)
#include "DayFileFormatTest.moc"
