#include "core/config/DataFolder.h"
#include "ui/EnterPressesButtons.h"
#include "ui/startup/KerboStyle.h"
#include "ui/startup/StartUp.h"
#include "ui/startup/Translations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    const StartUp::WarmUp warmUp;
    // The X11 desktop's launch id: Qt takes it out of the environment when it connects.
    const QByteArray launchId = qgetenv("DESKTOP_STARTUP_ID");
    QApplication app(argc, argv);
    // The paper form and its French texts read left to right, also under a right-to-left
    // desktop (Qt's "-reverse", an Arabic or Hebrew session).
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setApplicationName(QStringLiteral("Kerbo"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(KERBO_VERSION_MAJOR)
                                            .arg(KERBO_VERSION_MINOR)
                                            .arg(KERBO_VERSION_PATCH));
    // Ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DataFolder::DesktopId));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/kerbo-64.png")));
    QApplication::setStyle(new KerboStyle);
    app.installEventFilter(new EnterPressesButtons(&app));
    installFrenchTranslations(app);
    return StartUp::run(app, launchId);
}
