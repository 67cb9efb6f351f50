#include "ui/startup/StartUp.h"
#include "ui/startup/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kerbo"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(KERBO_VERSION_MAJOR)
                                            .arg(KERBO_VERSION_MINOR)
                                            .arg(KERBO_VERSION_PATCH));
    installFrenchTranslations(app);
    return StartUp::run(app);
}
