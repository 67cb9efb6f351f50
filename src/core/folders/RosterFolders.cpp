#include "core/folders/RosterFolders.h"

#include "core/AppState.h"
#include "core/base/Cp1252.h"
#include "core/base/Drives.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/folders/FolderCopy.h"
#include "core/folders/FolderListing.h"
#include "core/folders/FolderPanes.h"
#include "core/folders/RosterFolderList.h"
#include "core/lists/ListFile.h"
#include "core/model/BulletinView.h"

#include <QDir>
#include <QFileInfo>

namespace RosterFolders
{

namespace
{

using Icon = Prompts::Icon;
constexpr auto lines = &Prompts::lines;

const QString RootRefused = QStringLiteral("Vous vous trouvez dans le répertoire racine !! ");

bool nameRefused(Prompts &prompts, const QString &name)
{
    const QString why = Paths::folderNameRefusal(name);
    if (why.isEmpty()) return false;
    prompts.message(QStringLiteral("Kerbo"), why, Icon::Exclamation);
    return true;
}

// The settings and the list keep paths in the 8-bit code page: a folder whose path holds a
// letter outside it would be stored with "?" and lost at the next start.
// A line break (a name pasted in a file manager) would cut its line in two, the first half
// naming another folder.
bool pathRefused(Prompts &prompts, const QString &folder)
{
    if (Paths::hasControlCharacter(folder)) {
        QString shown = folder;
        for (QChar &c : shown)
            if (Paths::isControlCharacter(c)) c = u' ';
        prompts.message(QStringLiteral("Kerbo"),
                        lines({QStringLiteral("Le chemin du dossier ") + shown +
                                   QStringLiteral(" contient un retour à la ligne ou une "
                                                  "tabulation, que Kerbo ne sait pas enregistrer."),
                               QStringLiteral("Veuillez renommer ce dossier ou en choisir un "
                                              "autre.")}),
                        Icon::Exclamation);
        return true;
    }
    if (Cp1252::holds(folder)) return false;
    QStringList text = {QStringLiteral("Le chemin du dossier ") + folder +
                        QStringLiteral(" contient des lettres que Kerbo ne sait pas enregistrer.")};
    // The accents a Mac writes as a letter followed by its mark look like any other.
    if (Cp1252::holds(folder.normalized(QString::NormalizationForm_C)))
        text << QStringLiteral("Ses lettres accentuées y sont écrites en deux signes, la lettre "
                               "puis l'accent (à la manière d'un Mac) : retapez-les en "
                               "renommant le dossier.");
    text << QStringLiteral("Veuillez renommer ce dossier ou en choisir un autre.");
    prompts.message(QStringLiteral("Kerbo"), lines(text), Icon::Exclamation);
    return true;
}

// The window may still show a folder that is gone: deleted or renamed by another program, or
// on a key pulled out and plugged in again, or replaced by another key under the same name.
// Nothing is done on it, least of all storing it as a working folder.
bool folderGone(Prompts &prompts, FolderPanes &panes, const QString &folder)
{
    if (Paths::folderExists(folder)) return false;
    prompts.message(QStringLiteral("Kerbo"), FolderListing::goneText(folder), Icon::Exclamation);
    panes.refreshLists();
    return true;
}

// Writes folder keys of Config.ini in one save; a failure is told and changes nothing.
bool store(const AppState &state, Prompts &prompts, const QList<Config::Entry> &entries)
{
    QString error;
    if (state.config.write(entries, &error)) return true;
    prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
    return false;
}

bool setGeneric(AppState &state, Prompts &prompts, BulletinView &view, const QString &folder)
{
    if (!store(state, prompts, {{ConfigKeys::CheminDossiers, ConfigKeys::Hdgenerique, folder}}))
        return false;
    state.config.hdGenerique = folder;
    view.showRosterFolder(folder);
    return true;
}

QString listPath(const AppState &state)
{
    return RosterFolderList::listPath(state.config.dataFolder());
}

// Adds a folder to the roster-folder list and has the editor read it again.
bool addToList(AppState &state, Prompts &prompts, BulletinView &view, const QString &entry)
{
    QString error;
    if (!RosterFolderList::add(state.config.dataFolder(), entry, &error)) {
        prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
        return false;
    }
    view.reloadRosterList();
    return true;
}

void createFailed(Prompts &prompts, const QString &folder)
{
    prompts.message(QStringLiteral("ERREUR DANS LA CREATION DU DOSSIER"),
                    QStringLiteral("Pour une raison inconnue ") +
                        QStringLiteral("la création du dossier ") + folder +
                        QStringLiteral(" a échoué. ") + QStringLiteral("Désolé !"),
                    Icon::Critical);
}

} // namespace

void create(AppState &state, Prompts &prompts, BulletinView &view, FolderPanes &panes,
            const QString &source)
{
    const QString parent = Drives::clean(source);
    if (folderGone(prompts, panes, parent)) return;
    const std::optional<QString> answer =
        prompts.input(QStringLiteral("Création d'un dossier roulement"),
                      QStringLiteral("Veuillez donner le nom du nouveau dossier") +
                          QStringLiteral(" qui sera crée ") + QStringLiteral("dans : ") + parent,
                      QString());
    if (answer.value_or(QString()).isEmpty()) return;
    const QString name = answer->trimmed();
    const QString folder = Paths::CheckPath(parent) + name;
    // Blanks alone name the folder the new one would go into, which is there already.
    if (!name.isEmpty() && (nameRefused(prompts, name) || pathRefused(prompts, folder))) return;
    // Never a folder at the top of the file system.
    if (parent == QDir::toNativeSeparators(QDir::rootPath())) {
        createFailed(prompts, folder);
        return;
    }
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink()) {
        prompts.message(QStringLiteral("Erreur"),
                        QStringLiteral("Un dossier avec ce nom existe déja sur ce disque ! ") +
                            QStringLiteral(" La création est impossible."),
                        Icon::Question);
        return;
    }
    if (!QDir(parent).mkdir(name)) {
        createFailed(prompts, folder);
        return;
    }
    panes.refreshLists();
    prompts.message(QStringLiteral("CREATION DU DOSSIER"),
                    QStringLiteral("La création du dossier ") + name + QStringLiteral(" dans ") +
                        parent + QStringLiteral(" a réussie ."),
                    Icon::Information);

