#include "TestMain.h"

#include "TempDataFolder.h"
#include "core/lists/ListFile.h"
#include "core/lists/ReferenceLists.h"

#include <QDir>

using ReferenceLists::AddResult;

class ReferenceListsTest : public QObject
{
    Q_OBJECT

    QString gares(const TempDataFolder &data) const { return data.dataFile("ListeGares.txt"); }

private slots:
    void add_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char *name, const QByteArray &before, const char *typed,
                            AddResult result, const QByteArray &after) {
            QTest::newRow(name) << before << QString(typed) << int(result) << after;
        };
        row("stored trimmed, upper case", "PNORD\r\n", "  abc ", AddResult::Added,
            "PNORD\r\nABC\r\n");
        row("exact line refused", "PNORD\r\nABC\r\n", "ABC", AddResult::Duplicate,
            "PNORD\r\nABC\r\n");
        // The duplicate test sees the text as typed, blanks included.
        row("same item with blanks added again", "ABC\r\n", " ABC ", AddResult::Added,
            "ABC\r\nABC\r\n");
        row("last line without its end not glued", "PNORD", "creil", AddResult::Added,
            "PNORD\r\nCREIL\r\n");
        row("last line cut after its CR keeps its text", "PNORD\r", "creil", AddResult::Added,
            "PNORD\r\nCREIL\r\n");
        row("file created", "", "Orléans", AddResult::Added, "ORL\xc9\x41NS\r\n"); // Latin-1
        row("blank text adds nothing, even with an empty line", "A\r\n\r\n", "   ",
            AddResult::Nothing, "A\r\n\r\n");
        // Capitals within the code page: the file has no capital for these two letters.
        row("letters without capital stay", "", "straße µ", AddResult::Added,
            "STRA\xdf\x45 \xb5\r\n");
        row("oe ligature", "", "cœur", AddResult::Added, "C\x8cUR\r\n");
        // Pasted: a line break or a tab is a blank, the item stays on its line.
        row("pasted line break", "A\r\n", "aa\nbb\r\ncc\tdd\n", AddResult::Added,
            "A\r\nAA BB CC DD\r\n");
    }
    void add()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, typed);
        TempDataFolder data;
        if (!before.isEmpty()) data.write("ListeGares.txt", before);
        QTEST(int(ReferenceLists::add(gares(data), typed)), "result");
        QTEST(data.read("ListeGares.txt"), "after");
    }

    void removeEveryEqualEntry_data()
    {
        QTest::addColumn<bool>("splitAtCommas");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("removed");
        QTest::newRow("reference list") << true << QByteArray("A\r\nC\r\n/x\r\nB/\r\nD\r\n") << 3;
        QTest::newRow("roster folders") << false << QByteArray("A\r\nB,C\r\n/x,B/\r\nD\r\n") << 2;
    }
    void removeEveryEqualEntry()
    {
        // A line holding a comma is two entries of a reference list, each written back on its own
        // line; a folder path may hold commas and stays whole.
        QFETCH(bool, splitAtCommas);
        TempDataFolder data;
        data.write("ListeGares.txt", "B\r\nA\r\nB,C\r\n\r\n/x,B/\r\nB\r\nD");
        QTEST(ListFile::remove(gares(data), "B", splitAtCommas), "removed");
        QTEST(data.read("ListeGares.txt"), "after");
    }

    void unreadableListIsNeverRewritten()
    {
        TempDataFolder data;
        QVERIFY(QDir().mkpath(gares(data))); // a folder where the file should be
        QString error;
        QCOMPARE(ReferenceLists::add(gares(data), "ABC", &error), AddResult::Failed);
        QVERIFY2(error.contains("ListeGares.txt"), qPrintable(error));
        QCOMPARE(ListFile::remove(gares(data), "ABC", true), -1);
        // Learning says why it left the item out, and names it as the list would have held it.
        Options options;
        options.enaug = 1;
        QVERIFY(!ReferenceLists::learnLeftSlot(data.dataFolder(), options, "ListeEngins.txt",
                                               SlotTable::lineSlot(0, SlotTable::De), "st pierre",
                                               &error));
        QVERIFY2(error.contains("ListeGares.txt") &&
                     error.endsWith("\r\n« " + ReferenceLists::learntStation("st pierre") +
                                    " » n'a pas été ajouté à la liste."),
                 qPrintable(error));
        QVERIFY(ListFile::lines(gares(data)).isEmpty());
        QVERIFY(QFileInfo(gares(data)).isDir());

        // A file beyond any real list is not read either.
        TempDataFolder big;
        big.write("ListeGares.txt", QByteArray(ListFile::MaxBytes + 1, 'A'));
        QVERIFY(!ListFile::read(gares(big)).readable && !ReferenceLists::learn(gares(big), "ABC"));
        QCOMPARE(QFileInfo(gares(big)).size(), ListFile::MaxBytes + 1);
    }

    void learning_data()
    {
        QTest::addColumn<int>("enaug");
        QTest::addColumn<int>("eneng");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("learnt");
        const auto row = [](const char *name, int enaug, int eneng, int slot, const char *value,
                            const char *file = "", const char *learnt = "") {
            QTest::newRow(name) << enaug << eneng << slot << QString(value) << QString(file)
                                << QString(learnt);
        };
        row("station loses its blanks", 1, 0, 9, "gare du nord", "ListeGares.txt", "GAREDUNORD");
        row("station of a train line", 1, 0, 59, "creil", "ListeGares.txt", "CREIL");
        row("station already listed", 1, 0, 11, " pnord ");
        row("stations not learnt", 0, 1, 9, "CREIL");
        row("engine keeps its blanks", 0, 1, 82, " bb 15001 ptn ", "ListeEnginsAut.txt",
            "BB 15001 PTN");
        row("engines not learnt", 1, 0, 82, "BB 9");
        row("blank value", 1, 1, 9, "   ");
        // A text chosen from the drop-down is an item already, as the list file writes it.
        row("engine item chosen", 1, 1, 39, "bb 2 ");
        row("station item chosen", 1, 1, 9, "Gare µ");
        row("station, letter without capital", 1, 1, 9, "gare µ", "ListeGares.txt", "GAREµ");
        row("engine, letter without capital", 1, 1, 82, "µ 1 ß", "ListeEnginsAut.txt", "µ 1 ß");
    }
    void learning()
    {
        QFETCH(int, enaug);
        QFETCH(int, eneng);
        QFETCH(int, slot);
        QFETCH(QString, value);
        QFETCH(QString, file);
        QFETCH(QString, learnt);
        TempDataFolder data;
        data.write("ListeGares.txt", "PNORD\r\nGare \xb5\r\n");
        data.write("ListeEnginsAut.txt", "BB 1\r\nbb 2 \r\n");
        Options options;
        options.enaug = enaug;
        options.eneng = eneng;
        const std::optional<QString> result = ReferenceLists::learnLeftSlot(
            data.dataFolder(), options, "ListeEnginsAut.txt", slot, value);
        QCOMPARE(result.value_or(QString()), learnt);
        const auto after = [&](const QString &name, const QByteArray &before) {
            return file == name ? before + learnt.toLatin1() + "\r\n" : before;
        };
        const QByteArray stations = after("ListeGares.txt", "PNORD\r\nGare \xb5\r\n");
        const QByteArray engines = after("ListeEnginsAut.txt", "BB 1\r\nbb 2 \r\n");
        QCOMPARE(data.read("ListeGares.txt"), stations);
        QCOMPARE(data.read("ListeEnginsAut.txt"), engines);
        // Learnt once: the same text left again finds its line.
        QVERIFY(!ReferenceLists::learnLeftSlot(data.dataFolder(), options, "ListeEnginsAut.txt",
                                               slot, value));
        QCOMPARE(data.read("ListeGares.txt"), stations);
        QCOMPARE(data.read("ListeEnginsAut.txt"), engines);
        QVERIFY(!data.exists("ListeEngins.txt"));
    }
};

KERBO_TEST(ReferenceListsTest)
#include "ReferenceListsTest.moc"
