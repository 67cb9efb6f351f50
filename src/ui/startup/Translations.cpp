#include "ui/startup/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// The few texts that Qt's French catalogue lacks: the kinds of entry in the file dialogs'
// "Type" column, the printer's own properties window, the print dialog's options and its
// messages, and the password window of a print server that asks who prints.
class CatalogueGaps : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        static constexpr struct {
            const char *context;
            const char *english;
            const char *french;
        } gaps[] = {
            {"QAbstractFileIconProvider", "Drive", "Lecteur"},
            {"QAbstractFileIconProvider", "Folder", "Dossier"},
            {"QAbstractFileIconProvider", "File", "Fichier"},
            {"QAbstractFileIconProvider", "Shortcut", "Raccourci"},
            {"QAbstractFileIconProvider", "Unknown", "Inconnu"},
            {"QPrintPropertiesDialog", "Printer Properties", "Propriétés de l'imprimante"},
            {"QPrintPropertiesWidget", "Advanced", "Avancé"},
            {"QCupsPrinterSupport", "Authentication Needed", "Authentification requise"},
            {"QCupsPrinterSupport", "Authentication needed to use %1.",
             "Authentification requise pour utiliser %1."},
            {"QCupsPrinterSupport", "Authentication needed to use %1 on %2.",
             "Authentification requise pour utiliser %1 sur %2."},
            {"QCupsPrinterSupport", "Username:", "Nom d'utilisateur :"},
            {"QCupsPrinterSupport", "Password:", "Mot de passe :"},
            {"QPrintSettingsOutput", "Double Sided Printing", "Impression recto verso"},
            {"QPrintSettingsOutput", "Off", "Non"},
            {"QPrintSettingsOutput", "Long side binding", "Reliure bord long"},
            {"QPrintSettingsOutput", "Short side binding", "Reliure bord court"},
            {"QPrintSettingsOutput",
             "Specify pages or ranges separated by commas. Ranges are specified by two "
             "numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             "Indiquez des pages ou des séries de pages séparées par des virgules. Une "
             "série se donne par deux nombres séparés par un tiret. Exemple : 3,5-7,9 "
             "imprime les pages 3, 5, 6, 7 et 9."},
            {"QPrintDialog", "Invalid Pages Definition", "Pages mal indiquées"},
            {"QPrintDialog",
             "%1 does not follow the correct syntax. Please use ',' to separate ranges "
             "and pages, '-' to define ranges and make sure ranges do not intersect with "
             "each other.",
             "%1 n'est pas écrit correctement. Séparez les pages et les séries de pages "
             "par des virgules, donnez une série par deux nombres séparés par un tiret, "
             "et veillez à ce que les séries ne se chevauchent pas."},
            {"QPrintDialog", "Duplex Settings Conflicts", "Conflit dans l'impression recto verso"},
            {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
             "Les réglages de l'impression recto verso sont en conflit. Voulez-vous les "
             "corriger ?"},
            {"QPrintDialog", "There are conflicts in some options. Please fix them.",
             "Des options sont en conflit. Veuillez les corriger."},
            {"QPrintPropertiesDialog", "Page Setup Conflicts", "Conflit dans la mise en page"},
            {"QPrintPropertiesDialog",
             "There are conflicts in page setup options. Do you want to fix them?",
             "Des options de mise en page sont en conflit. Voulez-vous les corriger ?"},
            {"QPrintPropertiesDialog", "Advanced Option Conflicts",
             "Conflit dans les options avancées"},
            {"QPrintPropertiesDialog",
             "There are conflicts in some advanced options. Do you want to fix them?",
             "Des options avancées sont en conflit. Voulez-vous les corriger ?"}};
        for (const auto &gap : gaps)
            if (qstrcmp(context, gap.context) == 0 && qstrcmp(sourceText, gap.english) == 0)
                return QString::fromUtf8(gap.french);
        return QString();
    }
};

} // namespace

bool installFrenchTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCoreApplication::installTranslator(new CatalogueGaps(&app));
    return QCoreApplication::installTranslator(translator);
}
