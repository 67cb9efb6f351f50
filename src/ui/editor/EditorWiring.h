#pragma once

#include "core/config/ScreenLayout.h"

#include <functional>

class EditorWindow;
class Prompts;
struct AppState;

// Opens a new editor window of a layout (the scale switch closes the old one afterwards).
using OpenEditor = std::function<EditorWindow *(EditorLayout)>;

// Connects the editor's own commands: erase and restore of the frames, the tabulation mode,
// the scale switch, the help file and the "A propos" window.
void wireEditorCommands(EditorWindow &editor, AppState &state, Prompts &prompts,
                        const OpenEditor &openEditor);
