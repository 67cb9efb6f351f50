#include "app/CommandWiring.h"

#include "app/AppState.h"
#include "editor/EditorWindow.h"
#include "editor/EditorWiring.h"

void wireCommands(EditorWindow &editor, AppState &state, Prompts &prompts)
{
    // One line per folder that implements editor commands.
    wireEditorCommands(editor, state, prompts);
    (void)editor;
    (void)state;
    (void)prompts;
}
