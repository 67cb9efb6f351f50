#include "core/dayfiles/DayCommands.h"
#include "core/base/StaleWork.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/config/DataFolder.h"
#include "core/dayfiles/Blanks.h"
#include "core/dayfiles/DayFileReader.h"
#include "core/dayfiles/DayFileWriter.h"
#include "core/dayfiles/DayNames.h"
#include "core/folders/RosterFolderList.h"
#include "core/model/BulletinView.h"
#include "core/model/SlotTable.h"

#include <QFileInfo>
#include <QStringList>

namespace DayCommands
{
namespace
{

using Icon = Prompts::Icon;
using Answer = Prompts::Answer;
using Buttons = Prompts::Buttons;

const char *const GenericKey = ConfigKeys::Hdgenerique;
const char *const ArchiveKey = ConfigKeys::HdArchive;

QString lines(std::initializer_list<const char16_t *> parts)
{
    QStringList l;
    for (const char16_t *p : parts)
        l << QString::fromUtf16(p);
    return l.join(u"\r\n");
}

QString journee(const AppState &state)
{
    return trimBlanks(state.record.slot(8));
}

void setMention(AppState &state, BulletinView &view, const QString &mention)
{
    state.mention = mention;
    view.showMention(mention);
}

// Day number and roster number must be there before anything is written.
bool checkNumbers(const AppState &state, Prompts &prompts, const QString &impossible)
{
    if (journee(state).isEmpty()) {
        prompts.message(QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE JOURNEE!!"),
                        impossible + QStringLiteral("\r\n") +
                            QStringLiteral("VEUILLEZ INSCRIRE UN NUMERO DE JOURNEE DANS LE "
                                           "CADRE JOURNEE SVP."),
                        Icon::Exclamation);
        return false;
    }
    if (trimBlanks(state.record.slot(7)).isEmpty()) {
        prompts.message(QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE ROULEMENT!!"),
                        impossible + QStringLiteral("\r\n") +
                            QStringLiteral("VEUILLEZ INSCRIRE UN NUMERO DE ROULEMENT DANS LE "
                                           "CADRE ROULEMENT SVP."),
                        Icon::None);
        return false;
    }
    return true;
}

// Why a day cannot be saved under `name` (built from the day number and the mention), or
// nothing when it can.
QString nameProblem(const QString &name)
{
    // A "/" makes the name a path: the file would land in another folder than the one the
    // message names, or nowhere.
    if (name.contains(u'/'))
        return QString::fromUtf16(u"Le nom de fichier « ") + name +
               QString::fromUtf16(u" » contient le caractère « / », qu'un nom de fichier ne peut "
                                  u"pas contenir : retirez-le du numéro de journée ou de la "
                                  u"mention.");
    // A key refuses these (the day of "12:30" would be told "accès refusé" there), and a day
    // saved under such a name on the computer could never be copied to the key.
    if (const QChar refused = Paths::refusedOnKey(name); !refused.isNull())
        return QString::fromUtf16(u"Le nom de fichier « ") + name +
               QString::fromUtf16(u" » contient le caractère « ") + refused +
               QString::fromUtf16(u" », qu'une clé USB ou un ordinateur Windows refuse dans un "
                                  u"nom de fichier : retirez-le du numéro de journée ou de la "
                                  u"mention.");
    // A line break pasted into the mention would make a name no list shows on one line.
    if (Paths::hasControlCharacter(name))
        return QString::fromUtf16(u"Le nom de fichier contient un retour à la ligne ou une "
                                  u"tabulation, qu'un nom de fichier ne peut pas contenir : "
                                  u"retirez-le de la mention.");
    // A name that starts with a dot is a hidden file, which no file list shows.
    if (name.startsWith(u'.'))
        return QString::fromUtf16(u"Le nom de fichier « ") + name +
               QString::fromUtf16(u" » commence par un point : le fichier serait caché et "
                                  u"n'apparaîtrait dans aucune liste de fichiers. Retirez le "
                                  u"point du début du numéro de journée.");
    return QString();
}

// The write is atomic, so a failure leaves any earlier file of that name as it was.
bool writeDay(AppState &state, Prompts &prompts, const QString &folder, const QString &name)
{
    const QString refused = QString::fromUtf16(u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\n");
    if (const QString problem = nameProblem(name); !problem.isEmpty()) {
        prompts.message(QStringLiteral("Kerbo"), refused + problem, Icon::Exclamation);
        return false;
    }
    // What a save killed in this folder left (at a logout, a power cut): only the start's sweep
    // of DataBul would never reach the roster and archive folders.
    removeStaleTemporaryFiles(folder);
    QString error;
    const bool earlier = QFileInfo::exists(folder + name);
    if (DayFileWriter::save(folder + name, state.record, state.verso, &error)) return true;
    QString text = refused + error;
    if (earlier)
        text += QString::fromUtf16(u"\r\n\r\nLe fichier de ce nom déjà présent dans ce dossier "
                                   u"reste tel qu'il était.");
    // The folder of the days is often on a key, which may not be plugged in.
    if (!Paths::folderExists(folder))
        text += QString::fromUtf16(u"\r\n\r\nBranchez la clé ou le disque qui contient ce "
                                   u"dossier puis sauvegardez de nouveau, ou choisissez un autre "
                                   u"dossier dans GestionDossiers.");
    prompts.message(QStringLiteral("Kerbo"), text, Icon::Exclamation);
    return false;
}

struct OpenKind {
    const char16_t *title;
    const char *key;
    bool generic;
};

void openDay(AppState &state, Prompts &prompts, BulletinView &view, const OpenKind &kind,
             const DateChooser &chooseDate)
{
    QString &setting = kind.generic ? state.config.hdGenerique : state.config.hdArchive;
    const QString remembered = setting;
    // A folder not there (another computer's, a key not plugged in) cannot be shown: the
    // dialog starts in the home folder instead of wherever the program was started from.
    QString start = Paths::folderValue(remembered);
    if (!Paths::folderExists(start)) start = Paths::driveC();

    const QString file =
        prompts.openFile(QString::fromUtf16(kind.title), start, QStringLiteral("*.txt"));
    if (file.isEmpty()) return;
    if (!Paths::FileExists(file)) {
        prompts.message(QStringLiteral("Kerbo"),
                        QStringLiteral("Le fichier %1 n'existe pas.\r\n\r\n"
                                       "Choisir un autre fichier s.v.p..")
                            .arg(file),
                        Icon::Exclamation);
        return;
    }

    if (kind.generic) {
        if (RosterFolderList::verify(state.config)) view.showRosterFolder(QString());
        view.reloadRosterList();
    }

    state.record.clearForNewDay();
    view.clearEditControls();
    state.verso.clear();

    if (DayFileReader::load(file, state, prompts)) {
        // The folder setting stays what it was before the attempt.
        if (setting != remembered) {
            setting = remembered;
            state.config.write(ConfigKeys::CheminDossiers, kind.key, remembered);
            if (kind.generic) view.showRosterFolder(remembered);
        }
        view.showServiceDate(state.record.serviceDate());
        view.refreshBulletin();
        return;
    }

    const QString folder = Paths::folderOf(file);
    setting = folder;
    // A path the 8-bit files cannot hold serves this run only: stored, it would come back with
    // "?" in place of its letters, or cut at a line break, and be dropped as missing at the next
    // start.
    const bool storable = Paths::storable(folder);
    if (storable) state.config.write(ConfigKeys::CheminDossiers, kind.key, folder);
    if (kind.generic) {
        // The day is open either way; a list that cannot take the folder is told.
        QString error;
        if (storable && !RosterFolderList::add(state.config.dataFolder(), folder, &error))
            prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
        view.reloadRosterList();
        view.showRosterFolder(folder);
    }
    state.currentFileFolder = folder;

    const QString name = QFileInfo(file).fileName();
    setMention(state, view,
               kind.generic ? DayNames::genericMention(name, journee(state))
                            : DayNames::archiveMention(name, journee(state)));
    view.showServiceDate(state.record.serviceDate());
    view.refreshBulletin();

    // The calendar opens on today, the day a generic day is opened for: the date the template
    // carries is the day it was saved or converted, often months back.
    if (kind.generic && state.config.options.calendrier == u"1" && chooseDate) {
        if (const std::optional<QDate> date = chooseDate(QDate::currentDate())) {
            state.record.setServiceDate(*date);
            view.showServiceDate(*date);
        }
    }
}

} // namespace

bool newDay(AppState &state, Prompts &prompts, BulletinView &view)
{
    if (prompts.question(QStringLiteral("Kerbo"), QStringLiteral(" NOUVELLE JOURNEE ?"), Icon::None,
                         Buttons::OkCancel, Answer::Ok) != Answer::Ok)
        return false;

    view.clearEditControls();
    state.saveAreas.a.clear();
    setMention(state, view, QString());
    state.currentFileFolder.clear();

    state.record.clearForNewDay();
    state.verso.clear();
    state.record.setServiceDate(QDate::currentDate());
    view.showServiceDate(state.record.serviceDate());
    state.record.setCurrentSlot(SlotTable::FirstTrainNumberSlot);
    view.refreshBulletin();
    return true;
}

void openGeneric(AppState &state, Prompts &prompts, BulletinView &view,
                 const DateChooser &chooseDate)
{
    openDay(state, prompts, view,
            {u"SELECTION ET OUVERTURE D'UNE JOURNEE GENERIQUE", GenericKey, true}, chooseDate);
}

void openArchive(AppState &state, Prompts &prompts, BulletinView &view)
{
    openDay(state, prompts, view,
            {u"SELECTION ET OUVERTURE D'UNE JOURNEE ARCHIVE", ArchiveKey, false}, {});
}

void saveGeneric(AppState &state, Prompts &prompts, BulletinView &view)
{
    const QString folder = Paths::folderValue(state.config.hdGenerique);
    if (folder.isEmpty()) {
        prompts.message(QStringLiteral("CHEMIN DU DOSSIER GENERIQUE INCONNU !!"),
                        lines({u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER GENERIQUE.", u"",
                               u"VEUILLEZ CHOISIR UN DOSSIER GENERIQUE:", u"",
                               u"SOIT PAR LE GESTIONNAIRE DE DOSSIER ET CLIQUER",
                               u"SUR LE BOUTON \"Choisir ce dossier comme dossier Générique\"", u"",
                               u"SOIT SUR LE BOUTON LISTE \" DOSSIER ROULEMENT\"",
                               u"SI LA LISTE DES DOSSIER ROULEMENT N'EST PAS VIDE."}),
                        Icon::Exclamation);
        return;
    }
    if (!checkNumbers(state, prompts,
                      QStringLiteral("SAUVEGARDE DE LA JOURNEE GENERIQUE IMPOSSIBLE !! ")))
        return;

    const QString day = journee(state);
    QString mention = state.mention;
    QString name = DayNames::genericName(day, mention);

    const QString archive = Paths::folderValue(state.config.hdArchive);
    if (!state.currentFileFolder.isEmpty() && !archive.isEmpty() &&
        Paths::folderValue(state.currentFileFolder) == archive) {
        if (prompts.question(
                QString::fromUtf16(u"Sauvegarder un fichier archive comme un fichier générique ?"),
                lines({u"Le fichier actuellement dans l'éditeur est un fichier archive. ",
                       u"Désirez-vous réellement le sauvegarder comme fichier générique ? "}),
                Icon::Question, Buttons::YesNo, Answer::Yes) != Answer::Yes)
            return;
    }

    if (Paths::FileExists(folder + name)) {
        const QString prompt =
            QString::fromUtf16(u"Attention le fichier  ") + name.chopped(4) + QStringLiteral("  ") +
            QString::fromUtf16(u"situé dans  ") + folder + QString::fromUtf16(u"  existe déja !!") +
            QStringLiteral("\r\n") +
            lines({u"",
                   u"S'il s'agit de sauvegarder cette journée comme un BS 2 veuillez ajouter une "
                   u"mention (Ex : 2Bis)",
                   u" au nom du fichier à sauvegarder ",
                   u"pour eviter d'écraser le fichier existant.", u"",
                   u"(Maximum 5 lettres espaces compris sinon la mention sera tronquée)"});
        const std::optional<QString> answer =
            prompts.input(QStringLiteral("ATTENTION !!! "), prompt, day + u' ' + mention);
        if (!answer || answer->isEmpty()) return;
        mention = DayNames::mentionFromAnswer(*answer, day);
        name = DayNames::genericName(day, mention);
    }

    if (!writeDay(state, prompts, folder, name)) return;
    prompts.message(QStringLiteral("SAUVEGARDE REUSSIE"),
                    QStringLiteral(" FICHIER DE LA JOURNEE : ") + day +
                        (mention.isEmpty() ? QString() : u' ' + mention) +
                        QStringLiteral("  SAUVEGARDE DANS ") + folder,
                    Icon::Information);
    setMention(state, view, QString());
    state.currentFileFolder = folder;
    view.refreshBulletin();
}

void saveArchive(AppState &state, Prompts &prompts, BulletinView &view)
{
    // A vanished archive folder is forgotten; then the setting is taken again from the file.
    QString &setting = state.config.hdArchive;
    setting = Paths::folderValue(setting);
    if (!setting.isEmpty() && !Paths::folderExists(setting)) {
        setting.clear();
        state.config.write(ConfigKeys::CheminDossiers, ArchiveKey, QString());
    }
    // A folder the 8-bit settings cannot hold, opened from, serves the run from memory alone.
    if (setting.isEmpty() || Paths::storable(setting))
        setting =
            Paths::folderValue(state.config.read(ConfigKeys::CheminDossiers, ArchiveKey).text);
    const QString folder = setting;
    if (folder.isEmpty()) {
        prompts.message(QStringLiteral("CHEMIN DU DOSSIER ARCHIVE INCONNU !!"),
                        lines({u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER ARCHIVE.", u"",
                               u"VEUILLEZ CHOISIR UN DOSSIER ARCHIVE DANS LE",
                               u"GESTIONNAIRE DE DOSSIER ET CLIQUER SUR LE BOUTON",
                               u"\"Choisir ce dossier comme dossier Archive\""}),
                        Icon::Exclamation);
        return;
    }
    if (!checkNumbers(state, prompts,
                      QStringLiteral("SAUVEGARDE DE LA JOURNEE ARCHIVE IMPOSSIBLE !! ")))
        return;

    const QString day = journee(state);
    const QString mention = state.mention;
    const QString date = DayNames::archiveDate(state.record.serviceDate());
    const QString name = DayNames::archiveName(day, mention, state.record.serviceDate());

    if (Paths::FileExists(folder + name)) {
        const QString text = QString::fromUtf16(u"Il existe déja un fichier nommé ") + name +
                             QStringLiteral("\r\n") + QString::fromUtf16(u" sauvegardé le ") +
                             date + QStringLiteral("\r\n") + QStringLiteral("dans ") + folder +
                             QStringLiteral("\r\n\r\n") +
                             QString::fromUtf16(u"Désirez-vous vraiment réecrire ce fichier "
                                                u"d'archive?");
        if (prompts.question(QStringLiteral("ATTENTION !!"), text, Icon::Question, Buttons::YesNo,
                             Answer::No) != Answer::Yes)
            return;
    }

    if (!writeDay(state, prompts, folder, name)) return;
    prompts.message(QStringLiteral("SAUVEGARDE REUSSIE"),
                    QStringLiteral(" FICHIER DE LA JOURNEE : ") + day +
                        (mention.isEmpty() ? QString() : u' ' + mention) +
                        QStringLiteral("  DATEE DU ") + date +
                        QStringLiteral("  SAUVEGARDE DANS ") + folder,
                    Icon::Information);
    state.currentFileFolder = folder;
    setMention(state, view, QString());
    view.refreshBulletin();
}

} // namespace DayCommands
