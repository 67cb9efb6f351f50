#include "ui/CodePageInput.h"

#include "core/base/Cp1252.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace CodePageInput
{

// Each character gives one, so the cursor keeps its place.
void watch(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] {
        const QString text = edit->text();
        if (Cp1252::holds(text)) return;
        const int cursor = edit->cursorPosition();
        edit->setText(Cp1252::held(text));
        edit->setCursorPosition(cursor);
    });
}

void watch(QPlainTextEdit *edit)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        const QString text = edit->toPlainText();
        if (Cp1252::holds(text)) return;
        const int cursor = edit->textCursor().position();
        edit->setPlainText(Cp1252::held(text));
        QTextCursor moved = edit->textCursor();
        moved.setPosition(cursor);
        edit->setTextCursor(moved);
    });
}

} // namespace CodePageInput
