#include "ui/calibration/CalibrationHelp.h"

#include "core/AppState.h"
#include "ui/HelpFile.h"
#include "ui/Session.h"

namespace CalibrationHelp {

void open(Session &session)
{
    HelpFile::show(session.prompts, session.state.config.dataFile(QStringLiteral("Aide2.html")));
}

} // namespace CalibrationHelp
