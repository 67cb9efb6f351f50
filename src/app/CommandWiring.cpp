#include "app/CommandWiring.h"

#include "app/AppState.h"
#include "dayfiles/DayFileWiring.h"
#include "editor/EditorWindow.h"
#include "editor/EditorWiring.h"
#include "print/PrintCommands.h"

void wireCommands(EditorWindow &editor, AppState &state, Prompts &prompts)
{
    // One line per folder that implements editor commands.
    wireEditorCommands(editor, state, prompts);
    wireDayFiles(editor, state, prompts);
    PrintCommands::wire(editor, state, prompts);
}
