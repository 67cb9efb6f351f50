#include "core/config/DataFolder.h"
#include "core/startup/CommandLine.h"
#include "ui/EnterPressesButtons.h"
#include "ui/FrenchFileColumns.h"
#include "ui/startup/KerboStyle.h"
#include "ui/startup/StartUp.h"
#include "ui/startup/StartUpMarks.h"
#include "ui/startup/Translations.h"

#include <QApplication>

#include <cstdio>

namespace
{

QString version()
{
    return QStringLiteral("%1.%2.%3")
        .arg(KERBO_VERSION_MAJOR)
        .arg(KERBO_VERSION_MINOR)
        .arg(KERBO_VERSION_PATCH);
}

int told(const CommandLine::Answer &asked)
{
    std::fputs(asked.out.toUtf8().constData(), stdout);
    std::fputs(asked.error.toUtf8().constData(), stderr);
    return asked.code;
}

} // namespace

int main(int argc, char *argv[])
{
    markStartUp("loaded");
    // Help and version are answered without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine::Answer asked = CommandLine::answer(arguments, version(), false);
        asked.done)
        return told(asked);
    const StartUp::WarmUp warmUp;
    // The X11 desktop's launch id: Qt takes it out of the environment when it connects.
    const QByteArray launchId = qgetenv("DESKTOP_STARTUP_ID");
    QApplication app(argc, argv);
    markStartUp("display");
    // The paper form and its French texts read left to right, also under a right-to-left
    // desktop (Qt's "-reverse", an Arabic or Hebrew session).
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setApplicationName(QStringLiteral("Kerbo"));
    QApplication::setApplicationVersion(version());
    // Ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DataFolder::DesktopId));
    QGuiApplication::setWindowIcon(StartUp::windowIcon());
    QApplication::setStyle(new KerboStyle);
    app.installEventFilter(new EnterPressesButtons(&app));
    installFrenchTranslations(app);
    FrenchFileColumns::installEverywhere(app);
    if (const CommandLine::Answer asked =
            CommandLine::answer(app.arguments().mid(1), version(), true);
        asked.done)
        return told(asked);
    return StartUp::run(app, launchId);
}
