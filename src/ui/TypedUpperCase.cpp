#include "ui/TypedUpperCase.h"

#include "core/base/TypedText.h"

#include <QKeyEvent>
#include <QLineEdit>

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

bool TypedUpperCase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress || m_edit->isReadOnly())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    if (!undo && !key->matches(QKeySequence::Redo)) return false;
    m_restoring = true;
    undo ? m_edit->undo() : m_edit->redo();
    m_restoring = false;
    return true;
}
