#include "ui/verso/VersoWiring.h"

#include "ui/editor/EditorWindow.h"
#include "ui/preview/frmPreview.h"
#include "ui/verso/frmVerso.h"

#include <QAction>

void wireVersoAndPreviews(EditorWindow &editor, Session &session)
{
    QAction *verso = editor.action(EditorCommand::Verso);
    QObject::connect(verso, &QAction::triggered, &editor, [&editor, &session] {
        (new frmVerso(session, editor.editorLayout(), &editor))->show();
    });
    verso->setEnabled(true);

    QAction *preview = editor.action(EditorCommand::PreviewRecto);
    QObject::connect(preview, &QAction::triggered, &editor, [&editor, &session] {
        (new frmPreview(session, PrintSide::Recto, &editor))->show();
    });
    preview->setEnabled(true);
}
