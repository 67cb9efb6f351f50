#include "ui/roster/RosterWiring.h"

#include "core/AppState.h"
#include "ui/Session.h"
#include "ui/editor/EditorWindow.h"
#include "ui/roster/frmChoixFichier.h"

#include <QAction>
#include <QApplication>

void wireRoster(EditorWindow &editor, Session &session)
{
    QAction *action = editor.action(EditorCommand::CaraibeConverter);
    QObject::connect(action, &QAction::triggered, &editor, [&editor, &session] {
        // Listing the drives and the home folder may take a moment.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        frmChoixFichier window(session.state.config.dataFolder(), session.prompts, &editor);
        QApplication::restoreOverrideCursor();
        window.exec();
    });
    action->setEnabled(true);
}
