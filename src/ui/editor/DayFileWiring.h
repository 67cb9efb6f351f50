#pragma once

class EditorWindow;
class Prompts;
struct AppState;

// Connects the editor's new, open and save commands of days to their rules and enables them.
void wireDayFiles(EditorWindow &editor, AppState &state, Prompts &prompts);
