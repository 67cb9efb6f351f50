#pragma once

class EditorWindow;
struct Session;

// Connects the editor's "Verso" / "Editeur Verso" (the verso editor) and "Vue BS" / "Aperçu BS"
// (the recto preview).
void wireVersoAndPreviews(EditorWindow &editor, Session &session);
