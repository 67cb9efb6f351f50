#include "TestMain.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "TempDataFolder.h"
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
        QTest::newRow("whole mm") << "63"
                                  << "630"
                                  << "630" << 630 << "63";
        QTest::newRow("tenths") << "107.9"
                                << "1079"
                                << "125" << 125 << "12.5";
        QTest::newRow("below one") << ".5"
                                   << "5"
                                   << "5" << 5 << ".5";
        QTest::newRow("negative") << "-.5"
                                  << "-5"
                                  << "-5" << -5 << "-.5";
        QTest::newRow("hundredths cut") << "12.35"
                                        << "123.5"
                                        << "123.9" << 123 << "12.3";
        QTest::newRow("empty and letters") << ""
                                           << "0"
                                           << "abc" << 0 << "0";
        QTest::newRow("blanks and trailing text") << " 6.5 "
                                                  << "65"
                                                  << " 42mm" << 42 << "4.2";
    }
    void windowValuesAreTenthsOfTheLayout()
    {
        QFETCH(QString, layout);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(int, slider);
        QFETCH(QString, stored);
        QCOMPARE(Calibration::tenthsText(layout), shown);
        QCOMPARE(Calibration::sliderValue(typed), slider);
        PrintLayout l;
        Calibration::store(l, 1, slider, 0);
        QCOMPARE(l.ParaImpX[1], stored);
        QCOMPARE(l.ParaImpY[1], QStringLiteral("0"));
    }

    void slidersHoldTheirBounds()
    {
        using W = Calibration::Window;
        QCOMPARE(Calibration::bounds(W::FramePosition).x.clamp(3000), 2970);
        QCOMPARE(Calibration::bounds(W::FramePosition).y.clamp(-1), 0);
        QCOMPARE(Calibration::bounds(W::FramePosition).y.clamp(2500), 2100);
        QCOMPARE(Calibration::bounds(W::Shift).x.clamp(-2000), -1900);
        QCOMPARE(Calibration::bounds(W::Shift).y.clamp(-60), -50);
        QCOMPARE(Calibration::bounds(W::Shift).y.clamp(1901), 1900);
        QCOMPARE(Calibration::bounds(W::Centring).x.clamp(-51), -50);
        QCOMPARE(Calibration::bounds(W::Centring).y.clamp(51), 50);
    }

    void spacingIsStoredByTitleThenTheLineLengthChecked_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("lengthBefore");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("isX");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("result");
        using R = Calibration::SpacingResult;
        QTest::newRow("comma") << CharPitch << "110"
                               << "7,5" << 53 << false << "7.5" << int(R::Stored);
        QTest::newRow("B2 rows, blanks") << "REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES B2"
                                         << "110"
                                         << " 5.8 " << 54 << false << "5.8" << int(R::Stored);
        QTest::newRow("train lines, below one")
            << "REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES C"
            << "110"
            << "0,5" << 55 << false << ".5" << int(R::Stored);
        QTest::newRow("verso lines") << LineSpacing << "110"
                                     << "4" << 90 << false << "4" << int(R::Stored);
        QTest::newRow("length 15 stays stored") << LineLength << "110"
                                                << "15" << 90 << true << "15" << int(R::TooLow);
        QTest::newRow("length 111") << LineLength << "110"
                                    << "111" << 90 << true << "111" << int(R::TooHigh);
        QTest::newRow("length 20") << LineLength << "110"
                                   << "20" << 90 << true << "20" << int(R::Stored);
        QTest::newRow("length 110,0") << LineLength << "50"
                                      << "110,0" << 90 << true << "110" << int(R::Stored);
        // The line length is checked whatever the window.
        QTest::newRow("pitch with a bad length")
            << CharPitch << "150"
            << "4.3" << 53 << false << "4.3" << int(R::TooHigh);
        QTest::newRow("not a number") << CharPitch << "110"
                                      << "abc" << 53 << false << "4.3" << int(R::NotANumber);
        QTest::newRow("empty") << LineSpacing << "110"
                               << "" << 90 << false << "4" << int(R::NotANumber);
    }
    void spacingIsStoredByTitleThenTheLineLengthChecked()
    {
        QFETCH(QString, title);
        QFETCH(QString, lengthBefore);
        QFETCH(QString, typed);
        QFETCH(int, item);
        QFETCH(bool, isX);
        QFETCH(QString, stored);
        QFETCH(int, result);
        PrintLayout layout = factoryLayout();
        layout.ParaImpX[90] = lengthBefore;
        const PrintLayout before = layout;
        QCOMPARE(int(Calibration::storeSpacing(layout, title, typed)), result);
        QCOMPARE((isX ? layout.ParaImpX : layout.ParaImpY)[size_t(item)], stored);
        // Nothing else moves.
        (isX ? layout.ParaImpX : layout.ParaImpY)[size_t(item)] =
            (isX ? before.ParaImpX : before.ParaImpY)[size_t(item)];
        QVERIFY(layout == before);
    }

    void spacingWindowShowsItsOwnValue()
    {
        const PrintLayout layout = factoryLayout();
        QCOMPARE(Calibration::spacingValue(layout, CharPitch), QStringLiteral("4.3"));
        QCOMPARE(Calibration::spacingValue(layout, LineSpacing), QStringLiteral("4"));
        QCOMPARE(Calibration::spacingValue(layout, LineLength), QStringLiteral("110"));
        QCOMPARE(Calibration::spacingValue(layout, u"REGLAGE PRECIS DU CADRE NOM"), QString());
    }

    void outOfRangeLengthMessages()
    {
        FakePrompts prompts;
        Calibration::reportSpacing(prompts, Calibration::SpacingResult::TooHigh);
        Calibration::reportSpacing(prompts, Calibration::SpacingResult::TooLow);
        Calibration::reportSpacing(prompts, Calibration::SpacingResult::Stored);
        QCOMPARE(prompts.calls.size(), 2);
        QCOMPARE(prompts.calls[0].text, QStringLiteral("VALEUR SUPERIEURE A 110 RECOMMANCEZ SVP"));
        QCOMPARE(prompts.calls[1].text, QStringLiteral("VALEUR INFERIEURE A 20 RECOMMANCEZ SVP"));
        for (const FakePrompts::Call &c : prompts.calls) {
            QCOMPARE(c.title, QStringLiteral("Kerbo"));
            QCOMPARE(c.icon, Prompts::Icon::Exclamation);
        }
    }

    void defaultsRestoreOneSideAndSaySo()
    {
        PrintLayout layout = factoryLayout();
        for (int i = 0; i < 103; ++i)
            layout.ParaImpX[size_t(i)] = layout.ParaImpY[size_t(i)] = QStringLiteral("7");
        FakePrompts prompts;
        Calibration::restoreDefaults(layout, Calibration::Side::Recto, prompts);
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("60"));
        QCOMPARE(layout.ParaImpY[95], QStringLiteral("0"));
        QCOMPARE(layout.ParaImpX[74], QStringLiteral("7"));
        QCOMPARE(prompts.last().title, QStringLiteral("PARAMETRES IMPRIMANTE RECTO RETABLIS"));
        QCOMPARE(prompts.last().text,
                 QString::fromUtf16(u"Les paramétres par défaut de l'imprimante côté récto sont "
                                    u"rétablis"));
        QCOMPARE(prompts.last().icon, Prompts::Icon::Information);

        layout.ParaImpX[95] = layout.ParaImpY[95] = QStringLiteral("2");
        Calibration::restoreDefaults(layout, Calibration::Side::Verso, prompts);
        QCOMPARE(layout.ParaImpX[74], QStringLiteral("14"));
        QCOMPARE(layout.ParaImpY[95], QStringLiteral("0")); // the recto's vertical centring too
        QCOMPARE(layout.ParaImpX[95], QStringLiteral("2"));
        QCOMPARE(prompts.last().title, QStringLiteral("PARAMETRES IMPRIMANTE VERSO RETABLIS"));
        QCOMPARE(prompts.last().text,
                 QString::fromUtf16(u"Les paramétres par défaut de l'imprimante côté verso sont "
                                    u"rétablis"));
    }

    void cancelPutsBackTheTextsFoundOnOpening()
    {
        PrintLayout layout = factoryLayout();
        layout.ParaImpY[95] = QStringLiteral(" 1.25");
        const Calibration::Remembered opening = Calibration::remember(layout, 95);
        Calibration::storeY(layout, 95, -12);
        Calibration::storeX(layout, 95, 3);
        QCOMPARE(layout.ParaImpY[95], QStringLiteral("-1.2"));
        Calibration::restore(layout, opening);
        QCOMPARE(layout.ParaImpY[95], QStringLiteral(" 1.25"));
        QCOMPARE(layout.ParaImpX[95], QStringLiteral("0"));
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
    }

    void centringInfoLinesAreJoinedWithCrLf()
    {
        FakePrompts prompts;
        Calibration::showCentringInfo(prompts);
        QCOMPARE(prompts.last().title, QStringLiteral("Information"));
        const QStringList lines = prompts.last().text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.first(),
                 QString::fromUtf16(u"Des défauts de cadrage des bulletins provenant de "
                                    u"l'imprimerie "));
        QCOMPARE(lines.last(),
                 QString::fromUtf16(u"ne seront constatées que sur un bulletin imprimé."));
        QVERIFY(!prompts.last().text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    }

    void everyPrintedFrameHasOneChooserButton()
    {
        const auto itemsOf = [](Calibration::Side side) {
            std::multiset<int> items;
            for (const ChooserFrames::Button &b : ChooserFrames::buttons(side))
                items.insert(b.item);
            return items;
        };
        std::multiset<int> recto, verso;
        for (int i = 1; i <= 73; ++i)
            if (i < 53 || i > 55) recto.insert(i);
        for (int i : {74, 75, 76, 77, 78, 79, 80, 81, 82,  83,  84, 85,
                      86, 87, 88, 89, 91, 97, 98, 99, 100, 101, 102})
            verso.insert(i);
        QVERIFY(itemsOf(Calibration::Side::Recto) == recto);
        QVERIFY(itemsOf(Calibration::Side::Verso) == verso);
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
        QVERIFY(folder.state.printLayout.loaded);
        QCOMPARE(PrintLayoutFile::lines(folder.state.printLayout),
                 PrintLayoutFile::lines(calibrated));
    }
};

KERBO_TEST(CalibrationTest)
#include "CalibrationTest.moc"
