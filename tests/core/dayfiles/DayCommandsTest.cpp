#include "TestMain.h"

#include "DayFilesFixture.h"
#include "FileSizeLimit.h"

#include "core/editor/FrameErase.h"

using namespace Qt::StringLiterals;

// The day commands: new, save and open a generic or archive day.
class DayCommandsTest : public DayFilesFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }

    void newDay()
    {
        FrameErase::erase(m_state->record, m_state->saveAreas, SlotTable::Frame::A);
        m_state->record.setSlot(1, u"DUPONT"_s);
        m_state->record.setSlot(8, u" 12 "_s);
        m_state->mention = u"2bis"_s;
        m_state->currentFileFolder = m_archive;
        DayCommands::newDay(*m_state, m_prompts, m_view); // Cancel
        expectLast(u"Kerbo"_s, u" NOUVELLE JOURNEE ?"_s, Prompts::Icon::None);
        QCOMPARE(slot(8), u" 12 "_s);
        m_prompts.answers = {Prompts::Answer::Ok};
        DayCommands::newDay(*m_state, m_prompts, m_view);
        QVERIFY(slot(1) == u"DUPONT" && slot(8).isEmpty() && m_state->verso == VersoContent());
        QVERIFY(m_state->mention.isEmpty() && m_state->currentFileFolder.isEmpty());
        QCOMPARE(m_state->record.serviceDate(), QDate::currentDate());
        // "Rétablir le cadre A" has nothing of the day before to bring back.
        FrameErase::restore(m_state->record, m_state->saveAreas, m_state->config,
                            SlotTable::Frame::A);
        QVERIFY(slot(7).isEmpty() && slot(8).isEmpty());
    }

    void genericSaveAndOverwritePrompt()
    {
        saveGeneric();
        expectLast(u"SAUVEGARDE REUSSIE"_s,
                   u" FICHIER DE LA JOURNEE : 12  SAUVEGARDE DANS "_s + m_generic,
                   Prompts::Icon::Information);
        QCOMPARE(m_state->currentFileFolder, m_generic);
        // The name exists: an empty answer or Cancel writes nothing; any other answer loses its
        // first Len(Journee) characters, whatever they are, and keeps five.
        m_prompts.inputs = {QString(), std::nullopt, u"12 bis2"_s, u"12 deuxieme"_s, u"xy 2bis"_s};
        saveGeneric();
        saveGeneric();
        QCOMPARE(m_prompts.titles().mid(1), QStringList(2, u"ATTENTION !!! "_s));
        QCOMPARE(m_prompts.last().text,
                 u"Attention le fichier  12  situé dans  "_s + m_generic +
                     u"  existe déja !!\r\n\r\nS'il s'agit de sauvegarder cette journée comme "
                     u"un BS 2 veuillez ajouter une mention (Ex : 2Bis)\r\n au nom du fichier "
                     u"à sauvegarder \r\npour eviter d'écraser le fichier existant.\r\n\r\n"
                     u"(Maximum 5 lettres espaces compris sinon la mention sera tronquée)"_s);
        QCOMPARE(m_prompts.last().defaultText, u"12 "_s);
        for (int i = 0; i < 3; ++i)
            saveGeneric();
        QCOMPARE(files(m_generic),
                 (QStringList{u"12 2bis.txt"_s, u"12 bis2.txt"_s, u"12 deuxi.txt"_s, u"12.txt"_s}));
        QCOMPARE(m_prompts.last().text,
                 u" FICHIER DE LA JOURNEE : 12 2bis  SAUVEGARDE DANS "_s + m_generic);

        // A day from the archive folder is saved as generic only when the driver says so.
        m_state->currentFileFolder = m_archive;
        m_state->mention = u"arc"_s;
        saveGeneric(); // No
        expectLast(u"Sauvegarder un fichier archive comme un fichier générique ?"_s,
                   u"Le fichier actuellement dans l'éditeur est un fichier archive. \r\n"
                   u"Désirez-vous réellement le sauvegarder comme fichier générique ? "_s,
                   Prompts::Icon::Question);
        QCOMPARE(files(m_generic).size(), 4);
        m_prompts.answers = {Prompts::Answer::Yes};
        saveGeneric();
        QVERIFY(files(m_generic).contains(u"12 arc.txt"_s));
    }

    // No folder known, or no day or roster number: each is told, nothing is written.
    void refusedSaves()
    {
        setFolders(QString(), m_archive);
        saveGeneric();
        // A vanished archive folder is forgotten, in memory and in Config.ini.
        setFolders(m_generic, m_data->dir.filePath(u"PARTI/"_s));
        saveArchive();
        QVERIFY(m_state->config.hdArchive.isEmpty() && iniValue(u"HdArchive"_s).isEmpty());
        setFolders(m_generic, m_archive);
        m_state->record.setSlot(8, u"  "_s);
        saveGeneric();
        m_state->record.setSlot(8, u"12"_s);
        m_state->record.setSlot(7, QString());
        saveArchive();
        QCOMPARE(m_prompts.titles(),
                 (QStringList{u"CHEMIN DU DOSSIER GENERIQUE INCONNU !!"_s,
                              u"CHEMIN DU DOSSIER ARCHIVE INCONNU !!"_s,
                              u"ATTENTION IL MANQUE LE NUMERO DE JOURNEE!!"_s,
                              u"ATTENTION IL MANQUE LE NUMERO DE ROULEMENT!!"_s}));
        const QString texts[] = {
            u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER GENERIQUE.\r\n\r\nVEUILLEZ CHOISIR UN "
            u"DOSSIER GENERIQUE:\r\n\r\nSOIT PAR LE GESTIONNAIRE DE DOSSIER ET CLIQUER\r\nSUR LE "
            u"BOUTON \"Choisir ce dossier comme dossier Générique\"\r\n\r\nSOIT SUR LE BOUTON "
            u"LISTE \" DOSSIER ROULEMENT\"\r\nSI LA LISTE DES DOSSIER ROULEMENT N'EST PAS VIDE."_s,
            u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER ARCHIVE.\r\n\r\nVEUILLEZ CHOISIR UN DOSSIER "
            u"ARCHIVE DANS LE\r\nGESTIONNAIRE DE DOSSIER ET CLIQUER SUR LE BOUTON\r\n\"Choisir "
            u"ce dossier comme dossier Archive\""_s,
            u"SAUVEGARDE DE LA JOURNEE GENERIQUE IMPOSSIBLE !! \r\nVEUILLEZ INSCRIRE UN NUMERO DE "
            u"JOURNEE DANS LE CADRE JOURNEE SVP."_s,
            u"SAUVEGARDE DE LA JOURNEE ARCHIVE IMPOSSIBLE !! \r\nVEUILLEZ INSCRIRE UN NUMERO DE "
            u"ROULEMENT DANS LE CADRE ROULEMENT SVP."_s};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(m_prompts.calls[i].text, texts[i]);
            // The missing roster number alone comes without an icon.
            QCOMPARE(m_prompts.calls[i].icon,
                     i == 3 ? Prompts::Icon::None : Prompts::Icon::Exclamation);
        }
        QVERIFY(files(m_generic).isEmpty() && files(m_archive).isEmpty());

        // A "/" in the day number names no file of the folder: nothing is written, neither in
        // the folder above nor in one below. Nor does a day number that starts with a dot: its
        // file would be hidden from every file list, the open dialogs' too.
        const QString slash = u" contient le caractère « / », qu'un nom de fichier ne peut pas "
                              u"contenir : retirez-le du numéro de journée ou de la mention."_s;
        const QString dot = u" commence par un point : le fichier serait caché et n'apparaîtrait "
                            u"dans aucune liste de fichiers. Retirez le point du début du numéro "
                            u"de journée."_s;
        // Nor does a name that a USB key refuses, which could never be copied to the key.
        const auto onKey = [](const char16_t *c) {
            return u" contient le caractère « "_s + QString::fromUtf16(c) +
                   u" », qu'une clé USB ou un ordinateur Windows refuse dans un nom de fichier "
                   u": retirez-le du numéro de journée ou de la mention."_s;
        };
        m_state->record.setSlot(7, u"R42"_s);
        // The other characters a key refuses are the folder names' (the same check).
        for (const auto &[day, why] : {std::pair{u"../X"_s, slash},
                                       {u"12:30"_s, onKey(u":")},
                                       {u"1\\2"_s, onKey(u"\\")},
                                       {u".."_s, dot},
                                       {u".5"_s, dot}}) {
            m_state->record.setSlot(8, day);
            saveGeneric();
            expectLast(u"Kerbo"_s,
                       u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\nLe nom de fichier « "_s + day +
                           u".txt »"_s + why);
            saveArchive();
            QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        }
        // A line break pasted into the mention of the name prompt.
        m_state->record.setSlot(8, u"12"_s);
        m_state->mention = u"a\nb"_s;
        saveGeneric();
        expectLast(u"Kerbo"_s,
                   u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\nLe nom de fichier contient un retour "
                   u"à la ligne ou une tabulation, qu'un nom de fichier ne peut pas contenir : "
                   u"retirez-le de la mention."_s);
        for (const QString &dir : {m_generic, m_archive, m_data->dir.path()})
            QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // What a save leaves for the next one: the mention is used up, and the folder saved to
    // decides whether a generic save asks first. A name given in the prompt is written over
    // when a file has it already.
    void aSaveUsesUpTheMention()
    {
        m_state->mention = u"2bis"_s;
        saveGeneric();
        QVERIFY(!m_view.mentions.isEmpty() && m_view.mentions.last().isEmpty()); // label hidden
        saveGeneric(); // 12.txt, which is not there yet
        m_state->record.setSlot(9, u"AUTRE"_s);
        m_prompts.inputs = {u"12 2bis"_s};
        saveGeneric();
        QCOMPARE(files(m_generic), (QStringList{u"12 2bis.txt"_s, u"12.txt"_s}));
        QVERIFY(bytesOf(m_generic + u"12 2bis.txt"_s).contains("\r\nAUTRE\r\n"));

        m_state->mention = u"arc"_s;
        saveArchive();
        saveArchive(); // without the mention, a name not there yet
        QCOMPARE(files(m_archive),
                 (QStringList{u"12 04 12 2026 .txt"_s, u"12 arc 04 12 2026 .txt"_s}));
        saveGeneric(); // the day now comes from the archive folder: No
        const QString saved = u"SAUVEGARDE REUSSIE"_s;
        QCOMPARE(m_prompts.titles(),
                 (QStringList{saved, saved, u"ATTENTION !!! "_s, saved, saved, saved,
                              u"Sauvegarder un fichier archive comme un fichier générique ?"_s}));
    }

    // A save cut short (Kerbo killed at a logout, a power cut) leaves its temporary file beside
    // the day; the next save into that folder takes it away, the way the start does in DataBul.
    void aSaveSweepsWhatAKilledSaveLeft()
    {
        const QString left = writeFile(m_generic + u"12.txt.kerbo-AbC123"_s, "half a day");
        QFile file(left);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        file.close();
        saveGeneric();
        QCOMPARE(files(m_generic), QStringList{u"12.txt"_s});
    }

    void failedSaveKeepsThePreviousFile()
    {
        // A disk full in the middle of the save.
        const QString path = writeFile(m_archive + u"12 04 12 2026 .txt"_s, "old");
        QVERIFY(!path.isEmpty());
        m_prompts.answers = {Prompts::Answer::Yes};
        {
            const FileSizeLimit full(16);
            saveArchive();
        }
        QCOMPARE(m_prompts.titles(), (QStringList{u"ATTENTION !!"_s, u"Kerbo"_s}));
        QVERIFY(m_prompts.last().text.startsWith(u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\n"));
        QVERIFY(m_prompts.last().text.endsWith(
            u"\r\n\r\nLe fichier de ce nom déjà présent dans ce dossier reste tel qu'il était."_s));
        QCOMPARE(bytesOf(path), QByteArray("old"));
        QVERIFY(m_state->currentFileFolder.isEmpty());

        // With no earlier file (a name too long for any file), the message speaks of none; the
        // cause is in French whatever the desktop's language.
        m_state->record.setSlot(8, QString(250, u'J'));
        saveArchive();
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QVERIFY(!m_prompts.last().text.contains(u"reste tel qu'il était"_s));
        QVERIFY2(m_prompts.last().text.contains(u"(nom de fichier trop long)"_s) &&
                     !m_prompts.last().text.contains(u"remplacé"_s),
                 qPrintable(m_prompts.last().text));
        QCOMPARE(files(m_archive).size(), 1);

        // A Windows computer's generic folder (or one on a key not plugged in) is no folder
        // here: nothing is written wherever the program was started, under that folder's name,
        // and the driver is told what to do.
        setFolders(u"D:\\Roulements\\"_s, m_archive);
        m_state->record.setSlot(8, u"12"_s);
        const QString started = QDir::currentPath();
        QDir::setCurrent(m_data->dir.path());
        saveGeneric();
        QDir::setCurrent(started);
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QVERIFY2(m_prompts.last().text.endsWith(
                     u"le dossier D:\\Roulements\\ est introuvable.\r\n\r\nBranchez la clé ou le "
                     u"disque qui contient ce dossier puis sauvegardez de nouveau, ou choisissez "
                     u"un autre dossier dans GestionDossiers."_s),
                 qPrintable(m_prompts.last().text));
        QVERIFY(!QFileInfo::exists(m_data->dir.filePath(u"D:\\Roulements\\12.txt"_s)));
    }

    void archiveTwiceThenOpenBack()
    {
        const QString name = u"12 04 12 2026 .txt"_s;
        saveArchive();
        expectLast(u"SAUVEGARDE REUSSIE"_s,
                   u" FICHIER DE LA JOURNEE : 12  DATEE DU  04 12 2026   SAUVEGARDE DANS "_s +
                       m_archive,
                   Prompts::Icon::Information);
        const QByteArray first = bytesOf(m_archive + name);

        m_state->record.setSlot(9, u"AUTRE"_s);
        saveArchive(); // No
        expectLast(u"ATTENTION !!"_s,
                   u"Il existe déja un fichier nommé 12 04 12 2026 .txt\r\n sauvegardé le  04 12 "
                   u"2026 \r\ndans "_s +
                       m_archive +
                       u"\r\n\r\nDésirez-vous vraiment réecrire ce fichier d'archive?"_s,
                   Prompts::Icon::Question);
        QCOMPARE(m_prompts.last().defaultAnswer, Prompts::Answer::No);
        QCOMPARE(bytesOf(m_archive + name), first);
        m_prompts.answers = {Prompts::Answer::Yes};
        saveArchive();
        QVERIFY(bytesOf(m_archive + name) != first);

        m_state->mention = u"2bis"_s;
        saveArchive();
        const QString withMention = u"12 2bis 04 12 2026 .txt"_s;
        QCOMPARE(files(m_archive), (QStringList{name, withMention}));

        // Opening it back: the mention comes from the name, only HdArchive changes.
        // No archive folder set, or one not on this computer: the dialog starts in the home
        // folder.
        setFolders(QString(), QString());
        m_prompts.files = {QString()};
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().text, Paths::driveC());
        setFolders(QString(), u"D:\\Archives\\"_s);
        m_state->record.clearForNewDay();
        m_prompts.files = {m_archive + withMention};
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, u"SELECTION ET OUVERTURE D'UNE JOURNEE ARCHIVE"_s);
        QCOMPARE(m_prompts.last().text, Paths::driveC());
        QCOMPARE((QStringList{slot(9), m_state->mention, iniValue(u"HdArchive"_s),
                              m_state->currentFileFolder}),
                 (QStringList{u"AUTRE"_s, u"2bis"_s, m_archive, m_archive}));
        QVERIFY(m_state->config.hdGenerique.isEmpty() && m_view.rosterFolders.isEmpty());
        QVERIFY(RosterFolderList::read(m_state->config.dataFolder()).isEmpty());

        // A folder whose name the settings cannot hold serves the run: the day opened there
        // is archived there again, and the settings keep the folder they had.
        const QString elsewhere = folder(u"ARCHIVE Łódź"_s);
        QVERIFY(QFile::copy(m_archive + name, elsewhere + name));
        m_prompts.files = {elsewhere + name};
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        m_state->record.setSlot(9, u"ENCORE"_s);
        m_prompts.answers = {Prompts::Answer::Yes};
        saveArchive();
        QCOMPARE(iniValue(u"HdArchive"_s), m_archive);
        QVERIFY(bytesOf(elsewhere + name).contains("\r\nENCORE\r\n"));
        QVERIFY(!bytesOf(m_archive + name).contains("ENCORE"));
    }

    void openGenericBack()
    {
        const QString other = folder(u"AUTRE"_s);
        m_state->mention = u"2bis"_s;
        setFolders(other, m_archive);
        saveGeneric();
        const QByteArray saved = DayFileWriter::bytes(m_state->record, m_state->verso);
        setFolders(m_generic, m_archive);
        m_state->record.clearForNewDay();
        m_state->verso.clear();

        m_prompts.files = {other + u"12 2bis.txt"_s, other + u"12 2bis.txt"_s};
        auto threeDaysLater = [](const QDate &d) { return std::optional<QDate>(d.addDays(3)); };
        DayCommands::openGeneric(*m_state, m_prompts, m_view, threeDaysLater);
        QCOMPARE(m_prompts.last().title, u"SELECTION ET OUVERTURE D'UNE JOURNEE GENERIQUE"_s);
        QCOMPARE(m_prompts.last().text, m_generic); // starts in the generic folder
        QCOMPARE(DayFileWriter::bytes(m_state->record, m_state->verso), saved);
        QCOMPARE((QStringList{m_view.mentions.last(), iniValue(u"Hdgenerique"_s),
                              m_state->currentFileFolder, m_view.rosterFolders.last()}),
                 (QStringList{u"2bis"_s, other, other, other}));
        QCOMPARE(RosterFolderList::read(m_state->config.dataFolder()), QStringList{other});

        // With the option Calendrier the date window gives the date. It opens on today, not on
        // the day the template was saved.
        m_state->config.options.calendrier = u"1"_s;
        QDate offered;
        const QDate before = QDate::currentDate();
        DayCommands::openGeneric(*m_state, m_prompts, m_view, [&offered](const QDate &d) {
            offered = d;
            return std::optional<QDate>(d.addDays(3));
        });
        QVERIFY2(offered == before || offered == QDate::currentDate(),
                 qPrintable(offered.toString()));
        QCOMPARE(m_state->record.serviceDate(), offered.addDays(3));

        // A file that is not a day file changes no folder setting.
        const QString bad = writeFile(folder(u"BAD"_s) + u"12.txt"_s, "pas une journee");
        m_prompts.files = {bad, bad};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        DayCommands::openArchive(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.titles().filter(u"Erreur !!"_s).size(), 2);
        QCOMPARE((QStringList{m_state->config.hdGenerique, iniValue(u"Hdgenerique"_s),
                              iniValue(u"HdArchive"_s), m_state->currentFileFolder}),
                 (QStringList{other, other, m_archive, other}));
        QCOMPARE(RosterFolderList::read(m_state->config.dataFolder()), QStringList{other});
        // Nor does it when the roster-folder check dropped the generic folder meanwhile (a key
        // pulled out): the setting comes back, in memory as in Config.ini.
        const QString pulled = folder(u"CLE"_s);
        QVERIFY(RosterFolderList::add(m_state->config.dataFolder(), pulled));
        setFolders(pulled, m_archive);
        QVERIFY(QDir(pulled).removeRecursively());
        m_prompts.files = {bad};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE((QStringList{m_state->config.hdGenerique, iniValue(u"Hdgenerique"_s)}),
                 (QStringList{pulled, pulled}));
        setFolders(other, m_archive);

        // A folder whose path the 8-bit settings cannot hold serves this run only, as does one
        // with a line break in its name, which would cut its line of the files in two.
        for (const QString &name : {u"Łódź"_s, u"R1\nR2"_s}) {
            const QString unstorable = folder(name);
            QVERIFY(QFile::copy(other + u"12 2bis.txt"_s, unstorable + u"12.txt"_s));
            m_prompts.files = {unstorable + u"12.txt"_s};
            DayCommands::openGeneric(*m_state, m_prompts, m_view);
            QCOMPARE((QStringList{m_state->config.hdGenerique, iniValue(u"Hdgenerique"_s),
                                  m_state->currentFileFolder}),
                     (QStringList{unstorable, other, unstorable}));
            QCOMPARE(RosterFolderList::read(m_state->config.dataFolder()), QStringList{other});
        }

        // Where the roster-folder list cannot take the folder, the day opens all the same and
        // the driver is told.
        QVERIFY(QFile::remove(m_data->dataFile(u"ListeDossier.txt"_s)));
        QVERIFY(QDir().mkpath(m_data->dataFile(u"ListeDossier.txt"_s)));
        m_state->record.clearForNewDay();
        m_prompts.files = {other + u"12 2bis.txt"_s};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE((QStringList{m_state->currentFileFolder, slot(7)}),
                 (QStringList{other, u"R42"_s}));
    }

    // A file gone between its choice and its opening (a key pulled out) is named, with what to
    // do, and the day in the editor stays.
    // An opened day replaces the one in the editor, also where the file has empty lines or
    // ends before its km and regularity blocks.
    void openingReplacesTheDay()
    {
        const QStringList empty = DayFileWriter::lines(BulletinRecord(), VersoContent());
        const QString file =
            writeFile(m_generic + u"12.txt"_s,
                      TextFile::joinLines(empty.mid(0, empty.indexOf(u"@@DebutKmTrain@@"_s))));
        for (bool generic : {true, false}) {
            for (int s = 7; s <= SlotTable::TotalKmSlot; ++s)
                m_state->record.setSlot(s, u"x"_s);
            m_state->verso.textL = QStringList(VersoContent::LCount, u"L"_s);
            m_prompts.files = {file};
            if (generic)
                DayCommands::openGeneric(*m_state, m_prompts, m_view);
            else
                DayCommands::openArchive(*m_state, m_prompts, m_view);
            QStringList left;
            for (int s = 7; s <= 272; ++s)
                if (!slot(s).isEmpty()) left << QString::number(s);
            QCOMPARE(left, QStringList());
            QCOMPARE(m_state->verso, VersoContent());
        }
    }

    void vanishedFileIsNamed()
    {
        m_state->record.setSlot(7, u"R42"_s);
        const QString gone = folder(u"CLE"_s) + u"12.txt"_s;
        m_prompts.files = {gone};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QCOMPARE(m_prompts.last().text, u"Le fichier %1 n'existe pas.\r\n\r\nChoisir un autre "
                                        u"fichier s.v.p.."_s.arg(gone));
        QCOMPARE(slot(7), u"R42"_s);
    }

    void mentionsInNames()
    {
        QCOMPARE(DayNames::genericMention(u"12.txt"_s, u"12"_s), QString());
        QCOMPARE(DayNames::genericMention(u"12_ bis .TXT"_s, u"12"_s), u"bis"_s);
        QCOMPARE(DayNames::archiveMention(u"12 04 12 2026 .txt"_s, u"12"_s), QString());
        // The answer to the name prompt loses the day's length, then keeps five characters,
        // never half of one.
        QCOMPARE(DayNames::mentionFromAnswer(u"12 abcd\U0001F682"_s, u"12"_s), u"abcd"_s);
        QCOMPARE(DayNames::mentionFromAnswer(u"12 ab\U0001F682d"_s, u"12"_s), u"ab\U0001F682d"_s);
        // The file a save names, opened again, gives back its mention: the next save targets
        // that file, not a second one beside it. Five characters that end with a blank lose it.
        for (const QString &answer : {u"12 abcd e"_s, u"12 deuxieme"_s, u"12 a b"_s}) {
            const QString mention = DayNames::mentionFromAnswer(answer, u"12"_s);
            QCOMPARE(DayNames::genericMention(DayNames::genericName(u"12"_s, mention), u"12"_s),
                     mention);
            QCOMPARE(DayNames::archiveMention(
                         DayNames::archiveName(u"12"_s, mention, QDate(2026, 12, 4)), u"12"_s),
                     mention);
        }
    }
};

KERBO_TEST(DayCommandsTest)
#include "DayCommandsTest.moc"
