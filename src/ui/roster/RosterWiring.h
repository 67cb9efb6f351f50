#pragma once

class EditorWindow;
struct Session;

// Connects the editor's "Convertisseur Caraibe" to the roster converter's windows.
void wireRoster(EditorWindow &editor, Session &session);
