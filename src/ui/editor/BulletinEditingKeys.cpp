// The editing controls' keyboard: which keys move the control, which run commands, and how a
// key or a composed text goes through the rules of the slot it is typed in.
#include "ui/editor/BulletinEditing.h"

#include "core/AppState.h"
#include "core/base/Cp1252.h"
#include "core/editor/EditRules.h"
#include "core/editor/SlotNavigation.h"
#include "ui/NarrowToFit.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/SlotComboBox.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

using EditRules::Control;

namespace
{

// Whether a key's text is a character rather than a control code (Backspace, Tab, Enter,
// Escape, Delete send one). One written as two (an emoji) is one character, and an invisible one
// (a joiner) is typed too: the slot's rules make of it what the files can hold.
bool typesCharacter(const QString &t)
{
    return !t.isEmpty() && QChar::category(t.toUcs4().constFirst()) != QChar::Other_Control;
}

bool isCharacter(const QKeyEvent *event)
{
    return typesCharacter(event->text()) &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Alt with a character key is a menu's letter, never text: the line edit would write the letter
// (in lower case) into the slot. AltGr, which also reports Ctrl where it reports Alt, types.
bool isAltLetter(const QKeyEvent *event)
{
    return typesCharacter(event->text()) && (event->modifiers() & Qt::AltModifier) &&
           !(event->modifiers() & Qt::ControlModifier);
}

bool isBackspace(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Backspace;
}

// A key that yields a character code: the typed characters, Backspace, Tab, Enter, Escape and
// Ctrl with a character key (paste, cut, ...). The keys that only move (arrows, Page Up and
// Down) and the function keys yield none.
bool isKeyPress(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    const Qt::KeyboardModifiers m = event->modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier))
        return event->key() >= Qt::Key_Space && event->key() <= Qt::Key_ydiaeresis;
    return isCharacter(event);
}
} // namespace

bool BulletinEditing::eventFilter(QObject *watched, QEvent *event)
{
    // A control moved to a box of another width fits its text again.
    if ((watched == m_text || watched == m_listEdit) && event->type() == QEvent::Resize)
        narrowToFit(static_cast<QLineEdit *>(watched), m_canvas->textFont());
    if (m_forwarding) return false;
    // Compared, never called: the line edit also reports while the list control is destroyed.
    if ((watched == m_text || watched == m_listEdit) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton) {
        if (event->type() == QEvent::MouseButtonRelease)
            typeBroughtText(watched == m_text ? static_cast<QObject *>(m_text) : m_list,
                            QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    if (watched == m_listEdit) return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_text) return textKeyPress(key);
        if (watched == m_list) return listKeyPress(key);
        if (watched == m_date) {
            // Out of the date place the keys go on into the bulletin.
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Return ||
                key->key() == Qt::Key_Enter || key->key() == Qt::Key_PageDown)
                return navigationKey(Qt::Key_Tab);
            if (key->key() == Qt::Key_Backtab || key->key() == Qt::Key_PageUp)
                return navigationKey(Qt::Key_PageUp);
        }
        return false;
    }
    case QEvent::InputMethod:
        if (watched == m_text) return composedText(m_text, static_cast<QInputMethodEvent *>(event));
        if (watched == m_list) return composedText(m_list, static_cast<QInputMethodEvent *>(event));
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (watched == m_date && event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason) {
            // The date picker is the date place: the edit controls step aside.
            moveTo(SlotTable::DateSlot);
            hideEditControls();
        }
        if (watched == m_text || watched == m_list)
            setFocusColour(static_cast<QWidget *>(watched), event->type() == QEvent::FocusIn);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A click on the control standing over a mark toggles it, a double-click once more.
        if (watched == m_text && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
            EditRules::togglesOnClick(m_state.record.currentSlot()))
            toggleMark(m_state.record.currentSlot());
        return false;
    default:
        return false;
    }
}

bool BulletinEditing::navigationKey(int key)
{
    const int slot = m_state.record.currentSlot();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down:
        setCurrentSlot(m_state.engineTabMode && SlotNavigation::isLineEngineSlot(slot)
                           ? SlotNavigation::nextEngineSlot(slot)
                           : SlotNavigation::nextSlot(slot));
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_Up:
        setCurrentSlot(SlotNavigation::previousSlot(slot));
        return true;
    default:
        return false;
    }
}

void BulletinEditing::forwardKey(QObject *target, QKeyEvent *event, const QString &text)
{
    // A Backspace the rules turned into a character reaches the control as that character
    // alone, so that it inserts instead of deleting.
    const bool replaced = isBackspace(event) && text != event->text();
    QKeyEvent copy(event->type(), replaced ? int(Qt::Key_unknown) : event->key(),
                   replaced ? Qt::NoModifier : event->modifiers(), text, event->isAutoRepeat(),
                   ushort(event->count()));
    m_forwarding = true;
    QCoreApplication::sendEvent(target, &copy);
    m_forwarding = false;
}

