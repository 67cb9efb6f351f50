#include "core/files/FileCommands.h"

#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/base/StaleWork.h"
#include "core/files/FileCopy.h"

#include <QFile>
#include <QFileInfo>

namespace FileCommands
{

using Icon = Prompts::Icon;

bool copy(Prompts &prompts, const QString &source, const QString &target,
          const QStringList &selected, const std::function<void(int)> &copied,
          const std::function<void()> &ending)
{
    const auto tell = [&](const QString &title, const QString &text, Icon icon) {
        if (ending) ending();
        prompts.message(title, text, icon);
    };
    // What a copy stopped here left (a power cut, a logout): no save of Kerbo may ever come to
    // this folder to sweep it.
    if (!selected.isEmpty()) removeStaleTemporaryFiles(target);
    int count = 0;
    for (const QString &name : selected) {
        const QString from = Paths::CheckPath(source) + name;
        const QString to = Paths::CheckPath(target) + name;
        if (to == from) {
            tell(QStringLiteral("Erreur"),
                 QStringLiteral("Le répertoire de destination est identique à celui d'origine!") +
                     QStringLiteral(" Interruption de l'opération de copie !"),
                 Icon::Question);
            return false;
        }
        if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
            tell(QStringLiteral("Erreur"),
                 QStringLiteral("Les fichiers de destination existent déjà !") +
                     QStringLiteral(" Les fichiers ") +
                     QStringLiteral(" ne seront pas copiés pour des raisons de sécurité !"),
                 Icon::Exclamation);
            return false;
        }
        if (!FileCopy::copy(from, to)) {
            tell(QStringLiteral("Erreur"),
                 QStringLiteral("Les fichiers n'ont pas pu être ") +
                     QStringLiteral("copiés correctement !"),
                 Icon::Critical);
            return false;
        }
        ++count;
        if (copied) copied(count);
    }
    if (selected.isEmpty()) {
        tell(QStringLiteral("Erreur"),
             QStringLiteral("Veuillez sélectionner les ") + QStringLiteral(" fichiers à copier !"),
             Icon::Exclamation);
        return false;
    }
    tell(QStringLiteral("Message"), QStringLiteral("Les fichiers ont été correctement copiés !"),
         Icon::Information);
    return true;
}

DeleteResult remove(Prompts &prompts, const QString &folder, const QStringList &selected)
{
    if (selected.isEmpty()) {
        prompts.message(QStringLiteral("Erreur"),
                        QStringLiteral("Veuillez sélectionner les ") +
                            QStringLiteral(" fichiers à supprimer !"),
                        Icon::Exclamation);
        return DeleteResult::NothingSelected;
    }
    const QString which = selected.size() == 1 ? QStringLiteral("le fichier séléctionné")
                                               : QStringLiteral("les fichiers séléctionnés");
    if (prompts.question(
            QStringLiteral("CONFIRMATION DE LA SUPPRESSION"),
            QStringLiteral("Désirez-vous vraiment supprimer ") + which + QStringLiteral(" ?"),
            Icon::Question, Prompts::Buttons::YesNo, Prompts::Answer::No) != Prompts::Answer::Yes)
        return DeleteResult::Cancelled;
    // Every file that can go goes; one that cannot is told once, at the end.
    bool failed = false;
    for (const QString &name : selected) {
        const QString path = Paths::CheckPath(folder) + name;
        const QFileInfo info(path);
        // Gone since the list was drawn (deleted elsewhere): nothing left to delete but a link
        // that led to it.
        if (!info.exists()) {
            if (info.isSymLink()) QFile::remove(path);
            continue;
        }
        // A read-only file is kept even where the system would let it go (as for root).
        if (Paths::keptReadOnly(info) || !QFile::remove(path)) failed = true;
    }
    if (!failed) return DeleteResult::Deleted;
    prompts.message(QStringLiteral("Erreur"),
                    QStringLiteral("Les fichiers n'ont pas pu être ") +
                        QStringLiteral("Supprimés correctement !") +
                        QStringLiteral("Assurez-vous qu'ils ne soient pas en lecture seule"),
                    Icon::Critical);
    return DeleteResult::Failed;
}

void info(Prompts &prompts)
{
    const QStringList lines = {
        QStringLiteral("Ce programme permet de copier un ou plusieurs fichiers d'un dossier "),
        QStringLiteral("vers un autre dossier sur le lecteur de votre choix ainsi que la "),
        QStringLiteral("suppression des fichiers selectionnés ."),
        QStringLiteral("La selection des fichiers ne peut se faire que sur le lecteur souce."),
        QStringLiteral("Pour faire une selection cliquez avec le bouton gauche de la souris "),
        QStringLiteral(
            "sur le ou les fichiers de votre choix dans la fenêtre \"Fichiers source\" ."),
        QStringLiteral(
            "Pour faire plusieurs selections appuyez et maintenez la touche controle (CTRL)  "),
        QStringLiteral(
            "et cliquez avec le bouton gauche de la souris sur les fichiers à selectionner."),
        QStringLiteral(
            "Pour  selectionner tous les fichiers d'un coup cliquez sur le bouton \"Selection de "),
        QStringLiteral("tous les fichiers\" . "),
        QStringLiteral(
            "Pour faire une copie (aprés la selection) il faut créer le chemin en cliquant"),
        QStringLiteral("avec le bouton gauche de la souris sur le lecteur cible et ensuite en  "),
        QStringLiteral("double-cliquant sur le dossier de votre choix dans le répertoire cible."),
        QStringLiteral("Assurez-vous alors que l'icône du dossier selectionné représente bien un"),
        QStringLiteral("dossier ouvert."),
    };
    prompts.message(QStringLiteral("Information"), lines.join(u"\r\n"), Icon::Information);
}

} // namespace FileCommands
