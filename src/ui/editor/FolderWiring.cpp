#include "ui/editor/FolderWiring.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/lists/ReferenceLists.h"
#include "ui/Session.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/SlotComboBox.h"
#include "ui/folders/frmGestionDossier.h"
#include "ui/folders/frmGestionFichier.h"
#include "ui/lists/frmGestListe.h"
#include "ui/options/frmOption.h"

namespace
{

using C = EditorCommand;
using Icon = Prompts::Icon;

// Stations and engines the driver typed and that no list holds yet join their list, and the
// drop-down that shows it, as soon as the driver leaves the box. A list that cannot be written
// is told: the driver would look for the item there.
void learnOnLeaving(EditorWindow &editor, Session &session)
{
    QObject::connect(
        editor.editing(), &BulletinEditing::slotLeft, &editor, [&editor, &session](int slot) {
            const QString value = editor.editing()->textLeftIn(slot);
            if (value.isEmpty()) return;
            const AppState &state = session.state;
            QString error;
            const std::optional<QString> learnt =
                ReferenceLists::learnLeftSlot(state.config.dataFolder(), state.config.options,
                                              state.engineListFile, slot, value, &error);
            // The drop-down reads its list again whenever it opens: the item added here only
            // spares the driver that wait, and only among the items of its own list.
            if (learnt) editor.editing()->addLearntItem(slot, *learnt);
            if (!error.isEmpty())
                session.prompts.message(QStringLiteral("Kerbo"), error, Icon::Exclamation);
        });
}

} // namespace

void wireFolderWindows(EditorWindow &editor, Session &session)
{
    using Kind = ReferenceLists::Kind;
    const std::pair<C, Kind> lists[] = {
        {C::ListEngins, Kind::Engins},           {C::ListGares, Kind::Gares},
        {C::ListTaches, Kind::Taches},           {C::ListCateg, Kind::Categ},
        {C::ListIndiceCompo, Kind::IndiceCompo}, {C::ListAgentSeul, Kind::AgentSeul},
    };
    // Not a structured binding: clang 14 cannot capture one in a lambda.
    for (const std::pair<C, Kind> &list : lists) {
        const Kind kind = list.second;
        editor.wireCommand(list.first, [&editor, &session, kind] {
            frmGestListe window(session, kind, &editor);
            window.exec();
        });
    }
    editor.wireCommand(C::FolderManagement, [&editor, &session] {
        frmGestionDossier window(session, editor, &editor);
        window.exec();
    });
    editor.wireCommand(C::FileManagement, [&editor, &session] {
        frmGestionFichier window(session, &editor);
        window.exec();
    });
    editor.wireCommand(C::Options, [&editor, &session] {
        frmOption window(session, &editor);
        window.exec();
    });
    learnOnLeaving(editor, session);
}
