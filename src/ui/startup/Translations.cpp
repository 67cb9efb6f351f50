#include "ui/startup/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// The few texts that Qt's French catalogue lacks: the kinds of entry in the file dialogs'
// "Type" column, the printer's own properties window, and the password window of a print
// server that asks who prints.
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
        } gaps[] = {{"QAbstractFileIconProvider", "Drive", "Lecteur"},
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
                    {"QCupsPrinterSupport", "Password:", "Mot de passe :"}};
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
