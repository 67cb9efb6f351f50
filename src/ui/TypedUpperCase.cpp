#include "ui/TypedUpperCase.h"

#include "core/base/TypedText.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

TypedUpperCase::TypedUpperCase(QLineEdit *edit) : QObject(edit), m_edit(edit)
{
    // A line edit tells an edit's new text before its new cursor and selection, so that while
    // `edited` runs, the start remembered is the one from before the edit. The text is taken
    // from the box itself: once `edited` has rewritten it, textChanged still brings the text as
    // typed.
    connect(edit, &QLineEdit::textChanged, this, [this] { m_before = m_edit->text(); });
    connect(edit, &QLineEdit::cursorPositionChanged, this, &TypedUpperCase::rememberStart);
    connect(edit, &QLineEdit::selectionChanged, this, &TypedUpperCase::rememberStart);
    connect(edit, &QLineEdit::textEdited, this, &TypedUpperCase::edited);
    edit->installEventFilter(this);
    m_before = edit->text();
    rememberStart();
}

void TypedUpperCase::rememberStart()
{
    m_from = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
}

void TypedUpperCase::edited(const QString &text)
{
    if (m_restoring) return;
    const int cursor = m_edit->cursorPosition();
    const QString upper = TypedText::upperCaseInserted(m_before, m_from, text, cursor);
    if (upper == text) return;
    m_edit->setText(upper);
    m_edit->setCursorPosition(cursor);
}

void TypedUpperCase::restore(bool undo)
{
    m_restoring = true;
    undo ? m_edit->undo() : m_edit->redo();
    m_restoring = false;
}

bool TypedUpperCase::eventFilter(QObject *watched, QEvent *event)
{
    // Only these two events ask the box anything: the others come also while the box is being
    // destroyed (the focus it gives up), when it is a line edit no more.
    if (watched != m_edit ||
        (event->type() != QEvent::ContextMenu && event->type() != QEvent::KeyPress) ||
        m_edit->isReadOnly())
        return false;
    if (event->type() == QEvent::ContextMenu &&
        m_edit->contextMenuPolicy() == Qt::DefaultContextMenu) {
        // The box's own menu, whose Undo and Redo put the text back as the keys do.
        // Qt has connected them by name or by member, depending on its version.
        const auto calls = [this](QAction *action, void (QLineEdit::*slot)(), const char *name) {
            return disconnect(action, &QAction::triggered, m_edit, slot) ||
                   disconnect(action, SIGNAL(triggered()), m_edit, name);
        };
        QMenu *menu = m_edit->createStandardContextMenu();
        for (QAction *action : menu->actions()) {
            if (calls(action, &QLineEdit::undo, SLOT(undo())))
                connect(action, &QAction::triggered, this, [this] { restore(true); });
            else if (calls(action, &QLineEdit::redo, SLOT(redo())))
                connect(action, &QAction::triggered, this, [this] { restore(false); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    if (!undo && !key->matches(QKeySequence::Redo)) return false;
    restore(undo);
    return true;
}
