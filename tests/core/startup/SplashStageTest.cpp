#include "TestMain.h"

#include "AnotherUser.h"
#include "FakePrompts.h"

#include "core/AppState.h"
#include "core/base/AtomicFile.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/config/DataFolder.h"
#include "core/config/ScreenLayout.h"
#include "core/startup/SplashStage.h"
#include "core/startup/StartUpMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

using Outcome = LayoutChoice::Outcome;
Q_DECLARE_METATYPE(ScreenMetrics)
Q_DECLARE_METATYPE(LayoutChoice)

// What the splash settles before any editor opens: the data folder and the editor layout.
class SplashStageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;
    FakePrompts m_prompts;

    DataFolder::Location data() const { return {Paths::CheckPath(m_dir.path()), QString()}; }
    QString ini() const { return Config::dataFile(data().programFolder, "Config.ini"); }
    EditorLayout splash(const ScreenMetrics &screen, const DataFolder::Location &location)
    {
        m_state = AppState();
        m_prompts.calls.clear();
        // The decision is taken before the splash window shows, and tells nothing.
        const SplashStage::Decision decision = SplashStage::decide(m_state, screen, location);
        QTest::qVerify(m_prompts.calls.isEmpty(), "no message before the splash shows", "",
                       __FILE__, __LINE__);
        return SplashStage::conclude(decision, m_prompts, screen, location);
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(TextFile::writeAtomic(path, bytes));
    }
    static QStringList lines(const QString &path) { return TextFile::readLines(path).lines; }
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    static bool setModified(const QString &path, const QDateTime &when)
    {
        const timespec times[2] = {{when.toSecsSinceEpoch(), 0}, {when.toSecsSinceEpoch(), 0}};
        return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
    }

