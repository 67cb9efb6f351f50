#pragma once

class EditorWindow;
class Page;
class Prompts;
class QWidget;
struct AppState;

namespace PrintCommands {

// " IMPRIMER ?" then the recto on the chosen printer; the layout is loaded first when it has
// not been yet. Returns whether a page was printed.
bool printRecto(AppState &state, Prompts &prompts);

// "&Choix Police": the recto font dialog, the font measured on the printer that will print.
// Also run by the recto preview's "Choix Police".
bool chooseRectoFont(QWidget *parent, AppState &state, Prompts &prompts);

// Connects "Imprimer", "Configuration de l'impression" and "&Choix Police" of the editor.
void wire(EditorWindow &editor, AppState &state, Prompts &prompts);

} // namespace PrintCommands
