#include "ui/editor/DayFileWiring.h"

#include "core/AppState.h"
#include "core/dayfiles/DayCommands.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/SlotComboBox.h"

#include "ui/editor/EditorWindow.h"
#include "ui/editor/frmChoixDate.h"
#include <QLineEdit>

void wireDayFiles(EditorWindow &editor, AppState &state, Prompts &prompts)
{
    using C = EditorCommand;
    BulletinView &view = editor;
    auto wire = [&editor](C command, std::function<void()> run) {
        editor.wireCommand(command, std::move(run));
    };
    // The question stands over the drawn bulletin, the edit control hidden; kept, the day
    // gets its control back as the driver left it, the text typed in it included.
    wire(C::NewDay, [&state, &prompts, &view, &editor] {
        QWidget *control = nullptr;
        for (QWidget *c : {static_cast<QWidget *>(editor.textControl()),
                           static_cast<QWidget *>(editor.listControl())})
            if (!c->isHidden()) control = c;
        editor.editing()->hideEditControls();
        if (!DayCommands::newDay(state, prompts, view) && control) {
            control->show();
            control->setFocus();
        }
    });
    wire(C::OpenGeneric, [&state, &prompts, &view, &editor] {
        DayCommands::openGeneric(state, prompts, view, [&editor](const QDate &current) {
            return frmChoixDate::choose(current, &editor);
        });
    });
    wire(C::OpenArchive,
         [&state, &prompts, &view] { DayCommands::openArchive(state, prompts, view); });
    wire(C::SaveGeneric,
         [&state, &prompts, &view] { DayCommands::saveGeneric(state, prompts, view); });
    wire(C::SaveArchive,
         [&state, &prompts, &view] { DayCommands::saveArchive(state, prompts, view); });
}
