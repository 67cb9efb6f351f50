#include "ui/roster/RosterWiring.h"

#include "core/AppState.h"
#include "ui/Session.h"
#include "ui/editor/EditorWindow.h"
#include "ui/roster/frmChoixFichier.h"

#include <QApplication>

void wireRoster(EditorWindow &editor, Session &session)
{
    editor.wireCommand(EditorCommand::CaraibeConverter, [&editor, &session] {
        // Listing the drives and the home folder may take a moment.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        frmChoixFichier window(session.state.config.dataFolder(), session.prompts, &editor);
        QApplication::restoreOverrideCursor();
        window.exec();
    });
}
