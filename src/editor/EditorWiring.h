#pragma once

class EditorWindow;
class Prompts;
struct AppState;

// Connects the editor's own commands: erase and restore of the frames, the tabulation mode,
// the scale switch, the help file and the "A propos" window.
void wireEditorCommands(EditorWindow &editor, AppState &state, Prompts &prompts);
