#include "ui/verso/VersoWiring.h"

#include "ui/editor/EditorWindow.h"
#include "ui/preview/frmPreview.h"
#include "ui/verso/frmVerso.h"

void wireVersoAndPreviews(EditorWindow &editor, Session &session)
{
    editor.wireCommand(EditorCommand::Verso, [&editor, &session] {
        (new frmVerso(session, editor.editorLayout(), &editor))->show();
    });
    editor.wireCommand(EditorCommand::PreviewRecto, [&editor, &session] {
        (new frmPreview(session, PrintSide::Recto, &editor))->show();
    });
}
