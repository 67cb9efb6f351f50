#include "ui/EnterPressesButtons.h"

#include <QKeyEvent>
#include <QPushButton>

bool EnterPressesButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto *button = qobject_cast<QPushButton *>(watched);
    // A default button, or one that becomes it with the focus, is pressed by Qt itself.
    if (!button || !button->hasFocus() || !button->isEnabled() || button->autoDefault() ||
        button->isDefault())
        return false;
    button->animateClick();
    return true;
}
