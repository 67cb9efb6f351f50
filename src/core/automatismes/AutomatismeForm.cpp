#include "core/automatismes/AutomatismeForm.h"

#include "core/automatismes/AutomatismeStore.h"
#include "core/base/Cp1252.h"
#include "core/base/Prompts.h"
#include "core/model/EngineText.h"

using AutomatismeKeys::Fields;

AutomatismeForm::AutomatismeForm(AutomatismeStore &store, Prompts &prompts)
    : m_store(store), m_prompts(prompts)
{
}

std::optional<Automatismes::Values> AutomatismeForm::load(const QString &number)
{
    const QString trimmed = number.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    // The header exactly as written, case included; the keys are then read as any INI value.
    if (!m_store.hasLine(Cp1252::encode(u'[' + Automatismes::sectionName(trimmed) + u']')))
        return std::nullopt;
    return Automatismes::read(m_store.ini(), trimmed);
}

AutomatismeForm::Saved AutomatismeForm::save(const QString &number,
                                             const Automatismes::Values &values)
{
    const QString impossible = QStringLiteral("ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\n");
    if (number.trimmed().isEmpty()) {
        m_prompts.message(QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE TRAIN !!"),
                          impossible +
                              QStringLiteral("VEUILLEZ INSCRIRE UN NUMERO DE TRAIN DANS LE "
                                             "CADRE  \"Si le n°du train débute par :\"."),
                          Prompts::Icon::Exclamation);
        return Saved::Refused;
    }
    const Automatismes::SaveResult result = Automatismes::save(m_store, number, values);
    if (!result.ok) {
        m_prompts.message(QStringLiteral("Kerbo"), impossible + result.error,
                          Prompts::Icon::Exclamation);
        return Saved::Refused;
    }
    return result.added ? Saved::Added : Saved::Updated;
}

bool AutomatismeForm::remove(const QString &number, bool itemSelected)
{
    if (!itemSelected) {
        m_prompts.message(QStringLiteral("ATTENTION AUCUN ITEM SELECTIONNE !!"),
                          QStringLiteral("SUPPRESSION DE L'AUTOMATISME IMPOSSIBLE !! \r\n"
                                         "VEUILLEZ SELECTIONNER UN ITEM DANS  \"Liste des "
                                         "automatismes enregistrés\"."),
                          Prompts::Icon::Exclamation);
        return false;
    }
    QString error;
    if (Automatismes::remove(m_store, number.trimmed(), &error)) return true;
    m_prompts.message(QStringLiteral("Kerbo"),
                      QStringLiteral("SUPPRESSION DE L'AUTOMATISME IMPOSSIBLE !! \r\n") + error,
                      Prompts::Icon::Exclamation);
    return false;
}

QStringList AutomatismeForm::items()
{
    return Automatismes::list(m_store.bytes());
}

QString AutomatismeForm::counterLabel()
{
    return Automatismes::counterLabel(Automatismes::counter(m_store.ini()));
}

QString AutomatismeForm::leftBoxText(int field, const QString &text)
{
    const char *key = Fields[size_t(field)].key;
    const bool leading = qstrcmp(key, "EnginTitu") == 0;
    if ((!leading && qstrcmp(key, "EnginUm1") != 0 && qstrcmp(key, "EnginUm2") != 0) ||
        text.trimmed().isEmpty())
        return text;
    // The letter and the code have boxes of their own: only the number stays.
    const QString number = ExtractEngin(text, 0, 0, QString()).number;
    return leading ? number + u' ' : number;
}

QString AutomatismeForm::infoText()
{
    return QStringLiteral(
        "Pour accelerer l'inscription d'une ligne de train vous pouvez créer un automatisme. \r\n"
        "\r\n"
        "Pour cela inscrire dans la case \"Si le n°du train débute par :\"\r\n"
        "le numero du train (complet ou en partie) et ensuite vous complétez\r\n"
        "soigneusement les  autres cases .\r\n"
        "\r\n"
        "Sauvegardez ensuite l'automatisme en cliquant sur enregistrer.\r\n"
        "\r\n"
        "Par la suite si le numéro de train correspond au numero enregistré toutes les\r\n"
        "autres cases s'inscriront automatiquement.\r\n"
        "\r\n"
        "Vous avez la possibité de modifier ou de supprimer un automatisme qui est déja \r\n"
        "enregistré en cliquant sur son item dans la liste des automatismes enregistrés.\r\n"
        "\r\n"
        "ASTUCE EN MODE EDITEUR :\r\n"
        "En pressant la touche F9 du clavier vous pouvez enregistrer directement une \r\n"
        "ligne de train déja inscrite sur l'éditeur comme un automatisme.");
}

void AutomatismeForm::showInfo()
{
    m_prompts.message(QStringLiteral("Information"), infoText(), Prompts::Icon::Information);
}
