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
        QTest::newRow("stored trimmed, upper case")
            << QByteArray("PNORD\r\n") << "  abc " << int(AddResult::Added)
            << QByteArray("PNORD\r\nABC\r\n");
        QTest::newRow("exact line refused")
            << QByteArray("PNORD\r\nABC\r\n") << "ABC" << int(AddResult::Duplicate)
            << QByteArray("PNORD\r\nABC\r\n");
        // The duplicate test sees the text as typed, blanks included.
        QTest::newRow("same item with blanks added again")
            << QByteArray("ABC\r\n") << " ABC " << int(AddResult::Added)
            << QByteArray("ABC\r\nABC\r\n");
        QTest::newRow("last line without its end not glued")
            << QByteArray("PNORD") << "creil" << int(AddResult::Added)
            << QByteArray("PNORD\r\nCREIL\r\n");
        QTest::newRow("last line cut after its CR keeps its text")
            << QByteArray("PNORD\r") << "creil" << int(AddResult::Added)
            << QByteArray("PNORD\r\nCREIL\r\n");
        QTest::newRow("file created") << QByteArray() << "Orléans" << int(AddResult::Added)
                                      << QByteArray("ORL\xc9"
                                                    "ANS\r\n");
        QTest::newRow("blank text adds nothing, even with an empty line")
            << QByteArray("A\r\n\r\n") << "   " << int(AddResult::Nothing)
            << QByteArray("A\r\n\r\n");
    }
    void add()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, typed);
        QFETCH(int, result);
        QFETCH(QByteArray, after);
        TempDataFolder data;
        if (!before.isEmpty()) data.write("ListeGares.txt", before);
        QCOMPARE(int(ReferenceLists::add(gares(data), typed)), result);
        QCOMPARE(data.read("ListeGares.txt"), after);
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
        QFETCH(QByteArray, after);
        QFETCH(int, removed);
        TempDataFolder data;
        data.write("ListeGares.txt", "B\r\nA\r\nB,C\r\n\r\n/x,B/\r\nB\r\nD");
        QCOMPARE(ListFile::remove(gares(data), "B", splitAtCommas), removed);
        QCOMPARE(data.read("ListeGares.txt"), after);
    }

    void unreadableListIsNeverRewritten()
    {
        TempDataFolder data;
        QVERIFY(QDir().mkpath(gares(data))); // a folder where the file should be
        QString error;
        QCOMPARE(ReferenceLists::add(gares(data), "ABC", &error), AddResult::Failed);
        QVERIFY2(error.contains("ListeGares.txt"), qPrintable(error));
        QCOMPARE(ListFile::remove(gares(data), "ABC", true), -1);
        QVERIFY(!ReferenceLists::learn(gares(data), "ABC"));
        QVERIFY(ListFile::lines(gares(data)).isEmpty());
        QVERIFY(QFileInfo(gares(data)).isDir());

        // A file beyond any real list is not read either.
        TempDataFolder big;
        big.write("ListeGares.txt", QByteArray(ListFile::MaxBytes + 1, 'A'));
        QVERIFY(!ListFile::read(gares(big)).readable);
        QVERIFY(!ReferenceLists::learn(gares(big), "ABC"));
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
        QTest::newRow("station loses its blanks") << 1 << 0 << 9 << "gare du nord"
                                                  << "ListeGares.txt"
                                                  << "GAREDUNORD";
        QTest::newRow("station of a train line") << 1 << 0 << 59 << "creil"
                                                 << "ListeGares.txt"
                                                 << "CREIL";
        QTest::newRow("station already listed") << 1 << 0 << 11 << " pnord "
                                                << ""
                                                << "";
        QTest::newRow("stations not learnt") << 0 << 1 << 9 << "CREIL"
                                             << ""
                                             << "";
        QTest::newRow("engine keeps its blanks") << 0 << 1 << 82 << " bb 15001 ptn "
                                                 << "ListeEnginsAut.txt"
                                                 << "BB 15001 PTN";
        QTest::newRow("engines not learnt") << 1 << 0 << 82 << "BB 1"
                                            << ""
                                            << "";
        QTest::newRow("blank value") << 1 << 1 << 9 << "   "
                                     << ""
                                     << "";
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
        data.write("ListeGares.txt", "PNORD\r\n");
        data.write("ListeEnginsAut.txt", "BB 1\r\n");
        Options options;
        options.enaug = enaug;
        options.eneng = eneng;
        const std::optional<QString> result = ReferenceLists::learnLeftSlot(
            data.dataFolder(), options, "ListeEnginsAut.txt", slot, value);
        QCOMPARE(result.value_or(QString()), learnt);
        QCOMPARE(data.read("ListeGares.txt"), file == "ListeGares.txt"
                                                  ? "PNORD\r\n" + learnt.toLatin1() + "\r\n"
                                                  : QByteArray("PNORD\r\n"));
        QCOMPARE(data.read("ListeEnginsAut.txt"), file == "ListeEnginsAut.txt"
                                                      ? "BB 1\r\n" + learnt.toLatin1() + "\r\n"
                                                      : QByteArray("BB 1\r\n"));
        QVERIFY(!data.exists("ListeEngins.txt"));
    }
};

KERBO_TEST(ReferenceListsTest)
#include "ReferenceListsTest.moc"
