#include "TestMain.h"

#include "app/ScreenLayout.h"
#include "app/StartUpMessages.h"

using Outcome = LayoutChoice::Outcome;
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(EditorLayout)

class ScreenLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<EditorLayout>("layout");
        QTest::addColumn<int>("keptWidth");
        QTest::addColumn<int>("keptDpi");
        QTest::addColumn<bool>("flagAfter");

        const auto open = Outcome::OpenEditor;
        const auto e1024 = EditorLayout::Editor1024, e800 = EditorLayout::Editor800,
                   large = EditorLayout::LargeFont, none = EditorLayout::None;
        // The named cases.
        QTest::newRow("1024 flag off") << 1024 << 768 << 96 << false << open << e1024 << 1024 << 96 << false;
        QTest::newRow("1024 flag on") << 1024 << 768 << 96 << true << open << e800 << 800 << 96 << true;
        QTest::newRow("800 flag off") << 800 << 600 << 96 << false << open << e800 << 800 << 96 << false;
        QTest::newRow("800 flag on") << 800 << 600 << 96 << true << open << e800 << 800 << 96 << false;
        QTest::newRow("large fonts") << 1280 << 1024 << 120 << false << open << large << 1280 << 120 << false;
        // The two messages.
        QTest::newRow("640 at 96") << 640 << 480 << 96 << false << Outcome::ResolutionMessage << none << 640 << 96 << false;
        QTest::newRow("1280 at 144") << 1280 << 1024 << 144 << false << Outcome::FontMessage << none << 1280 << 144 << false;
        QTest::newRow("800 at 121") << 800 << 600 << 121 << false << Outcome::FontMessage << none << 800 << 121 << false;
        // Cases no rule names: the nearest layout, or the resolution message when none fits.
        QTest::newRow("640 at 120") << 640 << 480 << 120 << false << Outcome::ResolutionMessage << none << 640 << 120 << false;
        QTest::newRow("900 wide") << 900 << 700 << 96 << false << open << e800 << 800 << 96 << false;
        QTest::newRow("800 at 110") << 800 << 600 << 110 << false << open << e800 << 800 << 96 << false;
        QTest::newRow("1024 at 98") << 1024 << 768 << 98 << false << open << e1024 << 1024 << 98 << false;
        QTest::newRow("1024 at 100 flag on") << 1024 << 768 << 100 << true << open << e800 << 800 << 96 << true;
    }

    void choice()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, dpi);
        QFETCH(bool, flag);
        QFETCH(Outcome, outcome);
        QFETCH(EditorLayout, layout);
        QFETCH(int, keptWidth);
        QFETCH(int, keptDpi);
        QFETCH(bool, flagAfter);
        const LayoutChoice c = chooseLayout(ScreenMetrics{width, height, dpi}, flag);
        QCOMPARE(c.outcome, outcome);
        QCOMPARE(c.layout, layout);
        QCOMPARE(c.kept.width, keptWidth);
        QCOMPARE(c.kept.height, height);
        QCOMPARE(c.kept.dpi, keptDpi);
        QCOMPARE(c.scaleFlag, flagAfter);
        if (outcome == Outcome::OpenEditor)
            QCOMPARE(layoutForMetrics(c.kept), layout);
    }

    void screenMessages()
    {
        QCOMPARE(StartUpMessages::resolutionTitle(),
                 QString::fromUtf8("Kerbo ne fonctionne pas sous cette résolution d'écran !!"));
        QCOMPARE(StartUpMessages::resolutionText({640, 480, 96}),
                 QString::fromUtf8(
                     "Vous êtes en résolution écran  640/480 pixels .\r\n"
                     "Kerbo ne peux pas fonctionner sous cette résolution d'écran.\r\n"
                     "Vous devez augmenter la résolution graphique de votre écran.\r\n"
                     "\r\n"
                     "Voici comment procéder :\r\n"
                     "1_ Cliquez sur une partie libre du bureau avec le bouton droit de la souris.\r\n"
                     "2_ Sur la fenêtre qui apparait cliquez sur Propriétés et ensuite sur l'onglet Paramétres.\r\n"
                     "3_ Dans le cadre zone d'écran pousser le curseur vers plus (minimum 800/600).\r\n"
                     "4_ Cliquez sur le bouton OK.\r\n"
                     "\r\n"
                     "Un redémarrage de l'ordinateur sera peut-être nécessaire."));
        QCOMPARE(StartUpMessages::fontTitle(),
                 QString::fromUtf8("Kerbo ne fonctionne pas sous cette définition de police !!"));
        QCOMPARE(StartUpMessages::fontText({1280, 1024, 144}),
                 QString::fromUtf8(
                     "Vous êtes en résolution écran 1280/1024 et en grande police superieur à 120 dpi.\r\n"
                     "Kerbo ne peux pas fonctionner sous cette définition de police.\r\n"
                     "Vous devez réduire la taille de la police à 120 dpi (taille maxi).\r\n"
                     "\r\n"
                     "Voici comment proceder :\r\n"
                     "1_ Cliquez sur une partie libre du bureau avec le bouton droit de la souris.\r\n"
                     "2_ Sur la fenêtre qui apparait cliquez sur Propriétés et ensuite sur l'onglet Paramétres.\r\n"
                     "3_ Cliquez sur Avancé et dans le cadre Taille de la police cliquez le triangle noire.\r\n"
                     "4_ Selectionnez alors dans la liste déroulante Grandes polices et cliquez OK.\r\n"
                     "\r\n"
                     "Un redémarrage de l'ordinateur sera peut-être nécessaire."));
        QCOMPARE(StartUpMessages::splashResolution({1024, 768, 96}),
                 QString::fromUtf8("Résolution écran 1024 / 768  pixels"));
    }
};

KERBO_TEST(ScreenLayoutTest)
#include "ScreenLayoutTest.moc"
