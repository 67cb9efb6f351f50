#pragma once

class EditorWindow;
struct Session;

// Connects the editor's commands to the folders that implement them.
void wireCommands(EditorWindow &editor, Session &session);
