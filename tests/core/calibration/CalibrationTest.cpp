#include "TestMain.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "FileSizeLimit.h"
#include "TempDataFolder.h"
#include "core/base/TextFile.h"
#include "core/calibration/Calibration.h"
#include "core/calibration/ChooserFrames.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintLayoutFile.h"
#include "core/startup/EditorStage.h"

#include <set>

namespace {

PrintLayout factoryLayout()
{
    PrintLayout layout;
    layout.DefautParaImp();
    layout.DefautParaImpVerso();
    return layout;
}

const QString CharPitch = QStringLiteral("REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES");
const QString LineSpacing = QStringLiteral("REGLAGE PRECIS DE L'ESPACE ENTRE LES LIGNES");
const QString LineLength = QStringLiteral("LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN");

} // namespace

class CalibrationTest : public QObject
{
    Q_OBJECT
private slots:
    void windowValuesAreTenthsOfTheLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *name, const char *layout, const char *shown,
                            const char *typed, int slider, const char *stored) {
            QTest::newRow(name) << QString(layout) << QString(shown) << QString(typed) << slider
                                << QString(stored);
        };
        row("whole mm", "63", "630", "630", 630, "63");
        row("tenths", "107.9", "1079", "125", 125, "12.5");
        row("below one", ".5", "5", "5", 5, ".5");
        row("negative", "-.5", "-5", "-5", -5, "-.5");
        row("hundredths cut", "12.35", "123.5", "123.9", 123, "12.3");
        row("empty and letters", "", "0", "abc", 0, "0");
        row("blanks and trailing text", " 6.5 ", "65", " 42mm", 42, "4.2");
    }
    void windowValuesAreTenthsOfTheLayout()
    {
        QFETCH(QString, layout);
        QFETCH(QString, typed);
        QFETCH(int, slider);
        QTEST(Calibration::tenthsText(layout), "shown");
        QCOMPARE(Calibration::sliderValue(typed), slider);
        PrintLayout l;
        Calibration::store(l, 1, slider, 0);
        QTEST(l.ParaImpX[1], "stored");
    }

    // Item -90 stands for the X of item 90, the line length.
    void spacingIsStoredByTitleThenTheLineLengthChecked_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        const QString high = QStringLiteral("VALEUR SUPERIEURE A 110 RECOMMANCEZ SVP");
        const QString low = QStringLiteral("VALEUR INFERIEURE A 20 RECOMMANCEZ SVP");
        const QString notANumber = QStringLiteral("LA VALEUR ENTREE N'EST PAS UN NOMBRE.");
        const auto row = [](const char *name, const QString &title, const char *length,
                            const char *typed, int item, const char *stored, const QString &m) {
            QTest::newRow(name) << title << QString::fromLatin1(length)
                                << QString::fromLatin1(typed) << item << QString::fromLatin1(stored)
                                << m;
        };
        row("comma", CharPitch, "110", "7,5", 53, "7.5", {});
        row("B2 rows, blanks",
            QStringLiteral("REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES B2"), "110", " 5.8 ",
            54, "5.8", {});
        row("train lines, below one",
            QStringLiteral("REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES C"), "110", "0,5", 55,
            "0.5", {});
        row("kept as typed", CharPitch, "110", "4,30", 53, "4.30", {});
        row("a number and more", CharPitch, "110", " 4,35 mm", 53, "4.35", {});
        row("verso lines", LineSpacing, "110", "4", 90, "4", {});
        row("length 15 stays stored", LineLength, "110", "15", -90, "15", low);
        row("length 111", LineLength, "110", "111", -90, "111", high);
        row("length 20", LineLength, "110", "20", -90, "20", {});
        row("length 110,0", LineLength, "50", "110,0", -90, "110.0", {});
        // The line length is checked whatever the window.
        row("pitch with a bad length", CharPitch, "150", "4.3", 53, "4.3", high);
        row("not a number", CharPitch, "110", "abc", 53, "4.3", notANumber);
        row("empty", LineSpacing, "110", "", 90, "4", notANumber);
    }
    void spacingIsStoredByTitleThenTheLineLengthChecked()
    {
        QFETCH(QString, title);
        QFETCH(QString, length);
        QFETCH(QString, typed);
        QFETCH(int, item);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        PrintLayout layout = factoryLayout();
        layout.ParaImpX[90] = length;
        const PrintLayout before = layout;
        FakePrompts prompts;
        Calibration::reportSpacing(prompts, Calibration::storeSpacing(layout, title, typed));
        QCOMPARE(prompts.calls.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(prompts.last().text.section(u'\r', 0, 0), message);
            QCOMPARE(prompts.last().title, QStringLiteral("Kerbo"));
            QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
        }
        auto &table = item < 0 ? layout.ParaImpX : layout.ParaImpY;
        const size_t i = size_t(std::abs(item));
        QCOMPARE(table[i], stored);
        table[i] = (item < 0 ? before.ParaImpX : before.ParaImpY)[i];
        QVERIFY(layout == before); // nothing else moves
    }

    // Which items each side restores is checked with the layout file; here the right side.
    void defaultsRestoreOneSideAndSaySo()
    {
        PrintLayout layout;
        layout.ParaImpX.fill(QStringLiteral("7"));
        FakePrompts prompts;
        Calibration::restoreDefaults(layout, PrintSide::Recto, prompts);
        QCOMPARE(layout.ParaImpX[1] + u'|' + layout.ParaImpX[74], QStringLiteral("60|7"));
        QCOMPARE(prompts.last().title, QStringLiteral("PARAMETRES IMPRIMANTE RECTO RETABLIS"));
        QCOMPARE(prompts.last().text,
                 QString::fromUtf16(u"Les paramétres par défaut de l'imprimante côté récto sont "
                                    u"rétablis"));
        QCOMPARE(prompts.last().icon, Prompts::Icon::Information);

        Calibration::restoreDefaults(layout, PrintSide::Verso, prompts);
        QCOMPARE(layout.ParaImpX[74], QStringLiteral("14"));
        QCOMPARE(prompts.last().title, QStringLiteral("PARAMETRES IMPRIMANTE VERSO RETABLIS"));
        QCOMPARE(prompts.last().text,
                 QString::fromUtf16(u"Les paramétres par défaut de l'imprimante côté verso sont "
                                    u"rétablis"));
    }

    void saveReadsBackOrKeepsMemoryOnFailure()
    {
        TempDataFolder folder;
        PrintLayout layout = factoryLayout();
        layout.ParaImpX[1] = QStringLiteral(" 61 ");
        FakePrompts prompts;
        QVERIFY(Calibration::saveAndReload(layout, folder.dataFolder(), prompts));
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("61")); // memory holds what the file holds
        QVERIFY(prompts.calls.isEmpty());

        // No data folder to write in: reported, memory keeps the driver's values.
        TempDataFolder gone;
        QDir(gone.dataFolder()).removeRecursively();
        layout.ParaImpX[1] = QStringLiteral("62");
        QVERIFY(!Calibration::saveAndReload(layout, gone.dataFolder(), prompts));
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("62"));
        QCOMPARE(prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QVERIFY(prompts.last().text.startsWith(
            QStringLiteral("LES PARAMETRES DE L'IMPRIMANTE N'ONT PAS ETE SAUVEGARDES.\r\n")));

        // The disk fills up during the save: the driver's file stays as it was, byte for byte.
        const QByteArray before = folder.read(QStringLiteral("ParametresImp.txt"));
        layout.ParaImpX[1] = QStringLiteral("63");
        {
            FileSizeLimit full(64);
            QVERIFY(!Calibration::saveAndReload(layout, folder.dataFolder(), prompts));
        }
        QCOMPARE(folder.read(QStringLiteral("ParametresImp.txt")), before);
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("63"));
        QCOMPARE(prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QVERIFY(prompts.last().text.endsWith(
            QString::fromUtf16(u"Le fichier ParametresImp.txt reste tel qu'il était. Les réglages "
                               u"changés restent en usage jusqu'à la fermeture de Kerbo, puis "
                               u"seront perdus.")));

        // A file too large for the loading, which left the tables as they were: the driver's
        // calibration may be in it, and the tables are not written over it.
        QByteArray large = before;
        large.append(QByteArray(TextFile::MaxLayoutBytes, ' '));
        folder.write(QStringLiteral("ParametresImp.txt"), large);
        PrintLayout unloaded;
        ChargeParaImp(unloaded, folder.dataFolder());
        QVERIFY(!Calibration::saveAndReload(unloaded, folder.dataFolder(), prompts));
        QCOMPARE(folder.read(QStringLiteral("ParametresImp.txt")), large);
        QVERIFY(prompts.last().text.contains(QStringLiteral("ne peut pas être lu")));
    }

    void centringInfoLinesAreJoinedWithCrLf()
    {
        FakePrompts prompts;
        Calibration::showCentringInfo(prompts);
        QCOMPARE(prompts.last().title, QStringLiteral("Information"));
        const QStringList lines = prompts.last().text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 11);
        QVERIFY(!prompts.last().text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    }

    void everyPrintedFrameHasOneChooserButton()
    {
        const auto itemsOf = [](PrintSide side) {
            std::multiset<int> items;
            for (const ChooserFrames::Button &b : ChooserFrames::buttons(side))
                items.insert(b.item);
            return items;
        };
        std::multiset<int> recto, verso;
        for (int i = 1; i <= 73; ++i)
            if (i < 53 || i > 55) recto.insert(i);
        for (int i = 74; i <= 102; ++i)
            if (i <= 89 || i == 91 || i >= 97) verso.insert(i);
        QVERIFY(itemsOf(PrintSide::Recto) == recto);
        QVERIFY(itemsOf(PrintSide::Verso) == verso);
    }

    // A chooser's "Quitter" saves the whole layout: the editor reads the driver's file first.
    void editorOpeningLoadsTheLayout()
    {
        TempDataFolder folder;
        PrintLayout calibrated = factoryLayout();
        calibrated.ParaImpX[1] = QStringLiteral("61.5");
        folder.writeLines(QStringLiteral("ParametresImp.txt"), PrintLayoutFile::lines(calibrated));
        FakePrompts prompts;
        FakeView view;
        EditorStage::run(folder.state, prompts, view, {});
        QVERIFY(folder.state.printLayout.isLoaded());
        QCOMPARE(PrintLayoutFile::lines(folder.state.printLayout),
                 PrintLayoutFile::lines(calibrated));
    }
};

KERBO_TEST(CalibrationTest)
#include "CalibrationTest.moc"
