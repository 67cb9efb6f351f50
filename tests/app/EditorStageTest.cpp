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
#include <QTemporaryDir>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A program folder with an empty data folder, and the hooks of a machine with or without printer
// whose cartouche dialog is answered by `answer` (or left without OK when it is empty).
struct Machine {
    QTemporaryDir dir;
    bool printer = true;
    QList<bool> cartoucheRuns;
    std::optional<CartoucheStore::Texts> answer;

    Machine() { QDir(dir.path()).mkpath(QStringLiteral("DataBul")); }
    QString programFolder() const { return Paths::CheckPath(dir.path()); }
    QString dataFile(const QString &name) const { return Config::dataFile(programFolder(), name); }

    void start(AppState &state, Prompts &prompts, BulletinView &view)
    {
        state.config.ouestKerbo = programFolder();
        EditorStageHooks hooks;
        hooks.hasPrinter = [this] { return printer; };
        hooks.runCartouche = [this, &state](bool firstStart) {
            cartoucheRuns << firstStart;
            if (answer)
                CartoucheStore::confirm(state, *answer);
        };
        EditorStage::run(state, prompts, view, hooks);
    }
};

const CartoucheStore::Texts kDriver = {QStringLiteral("Dupont"), QStringLiteral("Jean"),
                                       QStringLiteral("PARIS"), QStringLiteral("LYON"),
                                       QStringLiteral("7512345A")};

} // namespace

class EditorStageTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartThenSecondStart()
    {
        Machine m;
        m.printer = false;
        m.answer = kDriver;
        {
            AppState state;
            FakePrompts prompts;
            FakeBulletinView view;
            m.start(state, prompts, view);

            QCOMPARE(prompts.calls.size(), 1);
            QCOMPARE(prompts.last().kind, QStringLiteral("message"));
            QCOMPARE(prompts.last().title,
                     QString::fromUtf8("Attention n'y a acune imprimante installée !!"));
            QCOMPARE(prompts.last().text,
                     QString::fromUtf8("\r\nPour que le programme fonctionne normalement \r\n"
                                       "il faut qu'une imprimante soit installée par défaut.\r\n"
                                       "Sinon vous ne pourrez pas imprimer vos bulletins."));
            QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
            QCOMPARE(m.cartoucheRuns, QList<bool>{true});

            for (int slot = 1; slot <= 5; ++slot)
                QCOMPARE(state.record.slot(slot), kDriver[size_t(slot - 1)]);
            QCOMPARE(state.record.currentSlot(), 58);
            QCOMPARE(state.record.serviceDate(), QDate::currentDate());
            QCOMPARE(view.date, QDate::currentDate());
            QCOMPARE(view.calls.first(), QStringLiteral("showServiceDate"));
            QCOMPARE(view.calls.last(), QStringLiteral("refreshBulletin"));
            QCOMPARE(view.rosterFolder, Paths::driveC());
            QCOMPARE(state.config.hdGenerique, Paths::driveC());
            QCOMPARE(state.config.hdArchive, Paths::driveC());
            QCOMPARE(state.engineListFile, QStringLiteral("ListeEngins.txt"));

            // The "C:\" defaults stay in memory; the file holds what was confirmed.
            const QByteArray ini = readBytes(m.dataFile(QStringLiteral("Config.ini")));
            QCOMPARE(ini, "[CheminDossiers]\r\nOuestKerbo=" + m.programFolder().toUtf8()
                              + "\r\n[Cartouche]\r\ncondition=1\r\nNom=Dupont\r\nPrenom=Jean\r\n"
                                "Etablissement=PARIS\r\nResidence=LYON\r\n"
                                "Immatriculation=7512345A\r\n");
        }
        {
            AppState state;
            FakePrompts prompts;
            FakeBulletinView view;
            m.printer = true;
            m.answer.reset();
            m.start(state, prompts, view);
            QVERIFY(prompts.calls.isEmpty());
            QCOMPARE(m.cartoucheRuns.size(), 1); // not shown again
            QCOMPARE(state.record.slot(5), QStringLiteral("7512345A"));
            QCOMPARE(state.config.condition, 1);
        }
    }

    void cartoucheLeftWithoutOkComesBack()
    {
        Machine m;
        // A Config.ini without Cartouche section is a first start too.
        QVERIFY(TextFile::writeLines(m.dataFile(QStringLiteral("Config.ini")),
                                     {QStringLiteral("[Options]"), QStringLiteral("Enaut=1")}));
        for (int run = 0; run < 2; ++run) {
            AppState state;
            FakePrompts prompts;
            FakeBulletinView view;
            m.start(state, prompts, view);
            QCOMPARE(state.record.slot(1), QString());
            QCOMPARE(state.engineListFile, QStringLiteral("ListeEnginsAut.txt"));
        }
        QCOMPARE(m.cartoucheRuns, (QList<bool>{true, true}));
        QCOMPARE(LectureINI(m.dataFile(QStringLiteral("Config.ini")), QStringLiteral("Cartouche"),
                            QStringLiteral("condition"))
                     .text,
                 QString());
    }

    void settledValuesSurviveTheLoading()
    {
        Machine m;
        QVERIFY(TextFile::writeLines(
            m.dataFile(QStringLiteral("Config.ini")),
            {QStringLiteral("[CheminDossiers]"), QStringLiteral("OuestKerbo=/elsewhere/"),
             QStringLiteral("[Cartouche]"), QStringLiteral("condition=1"),
             QStringLiteral("[Echelle Editeur]"), QStringLiteral("Echelle=1")}));
        AppState state;
        state.config.echelle = false; // the 800 screen turned the flag off for this run
        FakePrompts prompts;
        FakeBulletinView view;
        m.start(state, prompts, view);
        QCOMPARE(state.config.ouestKerbo, m.programFolder());
        QCOMPARE(state.config.echelle, false);
        QCOMPARE(LectureINI(m.dataFile(QStringLiteral("Config.ini")),
                            QStringLiteral("CheminDossiers"), QStringLiteral("OuestKerbo"))
                     .text,
                 m.programFolder());
        QCOMPARE(LectureINI(m.dataFile(QStringLiteral("Config.ini")),
                            QStringLiteral("Echelle Editeur"), QStringLiteral("Echelle"))
                     .text,
                 QStringLiteral("1"));
    }

    void rosterFoldersAreVerified()
    {
        Machine m;
        QTemporaryDir roots;
        const QString kept = Paths::CheckPath(roots.filePath(QStringLiteral("KEPT")));
        const QString gone = Paths::CheckPath(roots.filePath(QStringLiteral("GONE")));
        QVERIFY(QDir().mkpath(kept));
        QVERIFY(TextFile::writeLines(m.dataFile(QStringLiteral("ListeDossier.txt")),
                                     {gone, QString(), kept}));
        // The current folder is written without its final separator and still recognised.
        QString current = gone;
        current.chop(1);
        QVERIFY(TextFile::writeLines(
            m.dataFile(QStringLiteral("Config.ini")),
            {QStringLiteral("[CheminDossiers]"), QStringLiteral("Hdgenerique=") + current,
             QStringLiteral("HdArchive=") + kept, QStringLiteral("[Cartouche]"),
             QStringLiteral("condition=1")}));

        AppState state;
        FakePrompts prompts;
        FakeBulletinView view;
        m.start(state, prompts, view);
        QVERIFY(prompts.calls.isEmpty()); // dropped folders are not reported
        QCOMPARE(TextFile::readLines(m.dataFile(QStringLiteral("ListeDossier.txt"))).lines,
                 QStringList{kept});
        QVERIFY(!QFile::exists(m.dataFile(QStringLiteral("ListeDossierTempo.txt"))));
        QCOMPARE(LectureINI(m.dataFile(QStringLiteral("Config.ini")),
                            QStringLiteral("CheminDossiers"), QStringLiteral("Hdgenerique"))
                     .text,
                 QString());
        QCOMPARE(state.config.hdGenerique, Paths::driveC());
        QCOMPARE(state.config.hdArchive, kept);
        const int emptied = view.calls.indexOf(QStringLiteral("showRosterFolder:"));
        QVERIFY(emptied >= 0);
        QCOMPARE(view.calls.mid(emptied + 1),
                 (QStringList{QStringLiteral("reloadRosterList"),
                              QStringLiteral("showRosterFolder:") + Paths::driveC(),
                              QStringLiteral("refreshBulletin")}));
    }
};

KERBO_TEST(EditorStageTest)
#include "EditorStageTest.moc"