    if (prompts.question(
            QStringLiteral("Ajouter ce dossier dans la liste roulement "),
            QStringLiteral("Désirez-vous ajouter ce dossier dans la liste roulement ? ") +
                QStringLiteral("Si vous répondez non vous pouvez le faire ") +
                QStringLiteral("ultérieurement  en cliquant sur le bouton ") +
                QStringLiteral("\"Ajouter ce dossier dans la liste roulement\""),
            Icon::Information, Prompts::Buttons::YesNo,
            Prompts::Answer::Yes) != Prompts::Answer::Yes)
        return;

    const QString entry = Paths::CheckPath(folder);
    if (RosterFolderList::read(state.config.dataFolder()).contains(entry)) {
        const QString already =
            QStringLiteral("Ce dossier roulement est deja sur la liste des roulements ");
        prompts.message(
            QStringLiteral("Attention !") + already + u' ',
            already + QStringLiteral("l'ajout sur la liste roulement est donc impossible !! "),
            Icon::Exclamation);
        return;
    }
    if (!addToList(state, prompts, view, entry)) return;
    prompts.message(QStringLiteral("AJOUT D'UN DOSSIER SUR LA LISTE DOSSIER"),
                    QStringLiteral("Le dossier ") + name +
                        QStringLiteral(" a été ajouter dans la liste roulement ."),
                    Icon::Information);

    if (state.config.hdGenerique.isEmpty()) {
        prompts.message(QStringLiteral("CHOIX DU DOSSIER GENERIQUE"),
                        QStringLiteral("Le dossier situé dans ") + folder +
                            QStringLiteral(" sera le dossier courant choisit ou seront "
                                           "sauvegardées vos fichiers génériques ."),
                        Icon::Information);
        setGeneric(state, prompts, view, entry);
    }
    panes.closeWindow();
}

