#include "TestMain.h"

#include "FakePrompts.h"
#include "FullBulletin.h"

#include "app/AppState.h"
#include "app/IniAccess.h"
#include "app/Paths.h"
#include "app/TextFile.h"
#include "dayfiles/DayCommands.h"
#include "dayfiles/DayFileWriter.h"
#include "dayfiles/DayNames.h"
#include "editor/BulletinView.h"
#include "folders/RosterFolderList.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class FakeView : public BulletinView
{
public:
    int refreshes = 0;
    int clears = 0;
    int reloads = 0;
    QStringList mentions;
    QList<QDate> dates;
    QStringList rosterFolders;

    void refreshBulletin() override { ++refreshes; }
    void clearEditControls() override { ++clears; }
    void showMention(const QString &m) override { mentions << m; }
    void showServiceDate(const QDate &d) override { dates << d; }
    void showRosterFolder(const QString &f) override { rosterFolders << f; }
    void reloadRosterList() override { ++reloads; }
};

const QString Ok = QStringLiteral("SAUVEGARDE REUSSIE");

} // namespace

class DayCommandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    QString m_generic, m_archive;
    FakePrompts m_prompts;
    FakeView m_view;

    QString folder(const QString &name)
    {
        QDir(m_dir->path()).mkpath(name);
        return Paths::CheckPath(m_dir->filePath(name));
    }
    QString iniValue(const char *key)
    {
        return LectureINI(m_state->config.iniPath(), QStringLiteral("CheminDossiers"),
                          QLatin1String(key))
            .text;
    }
    void setFolders(const QString &generic, const QString &archive)
    {
        m_state->config.hdGenerique = generic;
        m_state->config.hdArchive = archive;
        EcritureINI(m_state->config.iniPath(), QStringLiteral("CheminDossiers"),
                    QStringLiteral("Hdgenerique"), generic);
        EcritureINI(m_state->config.iniPath(), QStringLiteral("CheminDossiers"),
                    QStringLiteral("HdArchive"), archive);
    }
    void fillDay(const QString &journee = QStringLiteral(" 12 "))
    {
        FullBulletin::fill(m_state->record, m_state->verso);
        m_state->record.setSlot(8, journee);
    }
    QStringList files(const QString &dir) const
    {
        return QDir(dir).entryList(QDir::Files, QDir::Name);
    }
    QByteArray bytesOf(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = std::make_unique<AppState>();
        m_state->config.ouestKerbo = Paths::CheckPath(m_dir->path());
        QDir(m_dir->path()).mkpath(QStringLiteral("DataBul"));
        m_generic = folder(QStringLiteral("ROULEMENT"));
        m_archive = folder(QStringLiteral("ARCHIVE"));
        setFolders(m_generic, m_archive);
        m_prompts = FakePrompts();
        m_view = FakeView();
    }

    void newDay()
    {
        fillDay();
        m_state->record.setSlot(1, QStringLiteral("DUPONT"));
        m_state->mention = QStringLiteral("2bis");
        m_state->currentFileFolder = m_archive;
        m_state->saveAreas.a = QStringList{QStringLiteral("R42"), QStringLiteral("12")};
        m_state->record.setCurrentSlot(9);

        DayCommands::newDay(*m_state, m_prompts, m_view); // no answer: Cancel
        QCOMPARE(m_prompts.last().title, QStringLiteral("Kerbo"));
        QCOMPARE(m_prompts.last().text, QStringLiteral(" NOUVELLE JOURNEE ?"));
        QCOMPARE(m_prompts.last().buttons, Prompts::Buttons::OkCancel);
        QCOMPARE(m_state->record.slot(8), QStringLiteral(" 12 "));
        QCOMPARE(m_view.refreshes, 0);

        m_prompts.answers = {Prompts::Answer::Ok};
        DayCommands::newDay(*m_state, m_prompts, m_view);
        QCOMPARE(m_state->record.slot(1), QStringLiteral("DUPONT"));
        for (int slot = 7; slot <= 326; ++slot)
            QVERIFY(m_state->record.slot(slot).isEmpty());
        QVERIFY(m_state->verso == VersoContent());
        QCOMPARE(m_state->record.serviceDate(), QDate::currentDate());
        QCOMPARE(m_state->record.currentSlot(), 58);
        QVERIFY(m_state->mention.isEmpty());
        QVERIFY(m_state->currentFileFolder.isEmpty());
        QVERIFY(m_state->saveAreas.a.isEmpty());
        QCOMPARE(m_view.mentions, QStringList{QString()});
        QCOMPARE(m_view.dates, QList<QDate>{QDate::currentDate()});
        QCOMPARE(m_view.clears, 1);
        QCOMPARE(m_view.refreshes, 1);
    }

    void genericSaveAndNamePrompt()
    {
        fillDay();
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(files(m_generic), QStringList{QStringLiteral("12.txt")});
        QCOMPARE(bytesOf(m_generic + QStringLiteral("12.txt")),
                 DayFileWriter::bytes(m_state->record, m_state->verso));
        QCOMPARE(m_prompts.last().title, Ok);
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral(" FICHIER DE LA JOURNEE : 12  SAUVEGARDE DANS ") + m_generic);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Information);
        QCOMPARE(m_state->currentFileFolder, m_generic);

        // The name exists: the name prompt, whose empty answer or Cancel writes nothing.
        const QString prompt =
            QString::fromUtf16(u"Attention le fichier  12  situé dans  ") + m_generic +
            QString::fromUtf16(
                u"  existe déja !!\n\nS'il s'agit de sauvegarder cette journée comme un BS 2 "
                u"veuillez ajouter une mention (Ex : 2Bis)\n au nom du fichier à sauvegarder \n"
                u"pour eviter d'écraser le fichier existant.\n\n(Maximum 5 lettres espaces "
                u"compris sinon la mention sera tronquée)");
        m_prompts.calls.clear();
        m_prompts.inputs = {QString(), std::nullopt};
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.calls.size(), 2);
        QCOMPARE(m_prompts.last().kind, QStringLiteral("input"));
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION !!! "));
        QCOMPARE(m_prompts.last().text, prompt);
        QCOMPARE(m_prompts.last().defaultText, QStringLiteral("12 "));
        QCOMPARE(files(m_generic).size(), 1);

        m_prompts.inputs = {QStringLiteral("12 bis2"), QStringLiteral("12 deuxieme"),
                            QStringLiteral("xy 2bis")};
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().text, QStringLiteral(" FICHIER DE LA JOURNEE : 12 bis2  "
                                                       "SAUVEGARDE DANS ") + m_generic);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        // The first Len(Journee) characters go whatever they are.
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(files(m_generic),
                 (QStringList{QStringLiteral("12 2bis.txt"), QStringLiteral("12 bis2.txt"),
                              QStringLiteral("12 deuxi.txt"), QStringLiteral("12.txt")}));
        QVERIFY(m_state->mention.isEmpty());
    }

    void genericSaveWithMention()
    {
        fillDay();
        m_state->mention = QStringLiteral("2bis");
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(files(m_generic), QStringList{QStringLiteral("12 2bis.txt")});
        QCOMPARE(m_prompts.last().text, QStringLiteral(" FICHIER DE LA JOURNEE : 12 2bis  "
                                                       "SAUVEGARDE DANS ") + m_generic);
        QCOMPARE(m_view.mentions.last(), QString());

        // Saved again with the same mention: the prompt proposes it.
        m_state->mention = QStringLiteral("2bis");
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().defaultText, QStringLiteral("12 2bis"));
    }

    void archiveQuestionOnGenericSave()
    {
        fillDay();
        m_state->currentFileFolder = m_archive;
        DayCommands::saveGeneric(*m_state, m_prompts, m_view); // answered No
        QCOMPARE(m_prompts.last().kind, QStringLiteral("question"));
        QCOMPARE(m_prompts.last().title,
                 QString::fromUtf16(u"Sauvegarder un fichier archive comme un fichier générique ?"));
        QCOMPARE(m_prompts.last().text,
                 QString::fromUtf16(u"Le fichier actuellement dans l'éditeur est un fichier "
                                    u"archive. \nDésirez-vous réellement le sauvegarder comme "
                                    u"fichier générique ? "));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Question);
        QCOMPARE(m_prompts.last().buttons, Prompts::Buttons::YesNo);
        QVERIFY(files(m_generic).isEmpty());

        m_prompts.answers = {Prompts::Answer::Yes};
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(files(m_generic), QStringList{QStringLiteral("12.txt")});
        QCOMPARE(m_state->currentFileFolder, m_generic);
    }

    void missingFolderAndNumbers()
    {
        fillDay();
        setFolders(QString(), m_archive);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("CHEMIN DU DOSSIER GENERIQUE INCONNU !!"));
        QCOMPARE(m_prompts.last().text,
                 QString::fromUtf16(
                     u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER GENERIQUE.\n\nVEUILLEZ CHOISIR UN "
                     u"DOSSIER GENERIQUE:\n\nSOIT PAR LE GESTIONNAIRE DE DOSSIER ET CLIQUER\nSUR "
                     u"LE BOUTON \"Choisir ce dossier comme dossier Générique\"\n\nSOIT SUR LE "
                     u"BOUTON LISTE \" DOSSIER ROULEMENT\"\nSI LA LISTE DES DOSSIER ROULEMENT "
                     u"N'EST PAS VIDE."));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);

        // A vanished archive folder is forgotten, in memory and in Config.ini.
        setFolders(m_generic, m_dir->filePath(QStringLiteral("PARTI")) + u'/');
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("CHEMIN DU DOSSIER ARCHIVE INCONNU !!"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("JE NE CONNAIS PAS LE CHEMIN DU DOSSIER ARCHIVE.\n\nVEUILLEZ "
                                "CHOISIR UN DOSSIER ARCHIVE DANS LE\nGESTIONNAIRE DE DOSSIER ET "
                                "CLIQUER SUR LE BOUTON\n\"Choisir ce dossier comme dossier "
                                "Archive\""));
        QVERIFY(m_state->config.hdArchive.isEmpty());
        QVERIFY(iniValue("HdArchive").isEmpty());

        setFolders(m_generic, m_archive);
        m_state->record.setSlot(8, QStringLiteral("  "));
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE JOURNEE!!"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("SAUVEGARDE DE LA JOURNEE GENERIQUE IMPOSSIBLE !! \nVEUILLEZ "
                                "INSCRIRE UN NUMERO DE JOURNEE DANS LE CADRE JOURNEE SVP."));
        m_state->record.setSlot(8, QStringLiteral("12"));
        m_state->record.setSlot(7, QString());
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE ROULEMENT!!"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("SAUVEGARDE DE LA JOURNEE ARCHIVE IMPOSSIBLE !! \nVEUILLEZ "
                                "INSCRIRE UN NUMERO DE ROULEMENT DANS LE CADRE ROULEMENT SVP."));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        QVERIFY(files(m_generic).isEmpty());
        QVERIFY(files(m_archive).isEmpty());
    }

    void archiveSaveTwice()
    {
        fillDay();
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        const QString name = QStringLiteral("12 04 12 2026 .txt");
        QCOMPARE(files(m_archive), QStringList{name});
        QCOMPARE(m_prompts.last().title, Ok);
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral(" FICHIER DE LA JOURNEE : 12  DATEE DU  04 12 2026   SAUVEGARDE "
                                "DANS ") + m_archive);
        QCOMPARE(m_state->currentFileFolder, m_archive);
        const QByteArray first = bytesOf(m_archive + name);

        m_state->record.setSlot(9, QStringLiteral("AUTRE"));
        DayCommands::saveArchive(*m_state, m_prompts, m_view); // answered No
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION !!"));
        QCOMPARE(m_prompts.last().text,
                 QString::fromUtf16(u"Il existe déja un fichier nommé 12 04 12 2026 .txt\n "
                                    u"sauvegardé le  04 12 2026 \ndans ") + m_archive +
                     QString::fromUtf16(u"\n\nDésirez-vous vraiment réecrire ce fichier d'archive?"));
        QCOMPARE(m_prompts.last().defaultAnswer, Prompts::Answer::No);
        QCOMPARE(bytesOf(m_archive + name), first);

        m_prompts.answers = {Prompts::Answer::Yes};
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        QVERIFY(bytesOf(m_archive + name) != first);

        m_state->mention = QStringLiteral("2bis");
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        QVERIFY(files(m_archive).contains(QStringLiteral("12 2bis 04 12 2026 .txt")));
        QVERIFY(m_prompts.last().text.startsWith(QStringLiteral(" FICHIER DE LA JOURNEE : 12 2bis  DATEE")));
    }

    void failedSaveKeepsTheFileAndSaysSo()
    {
        fillDay();
        setFolders(m_dir->filePath(QStringLiteral("ABSENT")) + u'/', m_archive);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        QVERIFY(m_prompts.last().text.contains(QStringLiteral("12.txt")));
        QVERIFY(m_state->currentFileFolder.isEmpty());

        // A folder standing where the file should go cannot be replaced: nothing is lost.
        setFolders(m_generic, m_archive);
        QDir(m_generic).mkdir(QStringLiteral("12.txt"));
        m_prompts.inputs = {QStringLiteral("12")};
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QVERIFY(QFileInfo(m_generic + QStringLiteral("12.txt")).isDir());
    }

    void openGenericBack()
    {
        fillDay();
        m_state->mention = QStringLiteral("2bis");
        const QString other = folder(QStringLiteral("AUTRE"));
        setFolders(other, m_archive);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        const BulletinRecord saved = m_state->record;
        const VersoContent savedVerso = m_state->verso;
        setFolders(m_generic, m_archive);
        m_state->record.clearForNewDay();
        m_state->verso.clear();

        m_prompts.calls.clear();
        m_prompts.files = {other + QStringLiteral("12 2bis.txt")};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.calls.size(), 1);
        QCOMPARE(m_prompts.last().title,
                 QStringLiteral("SELECTION ET OUVERTURE D'UNE JOURNEE GENERIQUE"));
        QCOMPARE(m_prompts.last().text, m_generic); // the dialog starts in the generic folder
        QCOMPARE(m_prompts.last().defaultText, QStringLiteral("*.txt"));
        for (int slot = 7; slot <= 272; ++slot)
            QCOMPARE(m_state->record.slot(slot), saved.slot(slot));
        QVERIFY(m_state->verso == savedVerso);
        QCOMPARE(m_state->mention, QStringLiteral("2bis"));
        QCOMPARE(m_view.mentions.last(), QStringLiteral("2bis"));
        QCOMPARE(m_state->config.hdGenerique, other);
        QCOMPARE(iniValue("Hdgenerique"), other);
        QCOMPARE(m_state->currentFileFolder, other);
        QCOMPARE(m_view.rosterFolders.last(), other);
        QVERIFY(RosterFolderList::read(m_state->config.dataFolder()).contains(other));
        QCOMPARE(m_view.dates.last(), QDate(2026, 12, 4));

        // Saving again targets the same name, through the prompt since it exists.
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().kind, QStringLiteral("input"));
        QCOMPARE(m_prompts.last().defaultText, QStringLiteral("12 2bis"));
    }

    void openGenericAsksTheDateWithCalendrier()
    {
        fillDay();
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        int asked = 0;
        auto chooser = [&asked](const QDate &current) -> std::optional<QDate> {
            ++asked;
            return current.addDays(3);
        };
        m_prompts.files = {m_generic + QStringLiteral("12.txt")};
        DayCommands::openGeneric(*m_state, m_prompts, m_view, chooser);
        QCOMPARE(asked, 0);
        QVERIFY(m_state->mention.isEmpty());

        m_state->config.options.calendrier = QStringLiteral("1");
        m_prompts.files = {m_generic + QStringLiteral("12.txt")};
        DayCommands::openGeneric(*m_state, m_prompts, m_view, chooser);
        QCOMPARE(asked, 1);
        QCOMPARE(m_state->record.serviceDate(), QDate(2026, 12, 7));
        QCOMPARE(m_view.dates.last(), QDate(2026, 12, 7));
    }

    void openFailureKeepsTheFolderSetting()
    {
        const QString other = folder(QStringLiteral("AUTRE"));
        QFile bad(other + QStringLiteral("12.txt"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("pas une journee\r\n");
        bad.close();
        const QStringList list = RosterFolderList::read(m_state->config.dataFolder());

        m_prompts.files = {bad.fileName()};
        m_state->mention = QStringLiteral("ab");
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("Erreur !!"));
        QCOMPARE(m_state->config.hdGenerique, m_generic);
        QCOMPARE(iniValue("Hdgenerique"), m_generic);
        QCOMPARE(RosterFolderList::read(m_state->config.dataFolder()), list);
        QVERIFY(m_state->currentFileFolder.isEmpty());

        m_prompts.files = {bad.fileName()};
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_state->config.hdArchive, m_archive);
        QCOMPARE(iniValue("HdArchive"), m_archive);

        // Cancelling the dialog or a missing file changes nothing.
        fillDay();
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        m_prompts.files = {other + QStringLiteral("absent.txt")};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_state->record.slot(8), QStringLiteral(" 12 "));
    }

    void openArchiveBack()
    {
        fillDay();
        m_state->mention = QStringLiteral("2bis");
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        const QStringList list = RosterFolderList::read(m_state->config.dataFolder());
        setFolders(QString(), QString());
        m_state->record.clearForNewDay();

        m_prompts.calls.clear();
        m_prompts.files = {m_archive + QStringLiteral("12 2bis 04 12 2026 .txt")};
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.calls.first().title,
                 QStringLiteral("SELECTION ET OUVERTURE D'UNE JOURNEE ARCHIVE"));
        QCOMPARE(m_prompts.calls.first().text, Paths::driveC()); // empty setting
        QCOMPARE(m_state->record.slot(8), QStringLiteral(" 12 "));
        QCOMPARE(m_state->mention, QStringLiteral("2bis"));
        QCOMPARE(m_state->config.hdArchive, m_archive);
        QCOMPARE(iniValue("HdArchive"), m_archive);
        QCOMPARE(m_state->currentFileFolder, m_archive);
        QVERIFY(m_state->config.hdGenerique.isEmpty());
        QCOMPARE(RosterFolderList::read(m_state->config.dataFolder()), list);
        QVERIFY(m_view.rosterFolders.isEmpty());
    }

    void names()
    {
        using namespace DayNames;
        QCOMPARE(genericMention(QStringLiteral("12.txt"), QStringLiteral("12")), QString());
        QCOMPARE(genericMention(QStringLiteral("12 2bis.txt"), QStringLiteral("12")),
                 QStringLiteral("2bis"));
        QCOMPARE(genericMention(QStringLiteral("12_ bis .TXT"), QStringLiteral("12")),
                 QStringLiteral("bis"));
        QCOMPARE(archiveMention(QStringLiteral("12 04 12 2026 .txt"), QStringLiteral("12")),
                 QString());
        QCOMPARE(archiveMention(QStringLiteral("12 2bis 04 12 2026 .txt"), QStringLiteral("12")),
                 QStringLiteral("2bis"));
        QCOMPARE(mentionFromAnswer(QStringLiteral("12 deuxieme"), QStringLiteral("12")),
                 QStringLiteral("deuxi"));
        QCOMPARE(mentionFromAnswer(QStringLiteral("12"), QStringLiteral("12")), QString());
        QCOMPARE(archiveName(QStringLiteral("120"), QString(), QDate(2026, 12, 4)),
                 QStringLiteral("120 04 12 2026 .txt"));
        QCOMPARE(folderValue(QStringLiteral("C:\\")), Paths::driveC());
        QCOMPARE(folderValue(QStringLiteral("/tmp/R")), QStringLiteral("/tmp/R/"));
    }
};

KERBO_TEST(DayCommandsTest)
#include "DayCommandsTest.moc"
