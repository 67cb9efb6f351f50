#include "TestMain.h"

#include "FakeBulletinView.h"
#include "FakePrompts.h"

#include "app/AppState.h"
#include "app/CartoucheStore.h"
#include "app/EditorStage.h"
#include "app/Paths.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

// Each start runs the editor's loading on a fresh state over the same data folder. The machine
// has a printer or not; its cartouche dialog is confirmed with `m_answer`, or left without OK.
class EditorStageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakePrompts m_prompts;
    FakeBulletinView m_view;
    QList<bool> m_cartouche;
    std::optional<CartoucheStore::Texts> m_answer;

    QString data(const char *name) const
    {
        return Config::dataFile(Paths::CheckPath(m_dir->path()), QLatin1String(name));
    }
    void start(bool printer = true)
    {
        m_state = AppState();
        m_prompts.calls.clear();
        m_view = FakeBulletinView();
        m_state.config.ouestKerbo = Paths::CheckPath(m_dir->path());
        EditorStageHooks hooks;
        hooks.hasPrinter = [printer] { return printer; };
        hooks.runCartouche = [this](bool firstStart) {
            m_cartouche << firstStart;
            if (m_answer)
                CartoucheStore::confirm(m_state, *m_answer);
        };
        EditorStage::run(m_state, m_prompts, m_view, hooks);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("DataBul"));
        m_cartouche.clear();
        m_answer.reset();
    }

    void firstStartThenSecondStart()
    {
        m_answer = CartoucheStore::Texts{"Dupont", "Jean", "PARIS", "LYON", "7512345A"};
        start(false);
        QCOMPARE(m_prompts.calls.size(), 1);
        QCOMPARE(m_prompts.last().title,
                 QString::fromUtf8("Attention n'y a acune imprimante installée !!"));
        QCOMPARE(m_prompts.last().text,
                 QString::fromUtf8("\r\nPour que le programme fonctionne normalement \r\n"
                                   "il faut qu'une imprimante soit installée par défaut.\r\n"
                                   "Sinon vous ne pourrez pas imprimer vos bulletins."));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(m_cartouche, QList<bool>{true});
        QCOMPARE(m_state.record.slot(1), QStringLiteral("Dupont"));
        QCOMPARE(m_state.record.slot(5), QStringLiteral("7512345A"));
        QCOMPARE(m_state.record.currentSlot(), 58);
        QCOMPARE(m_state.record.serviceDate(), QDate::currentDate());
        QCOMPARE(m_view.date, QDate::currentDate());
        QCOMPARE(m_view.calls, (QStringList{"roster:" + Paths::driveC(), "refresh"}));
        QCOMPARE(m_state.config.hdArchive, Paths::driveC());
        QCOMPARE(m_state.engineListFile, QStringLiteral("ListeEngins.txt"));
        // The "C:\" defaults stay in memory: the file holds what was confirmed.
        const QStringList lines = TextFile::readLines(data("Config.ini")).lines;
        QCOMPARE(lines.mid(lines.indexOf("[Cartouche]")),
                 (QStringList{"[Cartouche]", "condition=1", "Nom=Dupont", "Prenom=Jean",
                              "Etablissement=PARIS", "Residence=LYON", "Immatriculation=7512345A"}));
        QVERIFY(lines.contains("OuestKerbo=" + Paths::CheckPath(m_dir->path())));
        QVERIFY(lines.filter(QRegularExpression("^Hd")).isEmpty());

        start();
        QVERIFY(m_prompts.calls.isEmpty());
        QCOMPARE(m_cartouche.size(), 1); // not shown again
        QCOMPARE(m_state.record.slot(4), QStringLiteral("LYON"));
    }

    void cartoucheLeftWithoutOkComesBack()
    {
        // A Config.ini without Cartouche section is a first start too.
        QVERIFY(TextFile::writeLines(data("Config.ini"),
                                     {"[CheminDossiers]", "OuestKerbo=/elsewhere/", "[Options]",
                                      "Enaut=1", "[Echelle Editeur]", "Echelle=1"}));
        start();
        start();
        QCOMPARE(m_cartouche, (QList<bool>{true, true}));
        QCOMPARE(m_state.engineListFile, QStringLiteral("ListeEnginsAut.txt"));
        // What the splash settled wins over the file.
        QCOMPARE(m_state.config.ouestKerbo, Paths::CheckPath(m_dir->path()));
        QCOMPARE(m_state.config.echelle, false);
    }

    void rosterFoldersAreVerified()
    {
        const QString kept = Paths::CheckPath(m_dir->filePath(QStringLiteral("KEPT")));
        const QString gone = Paths::CheckPath(m_dir->filePath(QStringLiteral("GONE")));
        QVERIFY(QDir().mkpath(kept));
        QVERIFY(TextFile::writeLines(data("ListeDossier.txt"), {gone, QString(), kept}));
        // The current folder, written without its final separator, is still recognised.
        QVERIFY(TextFile::writeLines(data("Config.ini"),
                                     {"[CheminDossiers]", "Hdgenerique=" + gone.chopped(1),
                                      "HdArchive=" + kept, "[Cartouche]", "condition=1"}));
        start();
        QVERIFY(m_prompts.calls.isEmpty()); // dropped folders are not reported
        QCOMPARE(TextFile::readLines(data("ListeDossier.txt")).lines, QStringList{kept});
        QVERIFY(!QFile::exists(data("ListeDossierTempo.txt")));
        QCOMPARE(LectureINI(data("Config.ini"), "CheminDossiers", "Hdgenerique").text, QString());
        QCOMPARE(m_state.config.hdArchive, kept);
        QCOMPARE(m_view.calls,
                 (QStringList{"roster:", "reload", "roster:" + Paths::driveC(), "refresh"}));
    }
};

KERBO_TEST(EditorStageTest)
#include "EditorStageTest.moc"
