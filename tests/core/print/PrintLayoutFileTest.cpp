#include "TestMain.h"

#include "core/base/NumberText.h"
#include "core/base/TextFile.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintLayoutFile.h"

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

PrintLayout load(const QString &folder, PrintLayout layout = {})
{
    ChargeParaImp(layout, folder);
    return layout;
}

} // namespace

class PrintLayoutFileTest : public QObject
{
    Q_OBJECT
private slots:
    void saveThenLoadGivesTheSameTables()
    {
        QTemporaryDir dir;
        PrintLayout saved = numbered();
        saved.ParaImpX[7] = QStringLiteral(" 17 "); // trimmed on save
        QVERIFY(SauveParametresImp(saved, dir.path()));
        QFile file(PrintLayoutFile::path(dir.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        // 203 lines ending in CR LF: X of every item but the pitches 53..55, then Y of every item.
        QCOMPARE(lines.size(), 204);
        QCOMPARE((QList<QByteArray>{lines[7], lines[52], lines[53], lines[100], lines[202]}),
                 (QList<QByteArray>{"17\r", "152\r", "156\r", "20\r", "2102\r"}));

        const PrintLayout loaded = load(dir.path(), saved); // keeps X of 53..55, not in the file
        saved.ParaImpX[7] = QStringLiteral("17");
        QCOMPARE(loaded, saved);
    }

    // A short file fills what it holds, the rest keeps its values; the text is kept as read,
    // blanks included, and read as a number where one is needed.
    void shortOrMissingFileLoadsWhatItHolds()
    {
        QTemporaryDir dir;
        QStringList lines = PrintLayoutFile::lines(numbered()).mid(0, 150);
        lines[1] = QStringLiteral(".5");
        lines[2] = QStringLiteral("12,5");
        lines[3] = QStringLiteral("abc");
        lines[4] = QStringLiteral(" 7 ");
        lines[5] = QString();
        QVERIFY(TextFile::writeLines(PrintLayoutFile::path(dir.path()), lines));
        PrintLayout layout = load(dir.path(), defaults());
        QCOMPARE(layout.ParaImpX[1] + u'|' + layout.ParaImpX[4], QStringLiteral(".5| 7 "));
        QCOMPARE((QList<double>{layout.x(1), layout.x(2), layout.x(3), layout.x(4), layout.x(5)}),
                 (QList<double>{0.5, 12, 0, 7, 0}));
        // All of X, and Y of items 0..49.
        for (int i = 6; i < PrintItems::Count; ++i) {
            QCOMPARE(layout.ParaImpX[i], (i < 53 || i > 55 ? numbered() : defaults()).ParaImpX[i]);
            QCOMPARE(layout.ParaImpY[i], (i <= 49 ? numbered() : defaults()).ParaImpY[i]);
        }
        QCOMPARE(load(dir.path() + QStringLiteral("/absent"), layout), layout);
    }

    // A file missing (or unreadable) at the first try is read when it is there at the next one;
    // a layout in memory is not read over.
    void layoutIsReadUntilItHoldsTheName()
    {
        QTemporaryDir dir;
        PrintLayout layout;
        ensureLoaded(layout, dir.path());
        QVERIFY(layout.ParaImpX[1].isEmpty());
        QVERIFY(SauveParametresImp(numbered(), dir.path()));
        ensureLoaded(layout, dir.path());
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("11"));
        layout.ParaImpX[1] = QStringLiteral("60");
        ensureLoaded(layout, dir.path());
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("60"));
    }

    // A file put in place by another program (a sync, a copy made in the file manager) is read
    // at the next use, rather than written over later with the tables read at the start.
    void fileReplacedOnDiskIsReadAgain()
    {
        QTemporaryDir dir;
        PrintLayout layout;
        QVERIFY(SauveParametresImp(defaults(), dir.path()));
        ensureLoaded(layout, dir.path());
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("60"));
        QStringList replaced = PrintLayoutFile::lines(numbered());
        replaced[1] = QStringLiteral("71.5");
        QVERIFY(TextFile::writeLines(PrintLayoutFile::path(dir.path()), replaced));
        ensureLoaded(layout, dir.path());
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("71.5"));
        // Gone, or cut short by a sync at work: what it no longer holds is kept.
        QVERIFY(QFile::remove(PrintLayoutFile::path(dir.path())));
        ensureLoaded(layout, dir.path());
        QVERIFY(TextFile::writeLines(PrintLayoutFile::path(dir.path()), {}));
        ensureLoaded(layout, dir.path());
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("71.5"));
    }

    void numbersAreWrittenInLayoutForm()
    {
        // Calibration values show the usual forms; here the traps of binary fractions.
        const std::pair<double, const char *> cases[] = {
            {-0.5, "-.5"}, {165.6, "165.6"}, {0.1 + 0.2, ".3"}, {-1e-12, "0"}};
        for (auto [value, text] : cases)
            QCOMPARE(NumberText::layoutText(value), QLatin1String(text));
    }

    // The factory file holds the defaults; each routine sets only the items of its side.
    void defaultsOfEachSide()
    {
        QFile file(QStringLiteral(":/factory/DataBul/ParametresImp.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), TextFile::joinLines(PrintLayoutFile::lines(defaults())));

        PrintLayout recto = numbered(), verso = numbered();
        recto.DefautParaImp();
        verso.DefautParaImpVerso();
        PrintLayout wantRecto = numbered(), wantVerso = numbered();
        const PrintLayout d = defaults();
        for (int i = 0; i < PrintItems::Count; ++i) {
            if (i <= 73 || i == 95) {
                wantRecto.ParaImpX[i] = d.ParaImpX[i];
                wantRecto.ParaImpY[i] = d.ParaImpY[i];
            } else if (i != 92) {
                wantVerso.ParaImpX[i] = d.ParaImpX[i];
            }
            if (i >= 74 && i != 92)
                wantVerso.ParaImpY[i] = d.ParaImpY[i];
        }
        QCOMPARE(recto, wantRecto);
        QCOMPARE(verso, wantVerso);
        QCOMPARE(recto.ParaImpX[53], QStringLiteral("0")); // a pitch: not in the file
    }
};

KERBO_TEST(PrintLayoutFileTest)
#include "PrintLayoutFileTest.moc"
