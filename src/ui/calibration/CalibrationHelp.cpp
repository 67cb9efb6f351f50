#include "ui/calibration/CalibrationHelp.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "ui/Session.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace CalibrationHelp {

void open(Session &session)
{
    const QString path = session.state.config.dataFile(QStringLiteral("Aide2.html"));
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        session.prompts.message(QStringLiteral("AIDE"),
                                QStringLiteral("Le fichier d'aide ") + shown +
                                    QStringLiteral(" est introuvable."),
                                Prompts::Icon::Exclamation);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        session.prompts.message(QStringLiteral("AIDE"),
                                QStringLiteral("Impossible d'afficher le fichier d'aide ") + shown,
                                Prompts::Icon::Exclamation);
}

} // namespace CalibrationHelp
