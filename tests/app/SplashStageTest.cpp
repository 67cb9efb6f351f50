#include "TestMain.h"

#include "FakePrompts.h"

#include "app/AppState.h"
#include "app/Paths.h"
#include "app/SplashStage.h"
#include "app/StartUpMessages.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class SplashStageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;
    FakePrompts m_prompts;

    DataFolder::Location location() const { return {Paths::CheckPath(m_dir.path()), QString()}; }
    QString ini() const { return Config::dataFile(location().programFolder, "Config.ini"); }
    EditorLayout run(const ScreenMetrics &screen, const DataFolder::Location &data)
    {
        m_state = AppState();
        m_prompts.calls.clear();
        return SplashStage::run(m_state, m_prompts, screen, data);
    }

private slots:
    void initTestCase() { QDir(m_dir.path()).mkpath(QStringLiteral("DataBul")); }

    void scaleFlag()
    {
        // Absent and 0 are the same; 1 opens the 800 editor on a wide screen.
        QCOMPARE(run({1024, 768, 96}, location()), EditorLayout::Editor1024);
        QVERIFY(TextFile::writeLines(ini(), {"[Echelle Editeur]", "Echelle=0"}));
        QCOMPARE(run({1024, 768, 96}, location()), EditorLayout::Editor1024);
        QCOMPARE(m_state.keptScreen, m_state.screen);
        QVERIFY(TextFile::writeLines(ini(), {"[Echelle Editeur]", "Echelle=1"}));
        QCOMPARE(run({1024, 768, 96}, location()), EditorLayout::Editor800);
        QCOMPARE(m_state.keptScreen, (ScreenMetrics{800, 768, 96}));
        QCOMPARE(m_state.screen, (ScreenMetrics{1024, 768, 96}));
        QCOMPARE(m_state.config.ouestKerbo, location().programFolder);

        // An 800 screen turns the flag off in memory and writes nothing.
        QCOMPARE(run({800, 600, 96}, location()), EditorLayout::Editor800);
        QCOMPARE(m_state.config.echelle, false);
        QCOMPARE(TextFile::readLines(ini()).lines, (QStringList{"[Echelle Editeur]", "Echelle=1"}));
        QVERIFY(m_prompts.calls.isEmpty());
    }

    void checksThatEndTheProgram()
    {
        QCOMPARE(run({640, 480, 96}, location()), EditorLayout::None);
        QCOMPARE(m_prompts.titles(), QStringList{StartUpMessages::resolutionTitle()});
        QCOMPARE(m_prompts.last().text, StartUpMessages::resolutionText({640, 480, 96}));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);

        QCOMPARE(run({1280, 1024, 144}, location()), EditorLayout::None);
        QCOMPARE(m_prompts.titles(), QStringList{StartUpMessages::fontTitle()});
        QCOMPARE(run({1280, 1024, 120}, location()), EditorLayout::LargeFont);
        QVERIFY(m_prompts.calls.isEmpty());

        QCOMPARE(run({1024, 768, 96}, {QString(), QStringLiteral("why")}), EditorLayout::None);
        QCOMPARE(m_prompts.titles(), QStringList{DataFolder::unwritableTitle()});
        QCOMPARE(m_prompts.last().text, QStringLiteral("why"));
    }
};

KERBO_TEST(SplashStageTest)
#include "SplashStageTest.moc"
