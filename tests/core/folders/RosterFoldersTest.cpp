#include "TestMain.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "core/base/IniAccess.h"
#include "core/base/Drives.h"
#include "core/folders/FolderListing.h"
#include "core/folders/FolderPanes.h"
#include "core/folders/RosterFolderList.h"
#include "core/folders/RosterFolders.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace
{

struct FakePanes : FolderPanes {
    QStringList calls;
    void refreshLists() override { calls << "refresh"; }
    void showSource(const QString &f) override { calls << "source:" + f; }
    void resetToHome() override { calls << "home"; }
    void closeWindow() override { calls << "close"; }
};

using Icon = Prompts::Icon;
using namespace Qt::StringLiterals;

} // namespace

// Roster folders on a temporary home folder, which stands for the drive "C:\".
class RosterFoldersTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    std::unique_ptr<QTemporaryDir> m_home;
    FakePrompts m_prompts;
    FakeView m_view;
    FakePanes m_panes;

    AppState &state() { return m_data->state; }
    Config &config() { return m_data->state.config; }
    QString data() const { return m_data->dataFolder(); }
    QString listPath() const { return m_data->dataFile("ListeDossier.txt"); }
    QString tempo() const { return m_data->dataFile("ListeDossierTempo.txt"); }
    QString home() const { return m_home->path(); }
    QString folder(const QString &relative, bool create = true) const
    {
        if (create) QDir(home()).mkpath(relative);
        return QDir(home()).filePath(relative);
    }
    QStringList list() const { return TextFile::readLines(listPath()).lines; }
    QString ini(const char *key) const
    {
        return LectureINI(m_data->dataFile("Config.ini"), "CheminDossiers", key).text;
    }
    QString lastText() const { return m_prompts.last().text; }
    void expectLast(const QString &title, const QString &text, std::optional<Icon> icon = {})
    {
        QCOMPARE(m_prompts.last().title, title);
        QCOMPARE(lastText(), text);
        if (icon)
            QCOMPARE(m_prompts.last().icon, *icon);
    }
    // The current generic folder, in memory and in Config.ini.
    void expectGeneric(const QString &folder)
    {
        QCOMPARE(state().config.hdGenerique, folder);
        QCOMPARE(ini("Hdgenerique"), folder);
    }
    void writeList(const QStringList &folders)
    {
        QVERIFY(TextFile::writeLines(listPath(), folders));
    }
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", m_home->path().toLocal8Bit());
        m_prompts = FakePrompts();
        m_view = FakeView();
        m_panes = FakePanes();
    }

    // ---- The roster-folder list, its check at start-up and its recovery after an interrupted run

    void verifyKeepsExistingFoldersInOrder()
    {
        const QString a = folder("A"), b = folder("B"), gone = folder("GONE", false);
        writeList({b, gone, QString(), a, b});
        QCOMPARE(RosterFolderList::read(data()), (QStringList{b, gone, a, b}));
        config().hdGenerique = a;
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(list(), (QStringList{b, a, b}));
        QVERIFY(!QFile::exists(tempo()) && !m_data->exists("Config.ini")); // nothing to write

        // Dropping the current folder clears it, in memory and in Config.ini.
        QVERIFY(QDir(b).removeRecursively());
        config().hdGenerique = b;
        QVERIFY(RosterFolderList::verify(config()));
        QCOMPARE(config().hdGenerique, QString());
        QCOMPARE(TextFile::readLines(config().iniPath()).lines,
                 (QStringList{"[CheminDossiers]", "Hdgenerique="}));
        QCOMPARE(list(), QStringList{a});

        // The current folder, as the editor holds it (a separator added), matches its entry
        // however the entry ends: written on a Windows computer, or without a last "/".
        const std::pair<QString, QString> entryAndCurrent[] = {
            {u"C:\\Kerbo\\Roulement 12\\"_s, u"C:\\Kerbo\\Roulement 12\\"_s},
            {u"C:\\Kerbo\\R13"_s, u"C:\\Kerbo\\R13\\"_s},
            {u"C:/Kerbo/R14/"_s, u"C:\\Kerbo\\R14\\"_s},
            {gone, gone + u"/"_s}};
        for (const auto &[entry, current] : entryAndCurrent) {
            writeList({a, entry});
            config().hdGenerique = Paths::CheckPath(current);
            QVERIFY2(RosterFolderList::verify(config()), qPrintable(entry));
            QCOMPARE(config().hdGenerique, QString());
            QCOMPARE(list(), QStringList{a});
        }
        // A folder that is there stays current, though another spelling of it is dropped.
        writeList({a + u"\\"_s, a});
        config().hdGenerique = Paths::CheckPath(a);
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(config().hdGenerique, Paths::CheckPath(a));
        QCOMPARE(list(), QStringList{a});

        // Added once per spelling, in the list's CR LF lines.
        QVERIFY(QFile::remove(listPath()));
        for (const char *f : {"C:\\ROULEMENT\\", "C:\\ROULEMENT\\", "C:\\roulement\\"})
            QVERIFY(RosterFolderList::add(data(), QLatin1String(f)));
        QCOMPARE(bytesOf(listPath()), QByteArray("C:\\ROULEMENT\\\r\nC:\\roulement\\\r\n"));
    }

    void listLeftByAnInterruptedRun()
    {
        // Only the temporary copy is there: it becomes the list; a leftover one beside it goes.
        const QString a = folder("A");
        QVERIFY(TextFile::writeLines(tempo(), {a, "/gone/"}));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(list(), QStringList{a});
        QVERIFY(TextFile::writeLines(tempo(), {"/stale/"}));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(list(), QStringList{a});
        QVERIFY(!QFile::exists(tempo()));
        // A copy whose folders are all there is the list as it stands, not lost with the copy.
        QVERIFY(QFile::remove(listPath()) && TextFile::writeLines(tempo(), {a}));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(list(), QStringList{a});
        QVERIFY(!QFile::exists(tempo()));

        // An unreadable copy, or an oversized list, is not taken for an empty list.
        config().hdGenerique = "/gone/";
        QVERIFY(QFile::remove(listPath()) && QDir().mkdir(tempo()));
        QVERIFY(!RosterFolderList::verify(config()));
        QVERIFY(!QFile::exists(listPath()));
        QVERIFY(QDir().rmdir(tempo()) && TextFile::writeLines(listPath(), {"/gone/"}));
        QVERIFY(QFile(listPath()).resize(TextFile::MaxListBytes + 1));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(QFileInfo(listPath()).size(), TextFile::MaxListBytes + 1);
        QCOMPARE(config().hdGenerique, "/gone/");
        QVERIFY(RosterFolderList::read(data()).isEmpty());
        // Nor does a copy beside it take its place.
        QVERIFY(TextFile::writeLines(tempo(), {a}));
        QVERIFY(!RosterFolderList::verify(config()));
        QCOMPARE(QFileInfo(listPath()).size(), TextFile::MaxListBytes + 1);
        QVERIFY(QFile::remove(tempo()));

        // A folder in the list's place is left alone, and adding to it names the file.
        QVERIFY(QFile::remove(listPath()) && QDir().mkpath(listPath()));
        QVERIFY(!RosterFolderList::verify(config()));
        QVERIFY(Paths::folderExists(listPath()));
        QString error;
        QVERIFY(!RosterFolderList::add(data(), a, &error));
        QVERIFY2(error.contains("ListeDossier.txt"), qPrintable(error));
    }

    // ---- Folder commands

    void drives()
    {
        const QList<Drives::Volume> volumes = {
            {"/", true, false, true},         {"/media/usb", true, false, true},
            {"/media/cd", true, true, false}, {"/media/gone", false, false, true},
            {"/proc/sys", true, false, true}, {"/mnt/nobody", true, false, false},
            {"/home/me", true, false, true},
        };
        // The system's "/" last, as the way to folders outside the home folder.
        QCOMPARE(Drives::fromVolumes("/home/me/", volumes),
                 (QStringList{"/home/me", "/media/usb", "/"}));
        // Where a file is only read, a read-only volume serves too.
        QCOMPARE(Drives::fromVolumes("/home/me/", volumes, Drives::Use::Read),
                 (QStringList{"/home/me", "/media/usb", "/media/cd", "/mnt/nobody", "/"}));
        QCOMPARE(Drives::fromVolumes("/home/me/", {{"/", true, false, false, true}}),
                 (QStringList{"/home/me", "/"})); // some folders below may be the driver's
        QCOMPARE(Drives::fromVolumes("/home/me/", {{"/", true, false, false, false}}),
                 QStringList{"/home/me"});
        QCOMPARE(Drives::label(home()), home() + QStringLiteral("  (dossier personnel)"));
        QCOMPARE(Drives::label("/"), QStringLiteral("/  (tout l'ordinateur)"));
        // A key pulled out leaves its mount folder, empty, on the computer's disk: no drive.
        QVERIFY(Drives::stillThere(home()) && Drives::stillThere("/"));
        QVERIFY(!Drives::stillThere(folder("media/usb")));
        QCOMPARE(Drives::list().constFirst(), home());

        QVERIFY(Drives::isRoot(home()) && Drives::isRoot(home() + "/") && Drives::isRoot("/"));
        QVERIFY(!Drives::isRoot(folder("R")));
        QCOMPARE(Drives::rootOf(folder("R/S")), home() + "/");
        // Compared as written: "/a/bc" is not below "/a/b".
        QVERIFY(Drives::isSameOrBelow("/a/b/c", "/a/b/") &&
                !Drives::isSameOrBelow("/a/bc", "/a/b"));
    }

    void folderListing()
    {
        folder("R/b");
        folder("R/A");
        folder("R/.hidden");
        folder("R/dossier.txt");
        folder("R/ROUL 9");
        folder("R/roul 10");
        for (const char *f : {"R/2.txt", "R/10.TXT", "R/notes.doc", "R/b/1.txt", "R/100.txt",
                              "R/10 2bis.txt", "R/010 1bis.txt", "R/9.txt"})
            QFile(QDir(home()).filePath(f)).open(QIODevice::WriteOnly);
        QStringList shown;
        for (const FolderListing::Entry &e : FolderListing::entries(home(), folder("R")))
            shown << QStringLiteral("%1%2%3").arg(QString(e.depth, u' '), e.open ? "+" : "-",
                                                  e.name);
        QCOMPARE(shown, (QStringList{"+" + home(), " +R", "  -A", "  -b", "  -dossier.txt",
                                     "  -ROUL 9", "  -roul 10"}));
        // Day numbers in their order, as the file-open dialog shows them.
        QCOMPARE(
            FolderListing::dayFiles(folder("R")),
            (QStringList{"2.txt", "9.txt", "010 1bis.txt", "10 2bis.txt", "10.TXT", "100.txt"}));
        // A folder that went away gives way to its nearest existing parent.
        QCOMPARE(FolderListing::existingFolder(home(), folder("R/gone/deeper", false)),
                 folder("R"));
        QCOMPARE(FolderListing::existingFolder(home(), "/elsewhere"), home());
    }

    void createOffersTheRosterList()
    {
        state().config.hdGenerique.clear();
        m_prompts.inputs = {"  JOUR  "};
        m_prompts.answers = {Prompts::Answer::Yes};
        RosterFolders::create(state(), m_prompts, m_view, m_panes, home());

        const QString entry = folder("JOUR", false) + "/";
        QVERIFY(QFileInfo(folder("JOUR", false)).isDir());
        QCOMPARE(m_prompts.calls[0].text,
                 "Veuillez donner le nom du nouveau dossier qui sera crée dans : " + home());
        QCOMPARE(
            m_prompts.titles(),
            (QStringList{"Création d'un dossier roulement", "CREATION DU DOSSIER",
                         "Ajouter ce dossier dans la liste roulement ",
                         "AJOUT D'UN DOSSIER SUR LA LISTE DOSSIER", "CHOIX DU DOSSIER GENERIQUE"}));
        QCOMPARE(m_prompts.calls[1].text,
                 "La création du dossier JOUR dans " + home() + " a réussie .");
        QCOMPARE(m_prompts.calls[3].text,
                 "Le dossier JOUR a été ajouter dans la liste roulement .");
        QCOMPARE(lastText(), "Le dossier situé dans " + folder("JOUR", false) +
                                 " sera le dossier courant choisit ou seront sauvegardées vos "
                                 "fichiers génériques .");
        QCOMPARE(list(), QStringList{entry});
        expectGeneric(entry);
        QCOMPARE(m_view.rosterFolders, QStringList{entry});
        QCOMPARE(m_panes.calls, (QStringList{"refresh", "close"}));

        // A new folder whose path is on the list already is not added again.
        writeList({entry, folder("B", false) + "/"});
        m_prompts.inputs = {"B"};
        m_prompts.answers = {Prompts::Answer::Yes};
        RosterFolders::create(state(), m_prompts, m_view, m_panes, home());
        expectLast("Attention !Ce dossier roulement est deja sur la liste des roulements  ",
                   "Ce dossier roulement est deja sur la liste des roulements l'ajout "
                   "sur la liste roulement est donc impossible !! ",
                   Icon::Exclamation);
        QCOMPARE(list().size(), 2);
    }

    void createRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString exists =
            "Un dossier avec ce nom existe déja sur ce disque !  La création est impossible.";
        QTest::newRow("existing") << "JOUR"
                                  << "Erreur" << exists;
        // Blanks alone, once trimmed, name the folder itself.
        QTest::newRow("blanks") << "   "
                                << "Erreur" << exists;
        const QString notAName = "Le nom « %2 » ne peut pas être celui d'un dossier.\r\nUn nom "
                                 "de dossier ne contient ni « / » ni « \\ » ni retour à la "
                                 "ligne, et ne commence pas par un point (le dossier serait "
                                 "caché).\r\nVeuillez en donner un autre.";
        // A trailing separator, the parent, a Windows separator; a hidden folder, which no
        // folder list shows, and a pasted line break, which would break the roster-folder
        // list's line (told as a blank).
        for (const char *name : {"A/B", "JOUR/", "..", "A\\B", ".cache", "A\nB"})
            QTest::newRow(name) << name << "Kerbo"
                                << QString(notAName).replace("%2",
                                                             QString(name).replace('\n', ' '));
        // What a USB key refuses in a name: the folder could be made on the computer's own
        // disk but never copied to the key.
        const QString onKey =
            "Le nom « %2 » contient le caractère « %3 », qu'une clé USB ou un "
            "ordinateur Windows refuse dans un nom de dossier.\r\nVeuillez en "
            "donner un autre, sans « : », « * », « ? », « \" », « < », « > » ni « | ».";
        for (const auto &[name, c] : {std::pair{"R12:2", ":"},
                                      {"A*", "*"},
                                      {"A?", "?"},
                                      {"\"A\"", "\""},
                                      {"<A>", "<"},
                                      {"A|B", "|"}})
            QTest::newRow(name) << name << "Kerbo"
                                << QString(onKey).replace("%2", name).replace("%3", c);
        QTest::newRow("outside the code page")
            << "日本"
            << "Kerbo"
            << "Le chemin du dossier %1 contient des lettres que Kerbo ne sait pas "
               "enregistrer.\r\nVeuillez renommer ce dossier ou en choisir un autre.";
    }
    void createRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, text);
        folder("R/JOUR");
        const QStringList before = entries(folder("R"));
        text.replace("%1", folder("R") + "/" + name);
        m_prompts.inputs = {name};
        RosterFolders::create(state(), m_prompts, m_view, m_panes, folder("R"));
        QCOMPARE(m_prompts.titles().mid(1), QStringList{title});
        QCOMPARE(lastText(), text);
        QCOMPARE(entries(folder("R")), before);
        QVERIFY(!m_data->exists("ListeDossier.txt") && !m_data->exists("Config.ini"));

        // A rename to the same name is refused alike, and the folder stays.
        if (name == u"JOUR" || name.trimmed().isEmpty()) return;
        m_prompts.inputs = {name};
        RosterFolders::rename(state(), m_prompts, m_view, m_panes, folder("R/JOUR"));
        expectLast(title, text);
        QCOMPARE(entries(folder("R")), before);
    }

    void renameCurrentGenericFolder()
    {
        const QString r1 = folder("R1"), other = folder("R2");
        writeList({other + "/", r1 + "/"});
        state().config.hdGenerique = r1 + "/";
        m_prompts.inputs = {"R2", QString(300, u'N'), " R9 "};
        RosterFolders::rename(state(), m_prompts, m_view, m_panes, r1);
        QCOMPARE(m_prompts.calls[0].defaultText, "R1");
        QCOMPARE(lastText(), "Un dossier avec ce nom existe déja sur ce disque !  Il est "
                             "impossible de le renommer avec le même nom.");
        QVERIFY(QFileInfo(r1).isDir());
        // A name longer than the disk takes: the rename fails, and says so.
        RosterFolders::rename(state(), m_prompts, m_view, m_panes, r1);
        QCOMPARE(m_prompts.last().title, "Kerbo");
        QVERIFY(lastText().endsWith(" n'a pas pu être renommé. Désolé !"));
        QVERIFY(QFileInfo(r1).isDir());

        RosterFolders::rename(state(), m_prompts, m_view, m_panes, r1);
        QVERIFY(!QFileInfo::exists(r1) && QFileInfo(folder("R9", false)).isDir());
        expectLast("CREATION DU DOSSIER", "Le dossier a été renommé comme R9");
        QCOMPARE(list(), QStringList{other + "/"});
        expectGeneric(QString());
        QCOMPARE(m_view.calls, (QStringList{"roster:", "reload"}));
        QCOMPARE(m_panes.calls, (QStringList{"source:" + folder("R9", false), "refresh"}));
    }

    // The folder command that the current row names, run on `where`; a creation is given "R1".
    void run(const QString &where)
    {
        const QByteArray command = QTest::currentDataTag();
        m_prompts.calls.clear();
        if (command == "create") {
            m_prompts.inputs.push_back(u"R1"_s);
            RosterFolders::create(state(), m_prompts, m_view, m_panes, where);
        } else if (command == "rename") {
            RosterFolders::rename(state(), m_prompts, m_view, m_panes, where);
        } else if (command == "copy") {
            RosterFolders::saveCopy(m_prompts, m_panes, where, folder("T"));
        } else if (command == "generic") {
            RosterFolders::chooseGeneric(state(), m_prompts, m_view, m_panes, where);
        } else {
            RosterFolders::chooseArchive(state(), m_prompts, m_panes, where);
        }
    }

    void rootRefusals_data()
    {
        QTest::addColumn<QString>("text");
        const QString root = "Vous vous trouvez dans le répertoire racine !! ";
        QTest::newRow("rename") << root + " Ce répertoire ne peut pas être renommé. ";
        QTest::newRow("copy") << root + " Ce répertoire ne peut pas être sauvegardé. ";
        QTest::newRow("generic")
            << root + "\r\nCe répertoire ne peut pas être choisit comme dossier générique "
                      "\r\ncar vous auriez des difficultées à retrouver vos fichiers. ";
        QTest::newRow("archive")
            << root + "\r\nCe répertoire ne peut pas être choisit comme dossier archive "
                      "\r\ncar vous auriez des difficultées à retrouver vos archives. ";
    }
    void rootRefusals()
    {
        QFETCH(QString, text);
        state().config.hdGenerique = "/kept/";
        run(home() + (QTest::currentDataTag() == QByteArray("rename") ? "/" : "")); // both forms
        QCOMPARE(m_prompts.calls.size(), 1);
        expectLast("Attention !", text, Icon::Critical);
        QCOMPARE(state().config.hdGenerique, "/kept/");
        QVERIFY(!m_data->exists("Config.ini") && m_panes.calls.isEmpty());
        QCOMPARE(entries(folder("T")), QStringList());
    }

    // A folder the window still shows but that is gone (its key pulled out and another plugged
    // in under the same name) is neither stored as a working folder nor worked on.
    void vanishedFolderRefused_data()
    {
        QTest::addColumn<int>("unused");
        for (const char *command : {"create", "rename", "copy", "generic", "archive"})
            QTest::newRow(command) << 0;
    }
    void vanishedFolderRefused()
    {
        writeList({folder("R12") + "/"});
        const QString gone = folder("CLE/R13");
        QVERIFY(QDir(gone).removeRecursively());
        run(gone);
        QCOMPARE(m_prompts.calls.size(), 1);
        expectLast("Kerbo",
                   "Le dossier " + gone +
                       " n'existe plus : il a été supprimé ou renommé, ou la clé qui le contient a "
                       "été retirée.\r\nRien n'a été fait. Choisissez de nouveau le dossier.",
                   Icon::Exclamation);
        QCOMPARE(m_panes.calls, QStringList{"refresh"});
        QVERIFY(!m_data->exists("Config.ini"));
        QCOMPARE(list(), QStringList{folder("R12") + "/"});
        QCOMPARE(entries(folder("CLE")), QStringList());
        QCOMPARE(entries(folder("T")), QStringList());
    }

    // A folder whose path has a letter that the 8-bit settings cannot hold is refused before
    // anything is stored or created; accented French letters are fine.
    void pathsOutsideTheCodePageRefused_data()
    {
        QTest::addColumn<int>("prompts"); // a creation asks the name first
        QTest::newRow("create") << 2;
        QTest::newRow("generic") << 1;
        QTest::newRow("archive") << 1;
    }
    void pathsOutsideTheCodePageRefused()
    {
        const QString polish = folder(u"Łódź"_s);
        run(polish);
        QTEST(int(m_prompts.calls.size()), "prompts");
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QVERIFY(lastText().contains(u"Łódź"_s));
        QCOMPARE(m_prompts.last().icon, Icon::Exclamation);
        QVERIFY(!m_data->exists("Config.ini") && !QFile::exists(listPath()));
        QCOMPARE(entries(polish), QStringList());
        QCOMPARE(state().config.hdGenerique + state().config.hdArchive, QString());

        // Accents written as a letter and its mark, as a Mac writes them: said so.
        m_prompts = FakePrompts();
        run(folder(u"Re\u0301serve"_s));
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QVERIFY2(lastText().contains(u"à la manière d'un Mac"_s), qPrintable(lastText()));

        // A line break in a name (pasted in a file manager) would cut the path's line in the
        // settings and the list in two: the first half names another folder.
        m_prompts = FakePrompts();
        run(folder(u"R1\nR2"_s));
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QVERIFY(!m_data->exists("Config.ini") && !QFile::exists(listPath()));

        m_prompts = FakePrompts();
        run(folder(u"Été? €"_s));
        QVERIFY(!m_prompts.titles().isEmpty());
        QVERIFY(!m_prompts.titles().contains(u"Kerbo"_s));
    }

    void saveCopyOfATree()
    {
        const QString r = folder("ROULEMENT");
        folder("ROULEMENT/sub");
        TextFile::writeLines(r + "/1.txt", {"un"});
        TextFile::writeLines(r + "/sub/2.txt", {"deux"});
        QVERIFY(QFile::link(r, r + "/loop")); // followed, it would never end
        const QString d = folder("D");
        RosterFolders::saveCopy(m_prompts, m_panes, r, d);
        expectLast("Kerbo", "LE DOSSIER " + r + " EST SAUVEGARDER DANS " + d);
        QCOMPARE(TextFile::readLines(d + "/CopieROULEMENT/sub/2.txt").lines, QStringList{"deux"});
        QCOMPARE(TextFile::readLines(d + "/CopieROULEMENT/1.txt").lines, QStringList{"un"});
        QVERIFY(QFileInfo(d + "/CopieROULEMENT/loop").isSymLink());
        QCOMPARE(entries(d), QStringList{"CopieROULEMENT"});
        QCOMPARE(m_panes.calls, QStringList{"refresh"});

        // Names that are not UTF-8, from an old Windows archive: Qt does not list them, and the
        // copy left them out and said it had saved the folder. It is refused, naming them.
        const QString old = folder("ANCIEN");
        TextFile::writeLines(old + "/1.txt", {"un"});
        const QByteArray latin1 = QFile::encodeName(old) + "/12 \xE9t\xE9.txt";
        const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        RosterFolders::saveCopy(m_prompts, m_panes, old, d);
        QCOMPARE(m_prompts.last().title, "Erreur");
        QVERIFY2(lastText().startsWith("Suite a une erreur ce dossier n'a pas pu être sauvegardé "
                                       "correctement !\r\n") &&
                     lastText().contains("12 été.txt") && lastText().contains("Renommez-les"),
                 qPrintable(lastText()));
        QVERIFY(!QFileInfo::exists(d + "/CopieANCIEN"));
        QCOMPARE(entries(d), QStringList{"CopieROULEMENT"});

        // A copy whose name takes the whole length a folder's name may have (255 bytes).
        const QString longest(250, u'R');
        RosterFolders::saveCopy(m_prompts, m_panes, folder(longest), d);
        QCOMPARE(m_prompts.last().title, "Kerbo");
        QCOMPARE(entries(d), (QStringList{"CopieROULEMENT", "Copie" + longest}));

        RosterFolders::saveCopy(m_prompts, m_panes, r, d);
        expectLast("Le dossier sauvegardé existes deja sur ce disque",
                   "Le dossier avec ce nom est deja sauvegardé comme CopieROULEMENT sur le disque " +
                       home() + "/ . La sauvegarde ne peut avoir lieu !");
    }

    void saveCopyIntoItselfRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("itself") << "R";
        QTest::newRow("subfolder through a link") << "L/deeper";
    }
    void saveCopyIntoItselfRefused()
    {
        QFETCH(QString, target);
        folder("R/sub/deeper");
        QVERIFY(QFile::link(folder("R/sub"), folder("L", false)));
        RosterFolders::saveCopy(m_prompts, m_panes, folder("R"), folder(target, false));
        QCOMPARE(m_prompts.last().title, "Erreur");
        QCOMPARE(lastText().split("\r\n"),
                 (QStringList{
                     "Suite a une erreur ce dossier n'a pas pu être sauvegardé correctement !",
                     "Attention un dossier ne doit pas être sauvegarder sur lui même ou dans un ",
                     "de ses sous-dossiers !",
                     "Dans ce cas choisir un autre dossier ou dans le répertoire cible cliquez",
                     "sur le répertoire racine si la sauvegarde ne doit pas se faire dans un "
                     "dossier. "}));
        QVERIFY(!QFileInfo::exists(folder(target, false) + "/CopieR"));
    }

    void chooseWorkingFolders()
    {
        const QString r = folder("ROULEMENT");
        for (int i = 0; i < 2; ++i)
            RosterFolders::chooseGeneric(state(), m_prompts, m_view, m_panes, r);
        QCOMPARE(list(), QStringList{r + "/"});
        expectGeneric(r + "/");
        expectLast("CHOIX DU DOSSIER GENERIQUE COURANT",
                   "Le dossier situé dans " + r +
                       "/ sera le dossier courant ou seront sauvegardées vos fichiers génériques .");
        QCOMPARE(m_view.rosterFolders, (QStringList{r + "/", r + "/"})); // shown at once
        QVERIFY(m_view.calls.contains("refresh") && m_view.calls.contains("reload"));
        QCOMPARE(m_panes.calls, (QStringList{"home", "home"}));

        const QString a = folder("ARCHIVES");
        RosterFolders::chooseArchive(state(), m_prompts, m_panes, a);
        QCOMPARE(state().config.hdArchive, a + "/");
        QCOMPARE(ini("HdArchive"), a + "/");
        expectLast("CHOIX DU DOSSIER ARCHIVE",
                   "Le dossier situé dans " + a +
                       " sera le dossier ou seront sauvegardées vos fichiers archives .");
        QCOMPARE(list(), QStringList{r + "/"});
    }

    void removeFromTheRosterList()
    {
        QVERIFY(!RosterFolders::mayOpenRemoval(state(), m_prompts));
        expectLast("ATTENTION LA LISTE DES DOSSIERS DE L'EDITEUR EST VIDE",
                   "La liste des dossiers de l'éditeur est vide . Vous devez ajouter un dossier");

        const QString a = folder("A,1") + "/", b = folder("B") + "/";
        // The current folder goes with its entry, written without the last "/".
        writeList({a.chopped(1), b, a.chopped(1)});
        QVERIFY(RosterFolders::mayOpenRemoval(state(), m_prompts));
        state().config.hdGenerique = a;
        RosterFolders::removeEntry(state(), m_prompts, m_view, a.chopped(1));
        QCOMPARE(list(), QStringList{b});
        expectGeneric(QString());
        QCOMPARE(m_view.calls, (QStringList{"roster:", "reload"}));

        RosterFolders::removeAll(state(), m_prompts, m_view);
        QCOMPARE(m_data->read("ListeDossier.txt"), QByteArray());
        expectGeneric(home() + "/");
        QCOMPARE(m_view.rosterFolders.constLast(), home() + "/");
    }
};

KERBO_TEST(RosterFoldersTest)
#include "RosterFoldersTest.moc"