private slots:
    void initTestCase() { QDir(m_dir.path()).mkpath(QStringLiteral("DataBul")); }

    void layoutChoice_data()
    {
        QTest::addColumn<ScreenMetrics>("screen");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<LayoutChoice>("expected");
        using S = ScreenMetrics;
        using C = LayoutChoice;
        const auto open = Outcome::OpenEditor, resolution = Outcome::ResolutionMessage,
                   font = Outcome::FontMessage;
        const auto e1024 = EditorLayout::Editor1024, e800 = EditorLayout::Editor800,
                   large = EditorLayout::LargeFont, none = EditorLayout::None;
        QTest::newRow("800 flag off") << S{800, 600, 96} << false << C{open, e800, {800, 600, 96}, false};
        QTest::newRow("large fonts") << S{1280, 1024, 120} << false << C{open, large, {1280, 1024, 120}, false};
        // The scale flag and the messages are seen through the splash below.
        QTest::newRow("800 at 121") << S{800, 600, 121} << false << C{font, none, {800, 600, 121}, false};
        QTest::newRow("640 at 120") << S{640, 480, 120} << false << C{resolution, none, {640, 480, 120}, false};
        QTest::newRow("900 wide") << S{900, 700, 96} << false << C{open, e800, {800, 700, 96}, false};
        QTest::newRow("800 at 110") << S{800, 600, 110} << false << C{open, e800, {800, 600, 96}, false};
        // Above 100 dpi a wide screen has large fonts, whatever the scale flag said.
        QTest::newRow("1024 at 101 flag on")
            << S{1024, 768, 101} << true << C{open, large, {1024, 768, 101}, false};
        QTest::newRow("1024 at 98") << S{1024, 768, 98} << false << C{open, e1024, {1024, 768, 98}, false};
        QTest::newRow("1024 at 100 flag on") << S{1024, 768, 100} << true << C{open, e800, {800, 768, 96}, true};
    }

    void layoutChoice()
    {
        QFETCH(ScreenMetrics, screen);
        QFETCH(bool, flag);
        QFETCH(LayoutChoice, expected);
        const LayoutChoice c = chooseLayout(screen, flag);
        QVERIFY(c.outcome == expected.outcome && c.layout == expected.layout);
        QVERIFY(c.kept == expected.kept && c.scaleFlag == expected.scaleFlag);
        if (c.outcome == Outcome::OpenEditor)
            QCOMPARE(layoutForMetrics(c.kept), c.layout);
        // The scale menu offers the 1024 editor back wherever the screen is 1024 wide or more.
        QCOMPARE(largeEditorFits(screen), screen.width >= 1024);
    }

    void scaleFlagIsReadAndNeverWritten()
    {
        // Absent and 0 are the same; 1 opens the 800 editor on a wide screen.
        QCOMPARE(splash({1024, 768, 96}, data()), EditorLayout::Editor1024);
        QVERIFY(TextFile::writeLines(ini(), {"[Echelle Editeur]", "Echelle=0"}));
        QCOMPARE(splash({1024, 768, 96}, data()), EditorLayout::Editor1024);
        QVERIFY(TextFile::writeLines(ini(), {"[Echelle Editeur]", "Echelle=1"}));
        QCOMPARE(splash({1024, 768, 96}, data()), EditorLayout::Editor800);
        QCOMPARE(m_state.keptScreen, (ScreenMetrics{800, 768, 96}));
        QCOMPARE(m_state.screen, (ScreenMetrics{1024, 768, 96}));
        // An 800 screen turns the flag off in memory only.
        QCOMPARE(splash({800, 600, 96}, data()), EditorLayout::Editor800);
        QCOMPARE(m_state.config.echelle, false);
        QCOMPARE(lines(ini()), (QStringList{"[Echelle Editeur]", "Echelle=1"}));
        QVERIFY(m_prompts.calls.isEmpty());
    }

    // What a save cut short by a crash left in the data folder goes at the next start (which
    // files are ours, and how old, is checked with the data folder).
    void leftoversOfACrashedSaveGoAtTheStart()
    {
        const QString leftover = data().programFolder + u"DataBul/Config.ini"_s +
                                 QLatin1String(AtomicFile::TemporaryMark) + u"Ab12Cd"_s;
        put(leftover, "[Cartouche]");
        QVERIFY(setModified(leftover, QDateTime::currentDateTime().addDays(-1)));
        splash({1024, 768, 96}, data());
        QVERIFY(!QFile::exists(leftover));
    }

    // The message names the screen as it is; "procéder" and "proceder" are each as written.
    void screenMessagesEndTheStart()
    {
        QCOMPARE(splash({640, 480, 96}, data()), EditorLayout::None);
        QCOMPARE(m_prompts.titles(),
                 QStringList{u"Kerbo ne fonctionne pas sous cette résolution d'écran !!"_s});
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(
            m_prompts.last().text,
            QString::fromUtf8(
                "Vous êtes en résolution écran  640/480 pixels .\r\n"
                "Kerbo ne peux pas fonctionner sous cette résolution d'écran.\r\n"
                "Vous devez augmenter la résolution graphique de votre écran.\r\n"
                "\r\n"
                "Voici comment procéder :\r\n"
                "1_ Cliquez sur une partie libre du bureau avec le bouton droit de la souris.\r\n"
                "2_ Sur la fenêtre qui apparait cliquez sur Propriétés et ensuite sur l'onglet "
                "Paramétres.\r\n"
                "3_ Dans le cadre zone d'écran pousser le curseur vers plus (minimum 800/600).\r\n"
                "4_ Cliquez sur le bouton OK.\r\n"
                "\r\n"
                "Un redémarrage de l'ordinateur sera peut-être nécessaire."));
        QCOMPARE(splash({1280, 1024, 144}, data()), EditorLayout::None);
        QCOMPARE(m_prompts.titles(),
                 QStringList{u"Kerbo ne fonctionne pas sous cette définition de police !!"_s});
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(
            m_prompts.last().text,
            QString::fromUtf8(
                "Vous êtes en résolution écran 1280/1024 et en grande police superieur à 120 "
                "dpi.\r\n"
                "Kerbo ne peux pas fonctionner sous cette définition de police.\r\n"
                "Vous devez réduire la taille de la police à 120 dpi (taille maxi).\r\n"
                "\r\n"
                "Voici comment proceder :\r\n"
                "1_ Cliquez sur une partie libre du bureau avec le bouton droit de la souris.\r\n"
                "2_ Sur la fenêtre qui apparait cliquez sur Propriétés et ensuite sur l'onglet "
                "Paramétres.\r\n"
                "3_ Cliquez sur Avancé et dans le cadre Taille de la police cliquez le triangle "
                "noire.\r\n"
                "4_ Selectionnez alors dans la liste déroulante Grandes polices et cliquez OK.\r\n"
                "\r\n"
                "Un redémarrage de l'ordinateur sera peut-être nécessaire."));
        QCOMPARE(StartUpMessages::splashResolution({1024, 768, 96}),
                 u"Résolution écran 1024 / 768  pixels"_s);
        QCOMPARE(StartUpMessages::splashVersion(1, 2, 3), u"Version 1.2.3"_s);
    }

    // The factory copy built into the program seeds files the driver can write, whoever runs
    // the test (the administrator writes any file).
    void builtInFactoryCopyIsWritable()
    {
        QTemporaryDir built;
        QVERIFY(DataFolder::locate(built.path(), QString()).ok());
        QVERIFY(QFile::permissions(built.filePath("DataBul/ListeDossier.txt")) &
                QFileDevice::WriteOwner);
    }

    // Two first starts at the same moment fill one data folder: the second start takes the
    // folder the first has just made, never a second one elsewhere. What a start stopped
    // while filling it left beside it goes at the next one, once old enough.
    void twoFirstStartsShareOneDataFolder()
    {
        QTemporaryDir factory, root;
        for (int i = 0; i < 12; ++i)
            put(factory.filePath(QStringLiteral("f%1.txt").arg(i)), QByteArray(4096, 'x'));
        for (int round = 0; round < 20; ++round) {
            const QString program = root.filePath(QStringLiteral("p%1").arg(round));
            const QString user = root.filePath(QStringLiteral("u%1").arg(round));
            QVERIFY(QDir().mkpath(program));
            DataFolder::Location first, second;
            std::thread other([&] { second = DataFolder::locate(program, user, factory.path()); });
            first = DataFolder::locate(program, user, factory.path());
            other.join();
            QCOMPARE(first.programFolder, Paths::CheckPath(program));
            QCOMPARE(second.programFolder, Paths::CheckPath(program));
            QVERIFY(!QFile::exists(user));
            QCOMPARE(entries(program), QStringList{"DataBul"});
        }

        const QString program = root.filePath("stopped");
        for (const char *left :
             {".DataBul-Ab12Cd/f1.txt", ".DataBul-YoUng1/f1.txt", ".DataBul-notes/keep.txt"})
            put(program + "/" + left, "x");
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        for (const char *folder : {".DataBul-Ab12Cd", ".DataBul-notes"})
            QVERIFY(setModified(program + "/" + folder, old));
        QVERIFY(DataFolder::locate(program, QString(), factory.path()).ok());
        QCOMPARE(entries(program), (QStringList{".DataBul-notes", ".DataBul-YoUng1", "DataBul"}));
        // The young one, left by a start stopped just before the one that filled the folder,
        // goes at a later start, once old enough.
        QVERIFY(setModified(program + "/.DataBul-YoUng1", old));
        QVERIFY(DataFolder::locate(program, QString(), factory.path()).ok());
        QCOMPARE(entries(program), (QStringList{".DataBul-notes", "DataBul"}));
    }

    void unwritableDataFolderEndsTheStart()
    {
        QTemporaryDir factory, root;
        put(factory.filePath("ListeDossier.txt"), "");
        // A file where the data folder should be: the application data folder is used instead.
        put(root.filePath("program/DataBul"), "not a folder");
        const QString user = root.filePath("user/Kerbo");
        DataFolder::Location l = DataFolder::locate(root.filePath("program"), user, factory.path());
        QCOMPARE(l.programFolder, Paths::CheckPath(user));
        QVERIFY(QFile::exists(user + "/DataBul/ListeDossier.txt"));
        QCOMPARE(lines(root.filePath("program/DataBul")), QStringList{"not a folder"});

        // Nowhere to write: the message names every folder tried.
        put(root.filePath("file"), "x");
        l = DataFolder::locate(root.filePath("program"), root.filePath("file/c"), factory.path());
        QCOMPARE(splash({1024, 768, 96}, l), EditorLayout::None);
        QCOMPARE(m_prompts.titles(), QStringList{u"Kerbo"_s});
        QCOMPARE(m_prompts.last().text,
                 QString::fromUtf8(
                     "Kerbo ne peut pas écrire dans son dossier de données :\r\n%1/\r\n%2/\r\n"
                     "Vos réglages et vos journées ne pourraient pas être enregistrés.\r\n"
                     "Donnez le droit d'écriture sur ce dossier, ou libérez de la place sur le "
                     "disque, puis relancez Kerbo.\r\n"
                     "\r\n"
                     "Le dossier %3 n'existe pas et ne peut pas être créé.")
                     .arg(root.filePath("program/DataBul"), root.filePath("file/c/DataBul"),
                          root.filePath("file/c")));

        // A relative XDG_DATA_HOME names no folder of the driver's: the default is used.
        QCOMPARE(DataFolder::userFolder("rel/data/Kerbo", "/home/dupont"),
                 u"/home/dupont/.local/share/Kerbo"_s);
        QCOMPARE(DataFolder::userFolder("/srv/kerbo/Kerbo", "/home/dupont"), u"/srv/kerbo/Kerbo"_s);
    }

    // Files of the administrator in the driver's home (Kerbo once run for him with sudo): a
    // data folder that is not his is named with its owner, and settings he cannot read end the
    // start; read as missing, they made a first start whose answers were written nowhere.
    void dataOfAnotherUserIsNamed()
    {
        QTemporaryDir factory, root;
        put(factory.filePath("ListeDossier.txt"), "");
        const QString program = root.filePath("program"), user = root.filePath("user");
        put(program + "/DataBul/Config.ini", "[Cartouche]\r\ncondition=1\r\n");
        put(user + "/DataBul/Config.ini", "[Cartouche]\r\ncondition=1\r\nNom=DUPONT\r\n");
        QFile::setPermissions(program + "/DataBul/Config.ini",
                              QFile::ReadOwner | QFile::WriteOwner);
        // The driver's side, as another user than the one who made the files.
        QStringList errors;
        const bool administrator = ::geteuid() == 0;
        if (administrator) {
            for (const auto &[folder, mode] : {std::pair{root.path(), 0755},
                                               {user, 0777},
                                               {user + "/DataBul", 0755},
                                               {program, 0777},
                                               {program + "/DataBul", 0777}})
                QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(mode)) == 0);
            errors = asAnotherUser([&] {
                return QStringList{DataFolder::locate(QString(), user, factory.path()).error,
                                   DataFolder::locate(program, QString(), factory.path()).error};
            });
        } else {
            QFile::setPermissions(program + "/DataBul/Config.ini", QFileDevice::Permissions());
            QFile::setPermissions(user + "/DataBul", QFile::ReadOwner | QFile::ExeOwner);
            errors = QStringList{DataFolder::locate(QString(), user, factory.path()).error,
                                 DataFolder::locate(program, QString(), factory.path()).error};
            QFile::setPermissions(user + "/DataBul",
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(errors.size(), 2);
        if (administrator)
            QVERIFY2(errors[0].endsWith(u"\r\n\r\nLe dossier %1/DataBul appartient à "
                                        "l'utilisateur root."_s.arg(user)),
                     qPrintable(errors[0]));
        else
            QVERIFY2(errors[0].startsWith(u"Kerbo ne peut pas écrire"_s), qPrintable(errors[0]));
        const QString unreadable =
            u"Kerbo ne peut pas lire son fichier de réglages :\r\n%1/DataBul/Config.ini\r\n("_s.arg(
                program);
        QVERIFY2(errors[1].startsWith(unreadable), qPrintable(errors[1]));
        QVERIFY2(errors[1].endsWith(u")\r\nSans lui, Kerbo repartirait comme à son premier "
                                    "démarrage, et vos réglages seraient remplacés.\r\nRendez ce "
                                    "fichier lisible puis relancez Kerbo."_s),
                 qPrintable(errors[1]));
        if (administrator) QVERIFY(errors[1].contains(u"(il appartient à l'utilisateur root)"_s));
        QFile::setPermissions(program + "/DataBul/Config.ini",
                              QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(lines(program + "/DataBul/Config.ini"),
                 (QStringList{"[Cartouche]", "condition=1"}));
    }

    // The driver's data folder, there but read-only or reached through a link that leads
    // nowhere now (a key not plugged in), is still his: the start ends naming it, and no other
    // folder takes its place.
    void driversFolderIsNotPassedOver_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("read-only") << false;
        QTest::newRow("dead link") << true;
    }
    void driversFolderIsNotPassedOver()
    {
        QFETCH(bool, linked);
        QTemporaryDir factory, root;
        put(factory.filePath("ListeDossier.txt"), "");
        const QString program = root.filePath("program"), user = root.filePath("user/Kerbo");
        const QString folder = program + "/DataBul";
        if (linked) {
            QVERIFY(QDir().mkpath(program) && QFile::link(root.filePath("key/DataBul"), folder));
        } else {
            put(folder + "/Config.ini", "[Cartouche]\r\ncondition=1\r\n");
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            if (QFile probe(folder + "/probe"); probe.open(QIODevice::WriteOnly))
                QSKIP("this user writes into read-only folders (the administrator)");
        }
        const DataFolder::Location l = DataFolder::locate(program, user, factory.path());
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!l.ok());
        QVERIFY(!QFile::exists(user) && !QFile::exists(root.filePath("key")));
        QVERIFY2(l.error.contains(folder + "/") && !l.error.contains(user), qPrintable(l.error));
    }

    // A data folder made empty beforehand, on another disk through a link or in its place, is
    // filled at the first start; one holding anything, if only a hidden file, is left as it is.
    void emptyDataFolderIsFilled()
    {
        QTemporaryDir factory, root;
        put(factory.filePath("ListeDossier.txt"), "");
        put(factory.filePath("ListeGares.txt"), "PARIS\r\n");
        put(factory.filePath("sub/Aide.html"), "<p>");
        const QString program = root.filePath("program"), user = root.filePath("user/Kerbo");
        const QString disk = root.filePath("disk/DataBul");
        QVERIFY(QDir().mkpath(program + "/DataBul") && QDir().mkpath(disk) && QDir().mkpath(user) &&
                QFile::link(disk, user + "/DataBul"));
        QVERIFY(QFile::setPermissions(disk, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup));

        QCOMPARE(DataFolder::locate(program, QString(), factory.path()).programFolder,
                 Paths::CheckPath(program));
        QCOMPARE(lines(program + "/DataBul/sub/Aide.html"), QStringList{"<p>"});
        QCOMPARE(DataFolder::locate(QString(), user, factory.path()).programFolder,
                 Paths::CheckPath(user));
        QVERIFY(QFileInfo(user + "/DataBul").isSymLink());
        QCOMPARE(lines(disk + "/ListeGares.txt"), QStringList{"PARIS"});
        QCOMPARE(QFileInfo(disk).permissions() & 0x0777, QFileDevice::Permissions(0x0750));
        QCOMPARE(entries(root.filePath("disk")), QStringList{"DataBul"});

        const QString used = root.filePath("used");
        put(used + "/DataBul/.kerbo.lock", "");
        QVERIFY(DataFolder::locate(used, QString(), factory.path()).ok());
        QCOMPARE(entries(used + "/DataBul"), QStringList{".kerbo.lock"});
    }

    void installedProgramKeepsItsDataPerUser()
    {
        QTemporaryDir prefix;
        put(prefix.filePath("bin/kerbo"), "");
        QVERIFY(!DataFolder::isInstalled(prefix.filePath("bin")));
        put(prefix.filePath("share/applications/fr.kerbo.Kerbo.desktop"), "[Desktop Entry]");
        QVERIFY(DataFolder::isInstalled(prefix.filePath("bin")));
        QVERIFY(DataFolder::isInstalled(prefix.filePath("bin") + "/"));
        // A build folder beside an installed copy is not installed.
        QVERIFY(!DataFolder::isInstalled(prefix.filePath("share")));
    }
};

KERBO_TEST(SplashStageTest)
#include "SplashStageTest.moc"
