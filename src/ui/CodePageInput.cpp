#include "ui/CodePageInput.h"

#include "core/base/Cp1252.h"
#include "core/editor/EditRules.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace CodePageInput
{

namespace
{

// What a box of one line keeps of a text: one line in the code page, a line break or a tab a
// blank, as the files hold it (the box shows a break as a blank, the printer joins the words).
QString lineHeld(const QString &text)
{
    return EditRules::storable(text);
}

// Where a place in `text` stands once the text is turned: a character outside the code page
// written as two (a surrogate pair) becomes one "?", a CR LF one blank.
int heldPosition(const QString &text, int position)
{
    return int(lineHeld(text.left(position)).size());
}

// Keys and composed text bring their text already turned. A paste is left to the box, an undo
// step of its own, unless a line edit would receive what must be turned: turned afterwards, its
// whole text would be set again, and its undo history lost. What comes another way (the context
// menu's paste, a drop) is turned once it is in.
class Watcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Paste)) return pasteIntoLine(watched);
            const QString text = turnedText(watched, key->text());
            if (text == key->text()) return false;
            QKeyEvent turned(QEvent::KeyPress, key->key(), key->modifiers(), text,
                             key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(watched, &turned);
            return true;
        }
        case QEvent::InputMethod: {
            auto *input = static_cast<QInputMethodEvent *>(event);
            const QString text = turnedText(watched, input->commitString());
            if (text == input->commitString()) return false;
            QInputMethodEvent turned(input->preeditString(), input->attributes());
            turned.setCommitString(text, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(watched, &turned);
            return true;
        }
        default:
            return false;
        }
    }

private:
    // A line edit takes what a paste into it keeps (an invisible character goes); the code
    // (Enter, Backspace, Escape) of a key that types no character is left to it.
    static QString turnedText(QObject *watched, const QString &text)
    {
        const bool typed =
            !text.isEmpty() && QChar::category(text.toUcs4().constFirst()) != QChar::Other_Control;
        return typed && qobject_cast<QLineEdit *>(watched) ? lineHeld(text) : Cp1252::held(text);
    }

    static bool pasteIntoLine(QObject *watched)
    {
        auto *line = qobject_cast<QLineEdit *>(watched);
        const QString text = QGuiApplication::clipboard()->text();
        if (!line || line->isReadOnly() || lineHeld(text) == text) return false;
        // A paste is an undo step of its own, as the box's own paste makes it: moving the cursor
        // closes the step of what was typed before.
        const bool selected = line->hasSelectedText();
        const int start = selected ? line->selectionStart() : line->cursorPosition();
        const int length = selected ? int(line->selectedText().size()) : 0;
        if (!line->text().isEmpty()) {
            line->setCursorPosition(start > 0 ? start - 1 : start + 1);
            line->setSelection(start, length);
        }
        line->insert(lineHeld(text));
        return true;
    }
};

} // namespace

void watch(QLineEdit *edit)
{
    edit->installEventFilter(new Watcher(edit));
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] {
        const QString text = edit->text();
        const QString held = lineHeld(text);
        if (held == text) return;
        const int cursor = heldPosition(text, edit->cursorPosition());
        edit->setText(held);
        edit->setCursorPosition(cursor);
    });
}

void watch(QPlainTextEdit *edit)
{
    edit->installEventFilter(new Watcher(edit));
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        QTextDocument *document = edit->document();
        const QString whole = document->toPlainText();
        if (Cp1252::holds(whole) && !whole.contains(u'\t')) return;
        // Each character the code page lacks is replaced where it stands, in the same step of
        // the undo history as the edit that brought it: the rest of the text, the cursor and the
        // view stay as they are, and Undo takes the whole edit back. A pasted tab, which no key
        // types here, is a blank: the lines break at blanks on paper.
        QTextCursor replace(document);
        replace.joinPreviousEditBlock();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            for (int i = int(text.size()) - 1; i >= 0; --i) {
                const bool pair =
                    text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate();
                const int from = pair ? i - 1 : i;
                const bool tab = text[i] == u'\t';
                if (!tab && Cp1252::holds(QStringView(text).mid(from, i - from + 1))) continue;
                replace.setPosition(block.position() + from);
                replace.setPosition(block.position() + i + 1, QTextCursor::KeepAnchor);
                replace.insertText(tab ? QStringLiteral(" ") : QStringLiteral("?"));
                i = from;
            }
        }
        replace.endEditBlock();
    });
}

} // namespace CodePageInput
