#include "ui/startup/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// The few texts that Qt's French catalogue lacks: the kinds of entry in the file dialogs'
// "Type" column.
class CatalogueGaps : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return QString();
        static constexpr struct {
            const char *english;
            const char *french;
        } kinds[] = {{"Drive", "Lecteur"},
                     {"Folder", "Dossier"},
                     {"File", "Fichier"},
                     {"Shortcut", "Raccourci"},
                     {"Unknown", "Inconnu"}};
        for (const auto &kind : kinds)
            if (qstrcmp(sourceText, kind.english) == 0) return QString::fromUtf8(kind.french);
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
