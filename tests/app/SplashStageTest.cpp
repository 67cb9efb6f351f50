#include "TestMain.h"

#include "FakePrompts.h"

#include "app/AppState.h"
#include "app/Paths.h"
#include "app/SplashStage.h"
#include "app/StartUpMessages.h"
#include "app/TextFile.h"
#include "app/frmSplash.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

struct Program {
    QTemporaryDir dir;
    Program() { QDir(dir.path()).mkpath(QStringLiteral("DataBul")); }
    DataFolder::Location location() const { return {Paths::CheckPath(dir.path()), QString()}; }
    QString ini() const { return Config::dataFile(location().programFolder, "Config.ini"); }
    void setEchelle(const QString &value) const
    {
        QVERIFY(TextFile::writeLines(ini(), {"[Echelle Editeur]", "Echelle=" + value}));
    }
    QByteArray iniBytes() const
    {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

class SplashStageTest : public QObject
{
    Q_OBJECT
private slots:
    void scaleFlagFromTheFile()
    {
        Program p;
        for (const QString &echelle : {QString(), QStringLiteral("0"), QStringLiteral("1")}) {
            if (!echelle.isNull())
                p.setEchelle(echelle);
            AppState state;
            FakePrompts prompts;
            const EditorLayout layout =
                SplashStage::run(state, prompts, {1024, 768, 96}, p.location());
            QVERIFY(prompts.calls.isEmpty());
            QCOMPARE(state.config.ouestKerbo, p.location().programFolder);
            QCOMPARE(state.screen, (ScreenMetrics{1024, 768, 96}));
            if (echelle == QStringLiteral("1")) {
                QCOMPARE(layout, EditorLayout::Editor800);
                QCOMPARE(state.keptScreen, (ScreenMetrics{800, 768, 96}));
                QCOMPARE(state.config.echelle, true);
            } else {
                // An absent flag and a flag of 0 are the same.
                QCOMPARE(layout, EditorLayout::Editor1024);
                QCOMPARE(state.keptScreen, state.screen);
                QCOMPARE(state.config.echelle, false);
            }
        }
    }

    void smallScreenIgnoresTheFlagWithoutWritingIt()
    {
        Program p;
        p.setEchelle(QStringLiteral("1"));
        const QByteArray before = p.iniBytes();
        AppState state;
        FakePrompts prompts;
        QCOMPARE(SplashStage::run(state, prompts, {800, 600, 96}, p.location()),
                 EditorLayout::Editor800);
        QCOMPARE(state.config.echelle, false);
        QCOMPARE(p.iniBytes(), before);
    }

    void checksThatEndTheProgram()
    {
        Program p;
        {
            AppState state;
            FakePrompts prompts;
            QCOMPARE(SplashStage::run(state, prompts, {640, 480, 96}, p.location()),
                     EditorLayout::None);
            QCOMPARE(prompts.calls.size(), 1);
            QCOMPARE(prompts.last().title, StartUpMessages::resolutionTitle());
            QVERIFY(prompts.last().text.startsWith(
                QString::fromUtf8("Vous êtes en résolution écran  640/480 pixels .\r\n")));
            QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        }
        {
            AppState state;
            FakePrompts prompts;
            QCOMPARE(SplashStage::run(state, prompts, {1280, 1024, 144}, p.location()),
                     EditorLayout::None);
            QCOMPARE(prompts.titles(), QStringList{StartUpMessages::fontTitle()});
            QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        }
        {
            AppState state;
            FakePrompts prompts;
            QCOMPARE(SplashStage::run(state, prompts, {1280, 1024, 120}, p.location()),
                     EditorLayout::LargeFont);
            QVERIFY(prompts.calls.isEmpty());
        }
        {
            AppState state;
            FakePrompts prompts;
            const DataFolder::Location none{QString(), QStringLiteral("why")};
            QCOMPARE(SplashStage::run(state, prompts, {1024, 768, 96}, none), EditorLayout::None);
            QCOMPARE(prompts.titles(), QStringList{DataFolder::unwritableTitle()});
            QCOMPARE(prompts.last().text, QStringLiteral("why"));
        }
        QVERIFY(!QFile::exists(p.ini())); // the checks write nothing
    }

    void splashLines()
    {
        frmSplash splash;
        splash.showMetrics({1280, 1024, 96});
        QCOMPARE(splash.resolutionLabel()->text(), QString::fromUtf8("Résolution écran 1280 / 1024  pixels"));
        QCOMPARE(splash.versionLabel()->text(),
                 QStringLiteral("Version %1.%2.%3")
                     .arg(KERBO_VERSION_MAJOR)
                     .arg(KERBO_VERSION_MINOR)
                     .arg(KERBO_VERSION_PATCH));
    }
};

KERBO_TEST(SplashStageTest)
#include "SplashStageTest.moc"
