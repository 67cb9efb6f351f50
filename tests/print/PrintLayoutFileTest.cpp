#include "TestMain.h"

#include "app/NumberText.h"
#include "app/TextFile.h"
#include "print/PrintLayout.h"
#include "print/PrintLayoutFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

PrintLayout defaults()
{
    PrintLayout layout;
    layout.DefautParaImp();
    layout.DefautParaImpVerso();
    return layout;
}

// A layout whose every entry is distinct, so that a misplaced line shows.
PrintLayout numbered()
{
    PrintLayout layout;
    for (int i = 0; i < PrintItems::Count; ++i) {
        layout.ParaImpX[i] = QStringLiteral("1%1").arg(i);
        layout.ParaImpY[i] = QStringLiteral("2%1").arg(i);
    }
    return layout;
}

} // namespace

class PrintLayoutFileTest : public QObject
{
    Q_OBJECT
private slots:
    void fileOrderLeavesOutThePitchesX()
    {
        const QStringList lines = PrintLayoutFile::lines(numbered());
        QCOMPARE(lines.size(), 203);
        QCOMPARE(lines[52], QStringLiteral("152"));   // X[52]
        QCOMPARE(lines[53], QStringLiteral("156"));   // X[56]: no X for 53..55
        QCOMPARE(lines[99], QStringLiteral("1102"));  // X[102]
        QCOMPARE(lines[100], QStringLiteral("20"));   // Y[0]
        QCOMPARE(lines[202], QStringLiteral("2102")); // Y[102]
    }

    void saveThenLoadGivesTheSameTables()
    {
        QTemporaryDir dir;
        PrintLayout saved = defaults();
        saved.ParaImpX[7] = QStringLiteral("  219.7 "); // trimmed on save
        saved.ParaImpY[95] = QStringLiteral("-.5");
        QVERIFY(SauveParametresImp(saved, dir.path()));
        PrintLayout loaded;
        ChargeParaImp(loaded, dir.path());
        saved.ParaImpX[7] = QStringLiteral("219.7");
        for (int i : {53, 54, 55}) // not in the file
            loaded.ParaImpX[i] = saved.ParaImpX[i];
        QCOMPARE(loaded, saved);

        QFile file(PrintLayoutFile::path(dir.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), 203);
        QVERIFY(bytes.startsWith("0\r\n60\r\n60\r\n107.9\r\n"));
    }

    void shortFileLoadsWhatItHolds()
    {
        QTemporaryDir dir;
        QStringList lines = PrintLayoutFile::lines(numbered());
        QVERIFY(TextFile::writeLines(PrintLayoutFile::path(dir.path()), lines.mid(0, 150)));
        PrintLayout layout = defaults();
        layout.ParaImpX[53] = QStringLiteral("9");
        ChargeParaImp(layout, dir.path());
        // All of X, and Y of items 0..49 (lines 101..150); the rest keep their values.
        for (int i = 0; i < PrintItems::Count; ++i)
            if (i < 53 || i > 55)
                QCOMPARE(layout.ParaImpX[i], QStringLiteral("1%1").arg(i));
        QCOMPARE(layout.ParaImpX[53], QStringLiteral("9"));
        for (int i = 0; i <= 49; ++i)
            QCOMPARE(layout.ParaImpY[i], QStringLiteral("2%1").arg(i));
        QCOMPARE(layout.ParaImpY[50], QStringLiteral("69"));
        QCOMPARE(layout.ParaImpY[102], QStringLiteral("129.7"));

        const PrintLayout kept = layout;
        ChargeParaImp(layout, dir.path() + QStringLiteral("/absent"));
        QCOMPARE(layout, kept);
    }

    void valuesKeepTheirTextAndReadAsNumbers()
    {
        QTemporaryDir dir;
        QStringList lines = PrintLayoutFile::lines(defaults());
        lines[1] = QStringLiteral(".5");
        lines[2] = QStringLiteral("12,5");
        lines[3] = QStringLiteral("abc");
        lines[4] = QStringLiteral(" 7 ");
        QVERIFY(TextFile::writeLines(PrintLayoutFile::path(dir.path()), lines));
        PrintLayout layout;
        ChargeParaImp(layout, dir.path());
        QCOMPARE(layout.ParaImpX[1], QStringLiteral(".5"));
        QCOMPARE(layout.x(1), 0.5);
        QCOMPARE(layout.x(2), 12.0);
        QCOMPARE(layout.x(3), 0.0);
        QCOMPARE(layout.ParaImpX[4], QStringLiteral(" 7 ")); // blanks kept as read
        QCOMPARE(layout.x(4), 7.0);
        QCOMPARE(layout.x(92), 0.0); // empty
    }

    void calibrationValuesAreWrittenInLayoutForm()
    {
        QCOMPARE(NumberText::layoutText(0.5), QStringLiteral(".5"));
        QCOMPARE(NumberText::layoutText(-0.5), QStringLiteral("-.5"));
        QCOMPARE(NumberText::layoutText(63), QStringLiteral("63"));
        QCOMPARE(NumberText::layoutText(165.6), QStringLiteral("165.6"));
        QCOMPARE(NumberText::layoutText(0.1 + 0.2), QStringLiteral(".3"));
        QCOMPARE(NumberText::layoutText(29.5 - 29.5 - 1e-12), QStringLiteral("0"));
    }

    void defaultsRoutinesTouchOnlyTheirSide()
    {
        PrintLayout layout = numbered();
        layout.DefautParaImp();
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("60"));
        QCOMPARE(layout.ParaImpY[73], QStringLiteral("75"));
        QCOMPARE(layout.ParaImpX[53], QStringLiteral("0"));
        QCOMPARE(layout.ParaImpY[53], QStringLiteral("4.3"));
        QCOMPARE(layout.ParaImpX[95], QStringLiteral("0"));
        for (int i = 74; i < PrintItems::Count; ++i)
            if (i != 95) {
                QCOMPARE(layout.ParaImpX[i], numbered().ParaImpX[i]);
                QCOMPARE(layout.ParaImpY[i], numbered().ParaImpY[i]);
            }

        layout = numbered();
        layout.DefautParaImpVerso();
        QCOMPARE(layout.ParaImpY[95], QStringLiteral("0"));
        QCOMPARE(layout.ParaImpX[95], QStringLiteral("195"));
        QCOMPARE(layout.ParaImpX[92], QStringLiteral("192"));
        QCOMPARE(layout.ParaImpY[92], QStringLiteral("292"));
        QCOMPARE(layout.ParaImpX[90], QStringLiteral("110"));
        QCOMPARE(layout.ParaImpY[102], QStringLiteral("129.7"));
        for (int i = 0; i <= 73; ++i)
            QCOMPARE(layout.ParaImpX[i], numbered().ParaImpX[i]);
    }

    void factoryFileHoldsTheDefaultsOfBothSides()
    {
        const QString factory = QStringLiteral(":/factory/DataBul/ParametresImp.txt");
        QFile file(factory);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), TextFile::joinLines(PrintLayoutFile::lines(defaults())));
    }
};

KERBO_TEST(PrintLayoutFileTest)
#include "PrintLayoutFileTest.moc"
