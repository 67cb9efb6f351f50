#include "TestMain.h"

#ifdef KERBO_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
// Core tests need fonts and painting, never a widget.
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace TestRegistry {
std::vector<std::pair<const char *, Factory>> &all()
{
    static std::vector<std::pair<const char *, Factory>> tests;
    return tests;
}
} // namespace TestRegistry

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    // Qt's own settings (the file dialog remembers its folders and columns) go to a folder of the
    // run: never the tester's own, and the same for every run.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    TestApplication app(argc, argv);
    int failures = 0;
    // Extra arguments select one class by name: tst_app IniFileTest [QtTest options]
    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args[1].startsWith(u'-')) {
        only = args[1];
        args.removeAt(1);
    }
    for (auto &[name, factory] : TestRegistry::all()) {
        if (!only.isEmpty() && only != QLatin1String(name))
            continue;
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
