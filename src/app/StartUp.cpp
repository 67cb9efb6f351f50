#include "app/StartUp.h"

#include "app/AppState.h"
#include "editor/EditorWindow.h"

#include <QApplication>

namespace StartUp {

int run(QApplication &app)
{
    AppState state;
    state.layout = EditorLayout::Editor1024;
    auto *editor = new EditorWindow(state, state.layout);
    editor->show();
    return app.exec();
}

} // namespace StartUp
