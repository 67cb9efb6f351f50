#include "ui/editor/AutomatismeWiring.h"

#include "core/AppState.h"
#include "core/automatismes/AutomatismeKeys.h"
#include "core/automatismes/Automatismes.h"
#include "core/base/Prompts.h"
#include "core/editor/FunctionKeys.h"
#include "core/engines/EngineRules.h"
#include "core/model/LineView.h"
#include "ui/Session.h"
#include "ui/automatismes/frmAutomatisme.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"

#include <QGuiApplication>
#include <QTimer>

#include <memory>

namespace
{

// The editor as the line commands see it; lives as long as the editor window.
class EditorLines : public QObject, public LineView
{
public:
    EditorLines(EditorWindow &editor, Session &session)
        : QObject(&editor), m_editor(editor),
          m_keys(session.state.record, session.state.lineBuffer, session.state.config.options,
                 session.state.automatismes, session.prompts, *this)
    {
    }
    ~EditorLines() override { setBusy(false); }

    FunctionKeys &keys() { return m_keys; }

    void showCurrentSlot() override { m_editor.refreshBulletin(); }
    void setBusy(bool busy) override
    {
        if (busy == m_busy) return;
        m_busy = busy;
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }

private:
    EditorWindow &m_editor;
    FunctionKeys m_keys;
    bool m_busy = false;
};

} // namespace

void wireAutomatismes(EditorWindow &editor, Session &session)
{
    AppState &state = session.state;
    state.automatismes.setPath(
        state.config.dataFile(QString::fromLatin1(AutomatismeKeys::FileName)));
    BulletinEditing *editing = editor.editing();
    auto *lines = new EditorLines(editor, session);

    // A file that is there but cannot be read fills no line: said once a run, after the key,
    // rather than leaving every template gone without a word.
    auto told = std::make_shared<bool>(false);
    QObject::connect(editing, &BulletinEditing::trainNumberTyped, lines,
                     [&state, &session, lines, told](int slot) {
                         Automatismes::Automatisme(state.record, slot, state.automatismes);
                         QString error;
                         if (*told || state.automatismes.writable(&error)) return;
                         *told = true;
                         QTimer::singleShot(0, lines, [&session, error] {
                             session.prompts.message(QStringLiteral("Kerbo"), error,
                                                     Prompts::Icon::Critical);
                         });
                     });
    QObject::connect(editing, &BulletinEditing::engineChanged, lines, [&state](int slot) {
        EngineRules::engineEntered(state.record, slot, state.config.options);
    });
    // The control of the slot being typed in keeps the driver's text; the normalised engine
    // shows once the control has left it.
    QObject::connect(editing, &BulletinEditing::slotLeft, lines, [&state, editing](int slot) {
        if (EngineRules::Traitement_Engins(state.record, slot, state.config.options))
            editing->refresh();
    });
    QObject::connect(editing, &BulletinEditing::functionKeyPressed, lines,
                     [lines](int key, Qt::KeyboardModifiers modifiers, bool listControl) {
                         lines->keys().press(key, modifiers, listControl);
                     });

    editor.wireCommand(EditorCommand::Automatisme, [&editor, &session] {
        frmAutomatisme window(session, &editor);
        window.exec();
    });
}
