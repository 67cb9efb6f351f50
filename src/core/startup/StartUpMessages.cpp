#include "core/startup/StartUpMessages.h"

#include "core/base/Prompts.h"

#include <QDir>
#include <QStringList>

namespace StartUpMessages {

namespace {

constexpr auto lines = &Prompts::lines;

// How to reach the display settings, common to both screen messages.
const char16_t *const kClickDesktop =
    u"1_ Cliquez sur une partie libre du bureau avec le bouton droit de la souris.";
const char16_t *const kProperties = u"2_ Sur la fenêtre qui apparait cliquez sur Propriétés et "
                                    u"ensuite sur l'onglet Paramétres.";
const char16_t *const kRestart = u"Un redémarrage de l'ordinateur sera peut-être nécessaire.";

} // namespace

QString splashResolution(const ScreenMetrics &screen)
{
    return QStringLiteral("Résolution écran %1 / %2  pixels").arg(screen.width).arg(screen.height);
}

QString splashVersion(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString resolutionTitle()
{
    return QStringLiteral("Kerbo ne fonctionne pas sous cette résolution d'écran !!");
}

QString resolutionText(const ScreenMetrics &screen)
{
    // The width is written the way a number is turned into text there: with a leading blank.
    return lines({QStringLiteral("Vous êtes en résolution écran  %1/%2 pixels .")
                      .arg(screen.width)
                      .arg(screen.height),
                  QStringLiteral("Kerbo ne peux pas fonctionner sous cette résolution d'écran."),
                  QStringLiteral("Vous devez augmenter la résolution graphique de votre écran."),
                  QString(),
                  QStringLiteral("Voici comment procéder :"),
                  QString::fromUtf16(kClickDesktop),
                  QString::fromUtf16(kProperties),
                  QStringLiteral("3_ Dans le cadre zone d'écran pousser le curseur vers plus "
                                 "(minimum 800/600)."),
                  QStringLiteral("4_ Cliquez sur le bouton OK."),
                  QString(),
                  QString::fromUtf16(kRestart)});
}

QString fontTitle()
{
    return QStringLiteral("Kerbo ne fonctionne pas sous cette définition de police !!");
}

QString fontText(const ScreenMetrics &screen)
{
    return lines({QStringLiteral("Vous êtes en résolution écran %1/%2 et en grande police "
                                 "superieur à 120 dpi.")
                      .arg(screen.width)
                      .arg(screen.height),
                  QStringLiteral("Kerbo ne peux pas fonctionner sous cette définition de police."),
                  QStringLiteral("Vous devez réduire la taille de la police à 120 dpi (taille maxi)."),
                  QString(),
                  QStringLiteral("Voici comment proceder :"),
                  QString::fromUtf16(kClickDesktop),
                  QString::fromUtf16(kProperties),
                  QStringLiteral("3_ Cliquez sur Avancé et dans le cadre Taille de la police "
                                 "cliquez le triangle noire."),
                  QStringLiteral("4_ Selectionnez alors dans la liste déroulante Grandes polices "
                                 "et cliquez OK."),
                  QString(),
                  QString::fromUtf16(kRestart)});
}

QString noPrinterTitle()
{
    return QStringLiteral("Attention n'y a acune imprimante installée !!");
}

QString noPrinterText()
{
    return lines({QString(),
                  QStringLiteral("Pour que le programme fonctionne normalement "),
                  QStringLiteral("il faut qu'une imprimante soit installée par défaut."),
                  QStringLiteral("Sinon vous ne pourrez pas imprimer vos bulletins.")});
}

QString largeEditorRefusedText(const ScreenMetrics &screen)
{
    return QStringLiteral("L'éditeur agrandi demande un écran d'au moins 1024 pixels de large.\r\n"
                          "Votre écran mesure %1 x %2 pixels : l'éditeur garde son échelle.")
        .arg(screen.width)
        .arg(screen.height);
}

QString alreadyRunningText(const QString &dataFolder)
{
    return QStringLiteral("Kerbo est déjà ouvert sur le dossier de données :\r\n%1\r\n"
                          "Utilisez la fenêtre de Kerbo déjà ouverte.")
        .arg(QDir::toNativeSeparators(dataFolder));
}

} // namespace StartUpMessages
