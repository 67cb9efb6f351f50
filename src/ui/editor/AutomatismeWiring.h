#pragma once

class EditorWindow;
struct Session;

// Connects the editor to the automatismes, the engine rules and the function keys: the lookup
// as a train number is typed, the engine slots as they are typed and left, the keys F2 to F12,
// and the menu entry "Automatisme" that opens the automatisme window.
void wireAutomatismes(EditorWindow &editor, Session &session);
