#pragma once

class EditorWindow;
class Prompts;
struct AppState;

// Connects the editor's commands to the folders that implement them.
void wireCommands(EditorWindow &editor, AppState &state, Prompts &prompts);