void rename(AppState &state, Prompts &prompts, BulletinView &view, FolderPanes &panes,
            const QString &source)
{
    const QString folder = Drives::clean(source);
    if (Drives::isRoot(folder)) {
        prompts.message(QStringLiteral("Attention !"),
                        RootRefused + QStringLiteral(" Ce répertoire ne peut pas ") +
                            QStringLiteral("être renommé. "),
                        Icon::Critical);
        return;
    }
    if (folderGone(prompts, panes, folder)) return;
    const QFileInfo info(folder);
    const QString parent = Paths::CheckPath(Drives::clean(info.path()));
    const std::optional<QString> answer =
        prompts.input(QStringLiteral("Renommer un dossier roulement"),
                      QStringLiteral("Veuillez donner le nouveau nom du dossier"), info.fileName());
    const QString name = answer.value_or(QString()).trimmed();
    if (name.isEmpty()) return;
    const QString renamed = parent + name;
    if (nameRefused(prompts, name) || pathRefused(prompts, renamed)) return;
    if (QFileInfo::exists(renamed) || QFileInfo(renamed).isSymLink()) {
        prompts.message(QStringLiteral("Erreur"),
                        QStringLiteral("Un dossier avec ce nom existe déja sur ce disque ! ") +
                            QStringLiteral(" Il est impossible de le renommer avec le même nom."),
                        Icon::Question);
        return;
    }
    if (!QDir().rename(folder, renamed)) {
        prompts.message(QStringLiteral("Kerbo"),
                        QStringLiteral("Pour une raison inconnue le dossier ") + folder +
                            QStringLiteral(" n'a pas pu être renommé. Désolé !"),
                        Icon::Critical);
        return;
    }
    panes.showSource(renamed);
    panes.refreshLists();
    verify(state, view);
    prompts.message(QStringLiteral("CREATION DU DOSSIER"),
                    QStringLiteral("Le dossier a été renommé comme ") + name, Icon::Information);
}

void saveCopy(Prompts &prompts, FolderPanes &panes, const QString &source, const QString &target)
{
    const QString from = Drives::clean(source);
    const QString into = Drives::clean(target);
    if (Drives::isRoot(from)) {
        prompts.message(QStringLiteral("Attention !"),
                        RootRefused + QStringLiteral(" Ce répertoire ne peut pas ") +
                            QStringLiteral("être sauvegardé. "),
                        Icon::Critical);
        return;
    }
    if (folderGone(prompts, panes, from)) return;
    const QString copyName = QStringLiteral("Copie") + QFileInfo(from).fileName();
    const QString failed = QStringLiteral("Suite a une erreur ce dossier n'a pas pu être ") +
                           QStringLiteral("sauvegardé correctement !");
    if (FolderCopy::isSameOrInside(from, into)) {
        prompts.message(
            QStringLiteral("Erreur"),
            lines(
                {failed,
                 QStringLiteral(
                     "Attention un dossier ne doit pas être sauvegarder sur lui même ou dans un "),
                 QStringLiteral("de ses sous-dossiers !"),
                 QStringLiteral(
                     "Dans ce cas choisir un autre dossier ou dans le répertoire cible cliquez"),
                 QStringLiteral("sur le répertoire racine si la sauvegarde ne doit pas se faire "
                                "dans un dossier. ")}),
            Icon::Critical);
        return;
    }
    const QString destination = Paths::CheckPath(into) + copyName;
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink()) {
        prompts.message(QStringLiteral("Le dossier sauvegardé existes deja sur ce disque"),
                        QStringLiteral("Le dossier avec ce nom est deja sauvegardé ") +
                            QStringLiteral("comme ") + copyName +
                            QStringLiteral(" sur le disque ") + Drives::rootOf(into) +
                            QStringLiteral(" . La sauvegarde ne peut avoir lieu !"),
                        Icon::Critical);
        return;
    }
    if (QString why; !FolderCopy::copyTree(from, destination, &why)) {
        prompts.message(QStringLiteral("Erreur"), why.isEmpty() ? failed : lines({failed, why}),
                        Icon::Critical);
        panes.refreshLists();
        return;
    }
    prompts.message(QStringLiteral("Kerbo"),
                    QStringLiteral("LE DOSSIER ") + from +
                        QStringLiteral(" EST SAUVEGARDER DANS ") + into,
                    Icon::Information);
    panes.refreshLists();
}

void chooseGeneric(AppState &state, Prompts &prompts, BulletinView &view, FolderPanes &panes,
                   const QString &source)
{
    const QString folder = Drives::clean(source);
    if (Drives::isRoot(folder)) {
        prompts.message(
            QStringLiteral("Attention !"),
            lines({RootRefused,
                   QStringLiteral("Ce répertoire ne peut pas ") +
                       QStringLiteral("être choisit comme dossier générique "),
                   QStringLiteral("car vous auriez des difficultées à retrouver vos fichiers. ")}),
            Icon::Critical);
        return;
    }
    if (folderGone(prompts, panes, folder)) return;
    const QString entry = Paths::CheckPath(folder);
    if (pathRefused(prompts, entry)) return;
    if (!setGeneric(state, prompts, view, entry)) return;
    view.refreshBulletin();
    prompts.message(QStringLiteral("CHOIX DU DOSSIER GENERIQUE COURANT"),
                    QStringLiteral("Le dossier situé dans ") + entry +
                        QStringLiteral(" sera le dossier courant ou seront sauvegardées vos "
                                       "fichiers génériques ."),
                    Icon::Information);
    if (!RosterFolderList::read(state.config.dataFolder()).contains(entry))
        addToList(state, prompts, view, entry);
    panes.resetToHome();
}

