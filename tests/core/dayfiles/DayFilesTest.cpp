#include "TestMain.h"
#include "core/base/Cp1252.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "TempDataFolder.h"
#include "TestFiles.h"

#include "core/AppState.h"
#include "core/base/IniAccess.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/dayfiles/DayCommands.h"
#include "core/dayfiles/DayFileReader.h"
#include "core/dayfiles/DayFileWriter.h"
#include "core/dayfiles/DayNames.h"
#include "core/folders/RosterFolderList.h"
#include "core/model/SlotTable.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// Index of txtJ in the lines of a bulletin whose multi-line texts are empty.
constexpr int TxtJLine = 261 + 80 + 16 + 3 + 1 + 3 + 8;

QStringList emptyDayLines() { return DayFileWriter::lines(BulletinRecord(), VersoContent()); }

// The bulletin of data/journee-complete.txt: every slot and verso text filled, values within
// the reader's cuts, accented letters and Windows-1252 signs included.
void fillFullBulletin(BulletinRecord &record, VersoContent &verso)
{
    const QHash<int, QString> given = {
        {7, u"R42"_s},          {8, u"12"_s},           {9, u"Sète"_s}, {10, u"05h12"_s},
        {11, u"Orléans"_s},     {12, u"13h40"_s},       {14, u"EV"_s},  {26, u"Manœuv"_s},
        {39, u"BB 7200"_s},     {54, u"2"_s},           {55, u"15"_s},  {84, u"Z 2xxx Lé"_s},
        {82, u"BB 67401 NV"_s}, {88, u"CC 72000 Châ"_s}};
    record.setServiceDate(QDate(2026, 12, 4));
    for (int slot = 7; slot <= 272; ++slot) {
        const int limit = SlotTable::info(slot).loadLimit;
        if (SlotTable::isMark(slot)) // ticked or not, in no regular pattern
            record.setSlot(slot, (slot * 7) % 5 < 2 ? u"x"_s : QString());
        else
            record.setSlot(slot, given.value(slot, limit ? QString::number(slot).right(limit)
                                                         : u"S%1"_s.arg(slot)));
    }
    for (int i = 0; i < 6; ++i)
        record.setSlot(SlotTable::lineSlot(i, SlotTable::KmTrain), QString::number(100.5 + i));
    for (auto [texts, letter] : {std::pair{&verso.txtD, u'D'}, {&verso.txtE, u'E'},
                                 {&verso.txtI, u'I'}, {&verso.textL, u'L'}})
        for (int i = 0; i < texts->size(); ++i)
            (*texts)[i] = letter + QString::number(i);
    for (int i = 0; i < VersoContent::DCount; i += 10)
        verso.txtD[i] += u" é"_s;
    verso.txtNumTrainH = u"12345\n\n67890 à"_s;
    verso.txtObsMecUP = u"UP Résidence"_s;
    verso.txtObsMec = u"Freinage très long à Mâcon\n\nœuvre « 5 € »"_s;
    verso.txtJ = u"Brouillard givrant"_s;
}

} // namespace

class DayFilesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    AppState *m_state = nullptr;
    QString m_generic, m_archive;
    FakePrompts m_prompts;
    FakeView m_view;

    QString slot(int s) const { return m_state->record.slot(s); }
    QString folder(const QString &name)
    {
        QDir(m_data->dir.path()).mkpath(name);
        return Paths::CheckPath(m_data->dir.filePath(name));
    }
    QString writeFile(const QString &path, const QByteArray &bytes)
    {
        return writeBytes(path, bytes) ? path : QString();
    }
    // Loads the bytes as a day file into an emptied state; true when the reader refuses them.
    bool load(const QByteArray &bytes)
    {
        const QString path = writeFile(m_data->dir.filePath(u"day.txt"_s), bytes);
        m_state->record.clearForNewDay();
        m_state->verso.clear();
        return DayFileReader::load(path, *m_state, m_prompts);
    }
    bool load(const QStringList &lines) { return load(TextFile::joinLines(lines)); }

    QString iniValue(const QString &key)
    {
        return LectureINI(m_state->config.iniPath(), u"CheminDossiers"_s, key).text;
    }
    void setFolders(const QString &generic, const QString &archive)
    {
        m_state->config.hdGenerique = generic;
        m_state->config.hdArchive = archive;
        m_state->config.write("CheminDossiers", "Hdgenerique", generic);
        m_state->config.write("CheminDossiers", "HdArchive", archive);
    }
    QStringList files(const QString &dir) const { return QDir(dir).entryList(QDir::Files); }
    void expectLast(const QString &title, const QString &text,
                    Prompts::Icon icon = Prompts::Icon::Exclamation)
    {
        QCOMPARE(m_prompts.last().title, title);
        QCOMPARE(m_prompts.last().text, text);
        QCOMPARE(m_prompts.last().icon, icon);
    }
    void saveGeneric() { DayCommands::saveGeneric(*m_state, m_prompts, m_view); }
    void saveArchive() { DayCommands::saveArchive(*m_state, m_prompts, m_view); }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_state = &m_data->state;
        m_generic = folder(u"ROULEMENT"_s);
        m_archive = folder(u"ARCHIVE"_s);
        setFolders(m_generic, m_archive);
        m_prompts = FakePrompts();
        m_view = FakeView();
        m_state->record.setServiceDate(QDate(2026, 12, 4));
        m_state->record.setSlot(7, u"R42"_s);
        m_state->record.setSlot(8, u" 12 "_s);
        m_state->verso.txtObsMec = u"Freinage très\nlong"_s;
    }

    // ---- Reading and writing a day file

    void fullBulletinRoundTrip()
    {
        BulletinRecord record;
        VersoContent verso;
        fillFullBulletin(record, verso);
        const QByteArray expected = bytesOf(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                                            u"/data/journee-complete.txt"_s);
        QCOMPARE(DayFileWriter::bytes(record, verso), expected);

        // Read back, with CR LF or LF, and saved again: the same bytes, no line break added to
        // the multi-line texts.
        // The same file saved by an editor in UTF-8, with or without its mark, reads the same:
        // the block after "@@Regularité@@" was lost to a marker read byte for byte.
        const QByteArray utf8 = Cp1252::decode(expected).toUtf8();
        QVERIFY(utf8 != expected);
        for (const QByteArray &bytes :
             {expected, QByteArray(expected).replace("\r\n", "\n"), utf8, "\xEF\xBB\xBF" + utf8}) {
            QVERIFY(!load(bytes));
            QCOMPARE(DayFileWriter::bytes(m_state->record, m_state->verso), expected);
        }
    }

    void marksCutsAndTrims()
    {
        struct Case {
            int slot;
            const char *written, *read;
        };
        const QList<Case> cases = {{13, "x", "x"},
                                   {51, "o", ""},
                                   {52, "2", ""},
                                   {57, "x", "x"},
                                   {50, nullptr, "x"},
                                   {53, nullptr, "2"},
                                   {58, "  123 ", "123"},
                                   {59, "ABCDEFGHI", "ABCDE"},
                                   {60, " PARIS-EST", " PARI"},
                                   {61, "VIA-X", "VIA"},
                                   {68, "CHATEAU", "CHA"},
                                   {62, " 12 ", " 12 "},
                                   {9, "  Lieu  ", "  Lieu  "},
                                   {20, "TACHE-LONGUE", "TACHE-L"},
                                   {84, " Z 1 X ", " Z 1 X "},
                                   {82, "BB 67401 NV TRES LONG", "BB 67401 NV TRES LONG"},
                                   {10, "A\r\nB", "A B"}};
        BulletinRecord record;
        for (const Case &c : cases)
            record.setSlot(c.slot, QLatin1String(c.written));
        VersoContent verso;
        verso.txtObsMec = u"a\r\nb\n"_s; // CR LF is a break, a final one stays
        verso.txtJ = u"pluie\nneige"_s;  // a one-line text cannot break
        QStringList lines = DayFileWriter::lines(record, verso);
        QCOMPARE(lines.mid(7, 3), (QStringList{u"1"_s, QString(), QString()}));
        lines[10] = u" 1 "_s; // marks of slots 50 and 53, read trimmed
        lines[11] = u" 2 "_s;

        QVERIFY(!load(lines));
        QStringList split; // a CR alone inside a line is a blank
        QVERIFY(DayFileReader::splitDayFile("a\rb\r\n\r\rc\r\r\n", split));
        QCOMPARE(split, (QStringList{u"a b"_s, u"  c "_s}));
        for (const Case &c : cases)
            QVERIFY2(slot(c.slot) == QLatin1String(c.read), qPrintable(QString::number(c.slot)));
        QCOMPARE(m_state->verso.txtObsMec, u"a\nb\n"_s);
        QCOMPARE(m_state->verso.txtJ, u"pluie neige"_s);
    }

    void evBecomesLocOnlyInTaskRowsWithTheOption()
    {
        BulletinRecord record;
        for (int s : {14, 20, 23, 26, 29, 32, 35})
            record.setSlot(s, u"EV"_s);
        record.setSlot(17, u" EV"_s); // only the exact text
        const QByteArray bytes = DayFileWriter::bytes(record, VersoContent());
        // The setting in use decides, also where Config.ini could not take it.
        QVERIFY(m_state->config.write("EV en LOC", "LOC", u"0"_s));
        for (const char *option : {"1", "0", "oui"}) {
            m_state->config.loc = QLatin1String(option);
            QVERIFY(!load(bytes));
            const QString task = QLatin1String(option) == u"1" ? u"LOC"_s : u"EV"_s;
            QCOMPARE(QStringList({slot(14), slot(20), slot(23)}), QStringList(3, task));
            QCOMPARE(QStringList({slot(17), slot(26), slot(29), slot(32), slot(35)}),
                     QStringList({u" EV"_s}) + QStringList(4, u"EV"_s));
        }
    }

    void fileEndingAfterTheVersoLoads()
    {
        QStringList lines = emptyDayLines().mid(0, TxtJLine + 1); // no km, no regularity
        lines[TxtJLine] = u"Soleil"_s;
        QVERIFY(!load(lines));
        QCOMPARE(m_state->verso.txtJ, u"Soleil"_s);

        // The blocks are read to the end of the file: one cut before its end marker keeps
        // what it held.
        lines << u"@@DebutKmTrain@@"_s << u"12.5"_s << u"30"_s;
        QVERIFY(!load(lines));
        QCOMPARE(m_state->record.slot(SlotTable::lineSlot(1, SlotTable::KmTrain)), u"30"_s);
        lines << u"@@FinKmTrain@@"_s << u"@@Regularité@@"_s << u"Retard"_s;
        QVERIFY(!load(lines));
        QCOMPARE(m_state->verso.textL[0], u"Retard"_s);
    }

    void dateLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDate>("date"); // the lines that are no date are refused files below
        QTest::newRow("no blank") << u"04 12 2026"_s << QDate(2026, 12, 4);
        QTest::newRow("blank for a zero") << u" 4 12 2026"_s << QDate(2026, 12, 4);
        QTest::newRow("dashes") << u"04-12-2026"_s << QDate(2026, 12, 4);
        QTest::newRow("dots, one digit") << u"4.2.2026"_s << QDate(2026, 2, 4);
        QTest::newRow("slashes") << u"29/02/2028"_s << QDate(2028, 2, 29);
    }
    void dateLine()
    {
        QFETCH(QString, line);
        QStringList lines = emptyDayLines();
        lines[0] = line;
        QVERIFY(!load(lines));
        QTEST(m_state->record.serviceDate(), "date");
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QStringList good = emptyDayLines();
        // The good lines with `text` put at `index`, in place of the line there when `replace`.
        auto edited = [&](int index, const QString &text, bool replace) {
            QStringList l = good;
            l.insert(index, text);
            if (replace) l.removeAt(index + 1);
            return TextFile::joinLines(l);
        };
        QTest::newRow("empty") << QByteArray();
        // Not a date, no such day, month 13, year first, two-digit year, a year the date box
        // cannot show.
        for (const char *date :
             {"Bonjour", "29-02-2027", "04-13-2026", "2026-12-04", "04-12-26", " 05 06 0026"})
            QTest::newRow(date) << edited(0, QLatin1String(date), true);
        // Cut in the fixed part, inside NumTrain, in the km block, in the regularity block.
        for (int n : {1, 261, 261 + 96 + 2, TxtJLine})
            QTest::newRow(qPrintable(u"cut after %1 lines"_s.arg(n)))
                << TextFile::joinLines(good.mid(0, n));
        QTest::newRow("7 km lines") << edited(TxtJLine + 2, u"7"_s, false);
        QTest::newRow("31 regularity lines") << edited(good.size() - 1, u"L"_s, false);
        QTest::newRow("binary") << edited(1, u"PNG\x1a\0\0\0IHDR"_s, true);
        const QStringList filler(5000, QString(1000, u'x')); // lines after the blocks are skipped
        QTest::newRow("file of 5 MB") << TextFile::joinLines(good + filler);
        QTest::newRow("line of 200 KB") << edited(1, QString(200 * 1024, u'B'), true);
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(load(bytes));
        QCOMPARE(m_prompts.calls.size(), 1);
        expectLast(u"Erreur !!"_s,
                   u"Ce fichier n'est pas un fichier de journée  ! \r\nLe chargement est "
                   u"impossible.\r\n\r\nChoisir un autre fichier s.v.p.."_s);
    }

    // ---- Commands: new, save and open a generic or archive day

    void newDay()
    {
        m_state->record.setSlot(1, u"DUPONT"_s);
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
        const QStringList texts[] = {
            {u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER GENERIQUE."_s,
             {},
             u"VEUILLEZ CHOISIR UN DOSSIER GENERIQUE:"_s,
             {},
             u"SOIT PAR LE GESTIONNAIRE DE DOSSIER ET CLIQUER"_s,
             u"SUR LE BOUTON \"Choisir ce dossier comme dossier Générique\""_s,
             {},
             u"SOIT SUR LE BOUTON LISTE \" DOSSIER ROULEMENT\""_s,
             u"SI LA LISTE DES DOSSIER ROULEMENT N'EST PAS VIDE."_s},
            {u"JE NE CONNAIS PAS LE CHEMIN DU DOSSIER ARCHIVE."_s,
             {},
             u"VEUILLEZ CHOISIR UN DOSSIER ARCHIVE DANS LE"_s,
             u"GESTIONNAIRE DE DOSSIER ET CLIQUER SUR LE BOUTON"_s,
             u"\"Choisir ce dossier comme dossier Archive\""_s},
            {u"SAUVEGARDE DE LA JOURNEE GENERIQUE IMPOSSIBLE !! "_s,
             u"VEUILLEZ INSCRIRE UN NUMERO DE JOURNEE DANS LE CADRE JOURNEE SVP."_s},
            {u"SAUVEGARDE DE LA JOURNEE ARCHIVE IMPOSSIBLE !! "_s,
             u"VEUILLEZ INSCRIRE UN NUMERO DE ROULEMENT DANS LE CADRE ROULEMENT SVP."_s}};
        QCOMPARE(m_prompts.titles(),
                 (QStringList{u"CHEMIN DU DOSSIER GENERIQUE INCONNU !!"_s,
                              u"CHEMIN DU DOSSIER ARCHIVE INCONNU !!"_s,
                              u"ATTENTION IL MANQUE LE NUMERO DE JOURNEE!!"_s,
                              u"ATTENTION IL MANQUE LE NUMERO DE ROULEMENT!!"_s}));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(m_prompts.calls[i].text.split(u"\r\n"_s), texts[i]);
            // The missing roster number alone comes without an icon.
            QCOMPARE(m_prompts.calls[i].icon,
                     i == 3 ? Prompts::Icon::None : Prompts::Icon::Exclamation);
        }
        QVERIFY(files(m_generic).isEmpty() && files(m_archive).isEmpty());

        // A "/" in the day number names no file of the folder: nothing is written, neither in
        // the folder above nor in one below.
        for (const QString &day : {u"../X"_s, u"1/2"_s}) {
            m_state->record.setSlot(7, u"R42"_s);
            m_state->record.setSlot(8, day);
            saveGeneric();
            expectLast(u"SAUVEGARDE IMPOSSIBLE !!"_s,
                       u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\nLe nom de fichier « "_s + day +
                           u".txt » contient le caractère « / », qu'un nom de fichier ne peut pas "
                           u"contenir : retirez-le du numéro de journée ou de la mention."_s);
            saveArchive();
            QCOMPARE(m_prompts.last().title, u"SAUVEGARDE IMPOSSIBLE !!"_s);
        }
        // Nor does a day number that starts with a dot: its file would be hidden from every
        // file list, the open dialogs' too.
        for (const QString &day : {u"."_s, u".."_s, u".5"_s}) {
            m_state->record.setSlot(8, day);
            saveGeneric();
            expectLast(u"SAUVEGARDE IMPOSSIBLE !!"_s,
                       u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\nLe nom de fichier « "_s + day +
                           u".txt » commence par un point : le fichier serait caché et "
                           u"n'apparaîtrait dans aucune liste de fichiers. Retirez le point du "
                           u"début du numéro de journée."_s);
            saveArchive();
            QCOMPARE(m_prompts.last().title, u"SAUVEGARDE IMPOSSIBLE !!"_s);
        }
        // A line break pasted into the mention of the name prompt.
        m_state->record.setSlot(8, u"12"_s);
        m_state->mention = u"a\nb"_s;
        saveGeneric();
        expectLast(u"SAUVEGARDE IMPOSSIBLE !!"_s,
                   u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\nLe nom de fichier contient un retour "
                   u"à la ligne ou une tabulation, qu'un nom de fichier ne peut pas contenir : "
                   u"retirez-le de la mention."_s);
        m_state->mention.clear();
        QCOMPARE(QDir(m_generic).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(m_archive).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(files(m_generic).isEmpty() && files(m_archive).isEmpty());
        QVERIFY(files(m_data->dir.path()).isEmpty());
    }

    void failedSaveKeepsThePreviousFile()
    {
        // A name of 255 characters can exist but leaves no room for a temporary file beside it.
        const QString day(239, u'J');
        const QString path = writeFile(m_archive + day + u" 04 12 2026 .txt"_s, "old");
        QVERIFY(!path.isEmpty());
        m_state->record.setSlot(8, day);
        m_prompts.answers = {Prompts::Answer::Yes};
        saveArchive();
        QCOMPARE(m_prompts.titles(),
                 (QStringList{u"ATTENTION !!"_s, u"SAUVEGARDE IMPOSSIBLE !!"_s}));
        QVERIFY(m_prompts.last().text.startsWith(u"LA JOURNEE N'A PAS ETE SAUVEGARDEE.\r\n"));
        // In French whatever the desktop's language.
        QVERIFY2(m_prompts.last().text.contains(u"(nom de fichier trop long)"_s),
                 qPrintable(m_prompts.last().text));
        QVERIFY(m_prompts.last().text.endsWith(
            u"\r\n\r\nLe fichier de ce nom déjà présent dans ce dossier reste tel qu'il était."_s));
        QCOMPARE(bytesOf(path), QByteArray("old"));
        QVERIFY(m_state->currentFileFolder.isEmpty());

        // With no earlier file (a name too long for any file), the message speaks of none.
        m_state->record.setSlot(8, QString(250, u'J'));
        saveArchive();
        QCOMPARE(m_prompts.last().title, u"SAUVEGARDE IMPOSSIBLE !!"_s);
        QVERIFY(!m_prompts.last().text.contains(u"reste tel qu'il était"_s));
        QVERIFY2(m_prompts.last().text.contains(u"(nom de fichier trop long)"_s) &&
                     !m_prompts.last().text.contains(u"remplacé"_s),
                 qPrintable(m_prompts.last().text));
        QCOMPARE(files(m_archive).size(), 1);

        // A Windows computer's generic folder is no folder here: nothing is written wherever
        // the program was started, under that folder's name.
        setFolders(u"D:\\Roulements\\"_s, m_archive);
        m_state->record.setSlot(8, u"12"_s);
        const QString started = QDir::currentPath();
        QDir::setCurrent(m_data->dir.path());
        saveGeneric();
        QDir::setCurrent(started);
        QCOMPARE(m_prompts.last().title, u"SAUVEGARDE IMPOSSIBLE !!"_s);
        QVERIFY2(m_prompts.last().text.endsWith(u"le dossier D:\\Roulements\\ est introuvable."_s),
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
                   u"2026 \r\ndans "_s + m_archive +
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

        // With the option Calendrier the date window gives the date.
        m_state->config.options.calendrier = u"1"_s;
        DayCommands::openGeneric(*m_state, m_prompts, m_view, threeDaysLater);
        QCOMPARE(m_state->record.serviceDate(), QDate(2026, 12, 7));

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

        // A folder whose path the 8-bit settings cannot hold serves this run only.
        const QString polish = folder(u"Łódź"_s);
        QVERIFY(QFile::copy(other + u"12 2bis.txt"_s, polish + u"12.txt"_s));
        m_prompts.files = {polish + u"12.txt"_s};
        DayCommands::openGeneric(*m_state, m_prompts, m_view);
        QCOMPARE((QStringList{m_state->config.hdGenerique, iniValue(u"Hdgenerique"_s),
                              m_state->currentFileFolder}),
                 (QStringList{polish, other, polish}));
        QCOMPARE(RosterFolderList::read(m_state->config.dataFolder()), QStringList{other});

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

    void mentionsInNames()
    {
        QCOMPARE(DayNames::genericMention(u"12.txt"_s, u"12"_s), QString());
        QCOMPARE(DayNames::genericMention(u"12_ bis .TXT"_s, u"12"_s), u"bis"_s);
        QCOMPARE(DayNames::archiveMention(u"12 04 12 2026 .txt"_s, u"12"_s), QString());
        // The answer to the name prompt loses the day's length, then keeps five characters,
        // never half of one.
        QCOMPARE(DayNames::mentionFromAnswer(u"12 abcd\U0001F682"_s, u"12"_s), u"abcd"_s);
        QCOMPARE(DayNames::mentionFromAnswer(u"12 ab\U0001F682d"_s, u"12"_s), u"ab\U0001F682d"_s);
    }
};

KERBO_TEST(DayFilesTest)
#include "DayFilesTest.moc"
