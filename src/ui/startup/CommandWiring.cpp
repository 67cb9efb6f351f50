#include "ui/startup/CommandWiring.h"

#include "ui/calibration/CalibrationWiring.h"
#include "ui/editor/DayFileWiring.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/EditorWiring.h"
#include "ui/print/PrintCommands.h"
#include "ui/Session.h"
#include "ui/startup/StartUp.h"

void wireCommands(EditorWindow &editor, Session &session)
{
    // One line per folder that implements editor commands.
    wireEditorCommands(editor, session.state, session.prompts, [&session](EditorLayout layout) {
        return StartUp::openEditor(session, layout);
    });
    wireDayFiles(editor, session.state, session.prompts);
    PrintCommands::wire(editor, session);
    CalibrationWiring::wire(editor, session);
}