bool BulletinEditing::composedText(QObject *target, QInputMethodEvent *event)
{
    // A pending text (a dead key waiting for its letter) only shows in the control; the record
    // does not change. Over a selected text it is not shown: the control would take the
    // selection out for it, which is for the letter to do once it comes.
    const QString committed = EditRules::storable(event->commitString());
    if (committed.isEmpty() && event->replacementLength() == 0) {
        const QLineEdit *edit = target == m_text ? m_text : m_list->lineEdit();
        return edit->hasSelectedText();
    }
    // The control drops the pending text, and what the input method replaces...
    QInputMethodEvent dropped;
    dropped.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    m_forwarding = true;
    QCoreApplication::sendEvent(target, &dropped);
    m_forwarding = false;
    // ...then the letters come one after the other, as typed keys, through the rules of the
    // slot.
    for (qsizetype i = 0; i < committed.size(); ++i) {
        const qsizetype n = committed.at(i).isHighSurrogate() && i + 1 < committed.size() ? 2 : 1;
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, committed.mid(i, n));
        i += n - 1;
        QCoreApplication::sendEvent(target, &key);
    }
    // A new pending text that comes with the committed one.
    if (!event->preeditString().isEmpty()) {
        QInputMethodEvent pending(event->preeditString(), event->attributes());
        m_forwarding = true;
        QCoreApplication::sendEvent(target, &pending);
        m_forwarding = false;
    }
    return true;
}

// Navigation and function keys act the same from both controls, whatever the modifiers held
// (Ctrl+Down moves as Down does; Shift+Tab comes as Backtab).
bool BulletinEditing::commandKey(QKeyEvent *event, bool fromList)
{
    if (navigationKey(event->key())) return true;
    if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F12) {
        emit functionKeyPressed(event->key(), event->modifiers(), fromList);
        return true;
    }
    return false;
}

bool BulletinEditing::textKeyPress(QKeyEvent *event)
{
    const int slot = m_state.record.currentSlot();
    if (slot == SlotTable::JourneeSlot && isKeyPress(event)) clearMention();
    if (commandKey(event, false) || isAltLetter(event)) return true;
    if (event->matches(QKeySequence::Paste)) {
        typeBroughtText(m_text, QGuiApplication::clipboard()->text());
        return true;
    }
    // Backspace goes through the same rules as a character.
    if (!isCharacter(event) && !isBackspace(event)) return false;
    const QString prefix = m_state.config.options.prefixTrain;
    if (EditRules::prefixFirst(slot, m_text->text(), prefix)) {
        m_text->setText(prefix);
        userEdited(prefix);
    }
    const QString typed = EditRules::typedText(slot, event->text());
    forwardKey(m_text, event, isBackspace(event) ? typed : EditRules::storable(typed));
    return true;
}

bool BulletinEditing::listKeyPress(QKeyEvent *event)
{
    // F4 opens the list, as in the list boxes of old.
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) {
        m_list->showPopup();
        return true;
    }
    if (commandKey(event, true) || isAltLetter(event)) return true;
    if (event->matches(QKeySequence::Paste)) {
        typeBroughtText(m_list, QGuiApplication::clipboard()->text());
        return true;
    }
    const int slot = m_state.record.currentSlot();
    const bool backspace = isBackspace(event);
    if ((isCharacter(event) || backspace) &&
        EditRules::listKeyRefused(slot, m_state.record.slot(slot),
                                  m_list->lineEdit()->hasSelectedText(), backspace))
        return true;
    if (!isCharacter(event)) return false;
    forwardKey(m_list, event, EditRules::storable(Cp1252::toUpper(event->text())));
    return true;
}

void BulletinEditing::typeBroughtText(QObject *target, const QString &brought)
{
    QString text = EditRules::storable(brought);
    // A mark takes one "x" for a paste, as for one key.
    if (SlotTable::isTypedMark(m_state.record.currentSlot())) text.truncate(1);
    // The text goes in by the typing rules, one character after the other, but it is one change:
    // a train number looks for its automatisme once, with the whole number.
    const int slot = m_state.record.currentSlot();
    // The train prefix goes in first, as for a key, and is a change of its own: the template
    // stored under the prefix fills the line before the whole number is looked up.
    const QString prefix = m_state.config.options.prefixTrain;
    if (target == m_text && !text.isEmpty() &&
        EditRules::prefixFirst(slot, m_text->text(), prefix)) {
        m_text->setText(prefix);
        userEdited(prefix);
    }
    const QString before = m_state.record.slot(slot);
    m_bringing = true;
    for (QChar c : std::as_const(text)) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        if (target == m_text)
            textKeyPress(&key);
        else
            listKeyPress(&key);
    }
    m_bringing = false;
    if (SlotTable::isTrainNumber(slot) && m_state.record.slot(slot) != before) {
        emit trainNumberTyped(slot);
        // The line filled from the automatisme is shown, as after a key.
        m_typedSlot = slot;
        refresh();
        m_typedSlot = -1;
    }
}
