#include "app/StartUp.h"

#include "app/AppState.h"
#include "app/CommandWiring.h"
#include "app/WidgetPrompts.h"
#include "editor/EditorWindow.h"

#include <QApplication>

namespace StartUp {

EditorWindow *openEditor(AppState &state, Prompts &prompts, EditorLayout layout)
{
    state.layout = layout;
    auto *editor = new EditorWindow(state, layout);
    wireCommands(*editor, state, prompts);
    editor->show();
    return editor;
}

int run(QApplication &app)
{
    AppState state;
    WidgetPrompts prompts;
    openEditor(state, prompts, EditorLayout::Editor1024);
    return app.exec();
}

} // namespace StartUp
