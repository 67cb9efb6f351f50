#include "TestMain.h"

#include "FakePrompts.h"
#include "FullBulletin.h"

#include "app/AppState.h"
#include "app/IniAccess.h"
#include "app/Paths.h"
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
    QStringList mentions, rosterFolders;
    QList<QDate> dates;

    void refreshBulletin() override { ++refreshes; }
    void clearEditControls() override {}
    void showMention(const QString &m) override { mentions << m; }
    void showServiceDate(const QDate &d) override { dates << d; }
    void showRosterFolder(const QString &f) override { rosterFolders << f; }
    void reloadRosterList() override {}
};

QString u16(const char16_t *text) { return QString::fromUtf16(text); }

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
    QString iniValue(const QString &key)
    {
        return LectureINI(m_state->config.iniPath(), QStringLiteral("CheminDossiers"), key).text;
    }
    void setFolders(const QString &generic, const QString &archive)
    {
        m_state->config.hdGenerique = generic;
        m_state->config.hdArchive = archive;
        m_state->config.write(Config::CheminDossiers, QStringLiteral("Hdgenerique"), generic);
        m_state->config.write(Config::CheminDossiers, QStringLiteral("HdArchive"), archive);
    }
    QStringList files(const QString &dir) const { return QDir(dir).entryList(QDir::Files); }
    QByteArray bytesOf(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void expectLast(const QString &title, const QString &text, Prompts::Icon icon)
    {
        QCOMPARE(m_prompts.last().title, title);
        QCOMPARE(m_prompts.last().text, text);
        QCOMPARE(m_prompts.last().icon, icon);
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
        FullBulletin::fill(m_state->record, m_state->verso);
        m_state->record.setSlot(8, QStringLiteral(" 12 "));
    }

    void newDay()
    {
        m_state->record.setSlot(1, QStringLiteral("DUPONT"));
        m_state->mention = QStringLiteral("2bis");
        m_state->currentFileFolder = m_archive;
        m_state->saveAreas.a = QStringList{QStringLiteral("R42"), QStringLiteral("12")};
        DayCommands::newDay(*m_state, m_prompts, m_view); // Cancel
        expectLast(QStringLiteral("Kerbo"), QStringLiteral(" NOUVELLE JOURNEE ?"),
                   Prompts::Icon::None);
        QCOMPARE(m_prompts.last().buttons, Prompts::Buttons::OkCancel);
        QCOMPARE(m_state->record.slot(8), QStringLiteral(" 12 "));

        m_prompts.answers = {Prompts::Answer::Ok};
        DayCommands::newDay(*m_state, m_prompts, m_view);
        QCOMPARE(m_state->record.slot(1), QStringLiteral("DUPONT"));
        for (int slot = 7; slot <= 326; ++slot)
            QVERIFY(m_state->record.slot(slot).isEmpty());
        QVERIFY(m_state->verso == VersoContent());
        QCOMPARE(m_state->record.currentSlot(), 58);
        QVERIFY(m_state->mention.isEmpty() && m_state->currentFileFolder.isEmpty());
        QVERIFY(m_state->saveAreas.a.isEmpty());
        QCOMPARE(m_view.mentions, QStringList{QString()});
        QCOMPARE(m_view.dates, QList<QDate>{QDate::currentDate()});
        QCOMPARE(m_view.refreshes, 1);
    }

    void genericSaveAndNamePrompt()
    {
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(bytesOf(m_generic + QStringLiteral("12.txt")),
                 DayFileWriter::bytes(m_state->record, m_state->verso));
        expectLast(QStringLiteral("SAUVEGARDE REUSSIE"),
                   QStringLiteral(" FICHIER DE LA JOURNEE : 12  SAUVEGARDE DANS ") + m_generic,
                   Prompts::Icon::Information);
        QCOMPARE(m_state->currentFileFolder, m_generic);

        // The name exists: an empty answer or Cancel writes nothing.
        m_prompts.inputs = {QString(), std::nullopt};
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.calls.size(), 3);
        expectLast(QStringLiteral("ATTENTION !!! "),
                   u16(u"Attention le fichier  12  situé dans  ") + m_generic +
                       u16(u"  existe déja !!\n\nS'il s'agit de sauvegarder cette journée comme "
                           u"un BS 2 veuillez ajouter une mention (Ex : 2Bis)\n au nom du fichier "
                           u"à sauvegarder \npour eviter d'écraser le fichier existant.\n\n"
                           u"(Maximum 5 lettres espaces compris sinon la mention sera tronquée)"),
                   Prompts::Icon::None);
        QCOMPARE(m_prompts.last().defaultText, QStringLiteral("12 "));
        QCOMPARE(files(m_generic).size(), 1);

        // The answer loses its first Len(Journee) characters, whatever they are.
        m_prompts.inputs = {QStringLiteral("12 bis2"), QStringLiteral("12 deuxieme"),
                            QStringLiteral("xy 2bis")};
        for (int i = 0; i < 3; ++i)
            DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(files(m_generic),
                 (QStringList{QStringLiteral("12 2bis.txt"), QStringLiteral("12 bis2.txt"),
                              QStringLiteral("12 deuxi.txt"), QStringLiteral("12.txt")}));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral(" FICHIER DE LA JOURNEE : 12 2bis  SAUVEGARDE DANS ") + m_generic);

        // A day from the archive folder is saved as generic only when the driver says so.
        m_state->currentFileFolder = m_archive;
        m_state->mention = QStringLiteral("arc");
        DayCommands::saveGeneric(*m_state, m_prompts, m_view); // No
        expectLast(u16(u"Sauvegarder un fichier archive comme un fichier générique ?"),
                   u16(u"Le fichier actuellement dans l'éditeur est un fichier archive. \n"
                       u"Désirez-vous réellement le sauvegarder comme fichier générique ? "),
                   Prompts::Icon::Question);
        QCOMPARE(m_prompts.last().buttons, Prompts::Buttons::YesNo);
        m_prompts.answers = {Prompts::Answer::Yes};
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QVERIFY(files(m_generic).contains(QStringLiteral("12 arc.txt")));
        QVERIFY(m_state->mention.isEmpty());
    }

    void refusedSaves()
    {
        setFolders(QString(), m_archive);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        expectLast(QStringLiteral("CHEMIN DU DOSSIER GENERIQUE INCONNU !!"),
                   u16(u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER GENERIQUE.\n\nVEUILLEZ CHOISIR UN "
                       u"DOSSIER GENERIQUE:\n\nSOIT PAR LE GESTIONNAIRE DE DOSSIER ET CLIQUER\nSUR "
                       u"LE BOUTON \"Choisir ce dossier comme dossier Générique\"\n\nSOIT SUR LE "
                       u"BOUTON LISTE \" DOSSIER ROULEMENT\"\nSI LA LISTE DES DOSSIER ROULEMENT "
                       u"N'EST PAS VIDE."),
                   Prompts::Icon::Exclamation);

        // A vanished archive folder is forgotten, in memory and in Config.ini.
        setFolders(m_generic, m_dir->filePath(QStringLiteral("PARTI/")));
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        expectLast(
            QStringLiteral("CHEMIN DU DOSSIER ARCHIVE INCONNU !!"),
            QStringLiteral("JE NE CONNAIS PAS LE CHEMIN DU DOSSIER ARCHIVE.\n\nVEUILLEZ "
                           "CHOISIR UN DOSSIER ARCHIVE DANS LE\nGESTIONNAIRE DE DOSSIER ET "
                           "CLIQUER SUR LE BOUTON\n\"Choisir ce dossier comme dossier Archive\""),
            Prompts::Icon::Exclamation);
        QVERIFY(m_state->config.hdArchive.isEmpty() &&
                iniValue(QStringLiteral("HdArchive")).isEmpty());

        setFolders(m_generic, m_archive);
        m_state->record.setSlot(8, QStringLiteral("  "));
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        expectLast(QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE JOURNEE!!"),
                   QStringLiteral("SAUVEGARDE DE LA JOURNEE GENERIQUE IMPOSSIBLE !! \nVEUILLEZ "
                                  "INSCRIRE UN NUMERO DE JOURNEE DANS LE CADRE JOURNEE SVP."),
                   Prompts::Icon::Exclamation);
        m_state->record.setSlot(8, QStringLiteral("12"));
        m_state->record.setSlot(7, QString());
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        expectLast(QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE ROULEMENT!!"),
                   QStringLiteral("SAUVEGARDE DE LA JOURNEE ARCHIVE IMPOSSIBLE !! \nVEUILLEZ "
                                  "INSCRIRE UN NUMERO DE ROULEMENT DANS LE CADRE ROULEMENT SVP."),
                   Prompts::Icon::Exclamation);
        QVERIFY(files(m_generic).isEmpty() && files(m_archive).isEmpty());

        // A write that fails says so; a folder standing where the file goes is left alone.
        m_state->record.setSlot(7, QStringLiteral("R42"));
        setFolders(m_dir->filePath(QStringLiteral("ABSENT/")), m_archive);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QVERIFY(m_prompts.last().text.contains(QStringLiteral("12.txt")));
        QVERIFY(m_state->currentFileFolder.isEmpty());
        QDir(m_archive).mkdir(QStringLiteral("12 04 12 2026 .txt"));
        m_prompts.answers = {Prompts::Answer::Yes};
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("SAUVEGARDE IMPOSSIBLE !!"));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
    }

    void archiveTwiceThenOpenBack()
    {
        const QString name = QStringLiteral("12 04 12 2026 .txt");
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        expectLast(QStringLiteral("SAUVEGARDE REUSSIE"),
                   QStringLiteral(" FICHIER DE LA JOURNEE : 12  DATEE DU  04 12 2026   SAUVEGARDE "
                                  "DANS ") + m_archive,
                   Prompts::Icon::Information);
        QCOMPARE(files(m_archive), QStringList{name});
        QCOMPARE(m_state->currentFileFolder, m_archive);
        const QByteArray first = bytesOf(m_archive + name);

        m_state->record.setSlot(9, QStringLiteral("AUTRE"));
        DayCommands::saveArchive(*m_state, m_prompts, m_view); // No
        expectLast(QStringLiteral("ATTENTION !!"),
                   u16(u"Il existe déja un fichier nommé 12 04 12 2026 .txt\n sauvegardé le  04 "
                       u"12 2026 \ndans ") + m_archive +
                       u16(u"\n\nDésirez-vous vraiment réecrire ce fichier d'archive?"),
                   Prompts::Icon::Question);
        QCOMPARE(m_prompts.last().defaultAnswer, Prompts::Answer::No);
        QCOMPARE(bytesOf(m_archive + name), first);
        m_prompts.answers = {Prompts::Answer::Yes};
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        QVERIFY(bytesOf(m_archive + name) != first);

        m_state->mention = QStringLiteral("2bis");
        DayCommands::saveArchive(*m_state, m_prompts, m_view);
        QVERIFY(m_prompts.last().text.startsWith(
            QStringLiteral(" FICHIER DE LA JOURNEE : 12 2bis  DATEE")));

        // Opening it back: the mention comes from the name, only HdArchive changes.
        setFolders(QString(), QString());
        m_state->record.clearForNewDay();
        m_prompts.calls.clear();
        m_prompts.files = {m_archive + QStringLiteral("12 2bis 04 12 2026 .txt")};
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.calls.size(), 1);
        QCOMPARE(m_prompts.last().title,
                 QStringLiteral("SELECTION ET OUVERTURE D'UNE JOURNEE ARCHIVE"));
        QCOMPARE(m_prompts.last().text, Paths::driveC()); // empty setting
        QCOMPARE(m_state->record.slot(9), QStringLiteral("AUTRE"));
        QCOMPARE(m_state->mention, QStringLiteral("2bis"));
        QCOMPARE(iniValue(QStringLiteral("HdArchive")), m_archive);
        QCOMPARE(m_state->currentFileFolder, m_archive);
        QVERIFY(m_state->config.hdGenerique.isEmpty() && m_view.rosterFolders.isEmpty());
        QVERIFY(RosterFolderList::read(m_state->config.dataFolder()).isEmpty());
    }

    void openGenericBack()
    {
        const QString other = folder(QStringLiteral("AUTRE"));
        m_state->mention = QStringLiteral("2bis");
        setFolders(other, m_archive);
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        const BulletinRecord saved = m_state->record;
        const VersoContent savedVerso = m_state->verso;
        setFolders(m_generic, m_archive);
        m_state->record.clearForNewDay();
        m_state->verso.clear();

        m_prompts.calls.clear();
        m_prompts.files = {other + QStringLiteral("12 2bis.txt")};
        int asked = 0;
        auto chooser = [&asked](const QDate &current) -> std::optional<QDate> {
            ++asked;
            return current.addDays(3);
        };
        DayCommands::openGeneric(*m_state, m_prompts, m_view, chooser);
        QCOMPARE(m_prompts.last().title,
                 QStringLiteral("SELECTION ET OUVERTURE D'UNE JOURNEE GENERIQUE"));
        QCOMPARE(m_prompts.last().text, m_generic); // starts in the generic folder
        QCOMPARE(m_prompts.last().defaultText, QStringLiteral("*.txt"));
        for (int slot = 7; slot <= 272; ++slot)
            QCOMPARE(m_state->record.slot(slot), saved.slot(slot));
        QVERIFY(m_state->verso == savedVerso);
        QCOMPARE(m_view.mentions.last(), QStringLiteral("2bis"));
        QCOMPARE(m_state->config.hdGenerique, other);
        QCOMPARE(iniValue(QStringLiteral("Hdgenerique")), other);
        QCOMPARE(m_state->currentFileFolder, other);
        QCOMPARE(m_view.rosterFolders.last(), other);
        QCOMPARE(RosterFolderList::read(m_state->config.dataFolder()), QStringList{other});
        QCOMPARE(asked, 0);

        // Saving again targets the same name, through the prompt since it exists.
        DayCommands::saveGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().defaultText, QStringLiteral("12 2bis"));

        // With the option Calendrier the date window gives the date.
        m_state->config.options.calendrier = QStringLiteral("1");
        m_prompts.files = {other + QStringLiteral("12 2bis.txt")};
        DayCommands::openGeneric(*m_state, m_prompts, m_view, chooser);
        QCOMPARE(asked, 1);
        QCOMPARE(m_state->record.serviceDate(), QDate(2026, 12, 7));
        QCOMPARE(m_view.dates.last(), QDate(2026, 12, 7));
    }

    void failedOpenKeepsTheFolderSetting()
    {
        const QString bad = folder(QStringLiteral("AUTRE")) + QStringLiteral("12.txt");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("pas une journee\r\n");
        file.close();

        m_prompts.files = {bad, bad};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("Erreur !!"));
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, QStringLiteral("Erreur !!"));
        QCOMPARE(m_state->config.hdGenerique, m_generic);
        QCOMPARE(iniValue(QStringLiteral("Hdgenerique")), m_generic);
        QCOMPARE(iniValue(QStringLiteral("HdArchive")), m_archive);
        QVERIFY(RosterFolderList::read(m_state->config.dataFolder()).isEmpty());
        QVERIFY(m_state->currentFileFolder.isEmpty());

        // Cancelling the dialog or naming a missing file changes nothing.
        FullBulletin::fill(m_state->record, m_state->verso);
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        m_prompts.files = {bad + QStringLiteral(".absent")};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_state->record.slot(8), QStringLiteral("12"));
    }

    void names()
    {
        using namespace DayNames;
        QCOMPARE(genericMention(QStringLiteral("12.txt"), QStringLiteral("12")), QString());
        QCOMPARE(genericMention(QStringLiteral("12_ bis .TXT"), QStringLiteral("12")),
                 QStringLiteral("bis"));
        QCOMPARE(archiveMention(QStringLiteral("12 04 12 2026 .txt"), QStringLiteral("12")),
                 QString());
        QCOMPARE(archiveName(QStringLiteral("120"), QString(), QDate(2026, 12, 4)),
                 QStringLiteral("120 04 12 2026 .txt"));
        QCOMPARE(folderValue(QStringLiteral("C:\\")), Paths::driveC());
        QCOMPARE(folderValue(QStringLiteral("/tmp/R")), QStringLiteral("/tmp/R/"));
    }
};

KERBO_TEST(DayCommandsTest)
#include "DayCommandsTest.moc"