void chooseArchive(AppState &state, Prompts &prompts, FolderPanes &panes, const QString &source)
{
    const QString folder = Drives::clean(source);
    if (Drives::isRoot(folder)) {
        prompts.message(
            QStringLiteral("Attention !"),
            lines({RootRefused,
                   QStringLiteral("Ce répertoire ne peut pas ") +
                       QStringLiteral("être choisit comme dossier archive "),
                   QStringLiteral("car vous auriez des difficultées à retrouver vos archives. ")}),
            Icon::Critical);
        return;
    }
    if (folderGone(prompts, panes, folder)) return;
    const QString entry = Paths::CheckPath(folder);
    if (pathRefused(prompts, entry)) return;
    if (!store(state, prompts, {{ConfigKeys::CheminDossiers, ConfigKeys::HdArchive, entry}}))
        return;
    state.config.hdArchive = entry;
    prompts.message(QStringLiteral("CHOIX DU DOSSIER ARCHIVE"),
                    QStringLiteral("Le dossier situé dans ") + folder +
                        QStringLiteral(" sera le dossier ou seront sauvegardées vos fichiers "
                                       "archives ."),
                    Icon::Information);
    panes.resetToHome();
}

bool mayOpenRemoval(const AppState &state, Prompts &prompts)
{
    if (!RosterFolderList::read(state.config.dataFolder()).isEmpty()) return true;
    prompts.message(QStringLiteral("ATTENTION LA LISTE DES DOSSIERS DE L'EDITEUR EST VIDE"),
                    QStringLiteral("La liste des dossiers de l'éditeur est vide .") +
                        QStringLiteral(" Vous devez ajouter un dossier"),
                    Icon::Exclamation);
    return false;
}

void removeEntry(AppState &state, Prompts &prompts, BulletinView &view, const QString &entry)
{
    QString error;
    // Folder paths may hold commas: the list is never split at them.
    const int removed = ListFile::remove(listPath(state), entry, false, &error);
    if (removed < 0) {
        prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
        return;
    }
    if (removed > 0 && Paths::sameFolder(entry, state.config.hdGenerique))
        setGeneric(state, prompts, view, QString());
    view.reloadRosterList();
}

void removeAll(AppState &state, Prompts &prompts, BulletinView &view)
{
    QString error;
    if (!ListFile::clear(listPath(state), &error)) {
        prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
        return;
    }
    verify(state, view);
    setGeneric(state, prompts, view, Paths::driveC());
}

void verify(AppState &state, BulletinView &view)
{
    if (RosterFolderList::verify(state.config)) view.showRosterFolder(QString());
    view.reloadRosterList();
}

void info(Prompts &prompts)
{
    prompts.message(
        QStringLiteral("Information"),
        lines(
            {QStringLiteral("Ce programme permet de créer , sauvegarder ou renommer "),
             QStringLiteral("un dossier sur le lecteur de votre choix . "),
             QStringLiteral(
                 "La sélection d'un dossier ne peut se faire que sur le répertoire source."),
             QStringLiteral(
                 "Pour faire une sélection double-cliquez avec le bouton gauche de la souris "),
             QStringLiteral("sur le dossier de votre choix dans le répertoire source."),
             QStringLiteral(
                 "Assurez-vous alors que l'icône de ce dossier représente bien un dossier ouvert."),
             QStringLiteral(
                 "Pour sauvegarder un dossier il faut le sélectionner sur répertoire source "),
             QStringLiteral("et ensuite créer le chemin sur le répertoire cible."),
             QStringLiteral(
                 "Le dossier sera sauvegardé avec le préfixe \"Copie\"ajouter au nom du dossier "),
             QStringLiteral("pour éviter un doublon sur un même disque et un blocage du système."),
             QStringLiteral(
                 "Ce nom peut être modifier à condition qu'il soit différent du dossier source."),
             QStringLiteral("Vous avez aussi la possibilité de supprimer un dossier sur la liste "
                            "des roulements de l'éditeur."),
             QStringLiteral("NOTA : Supprimer un dossier dans la liste des roulements ne supprime "
                            "pas réellement le dossier,"),
             QStringLiteral("pour supprimer réellement un dossier il faut le faire par "
                            "l'explorateur Window's.")}),
        Icon::Information);
}

} // namespace RosterFolders
