#pragma once

#include "core/model/SlotTable.h"

#include <QObject>
#include <QSet>

class BulletinCanvas;
class QDateEdit;
class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class SlotComboBox;
struct AppState;

// The editing of the bulletin on screen: the text control and the list control laid over the
// current slot's box, what typing and clicking do to the record, the navigation keys, the
// tabulation mode and the frame erase and restore. The editor window owns the widgets.
class BulletinEditing : public QObject
{
    Q_OBJECT
public:
    BulletinEditing(AppState &state, BulletinCanvas *canvas, QLineEdit *text, SlotComboBox *list,
                    QDateEdit *date, QLabel *mention, QObject *parent = nullptr);

    // Holds the record to its display limits, recomputes TotalKm and redraws.
    void refresh();
    // Puts the control that serves the current slot over its box, with the slot's value.
    void placeEditControl();
    // Gives the keyboard back to the control standing on the current slot, its text as it is.
    void focusEditControl();
    // Moves and sizes the shown control after the form's scale changed, its text untouched.
    void followCanvas();
    void setCurrentSlot(int slot);
    void clearEditControls();
    void hideEditControls();
    void showServiceDate(const QDate &date);
    // The text the driver left in the box of `slot`, as the list control over it shows it: an
    // engine keeps there the text typed or chosen while the record holds it normalised. The
    // record's value when no list control stands over that box.
    QString textLeftIn(int slot) const;
    // An item just learnt from the box of `slot` joins the list control's items when they are
    // that box's list.
    void addLearntItem(int slot, const QString &item);

    bool engineTabMode() const;
    void toggleTabMode();

    void eraseFrame(SlotTable::Frame frame);
    void restoreFrame(SlotTable::Frame frame);

signals:
    // The driver changed a train number (the automatismes look it up).
    void trainNumberTyped(int slot);
    // The driver changed an engine slot (the engine rules of its line run).
    void engineChanged(int slot);
    // A function key in the text control (listControl false) or the list control.
    void functionKeyPressed(int key, Qt::KeyboardModifiers modifiers, bool listControl);
    void tabModeChanged(bool engines);
    // The current slot moved away from `slot` (the driver left its box); the record already
    // names the new current slot.
    void slotLeft(int slot);
    // The list file of a drop-down is there but cannot be read (told once a run per file).
    void listUnreadable(const QString &error);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSet<QString> m_toldUnreadable;
    bool composedText(QObject *target, QInputMethodEvent *event);
    // Text brought in at once (a paste) goes into the control of `target` as typed, one
    // character after the other, through the rules of the slot.
    void typeBroughtText(QObject *target, const QString &brought);
    // Whether the list control, placed over the engine slot `slot`, shows a text whose normal
    // form is the slot's value.
    bool boxSaysRecord(int slot) const;
    bool commandKey(QKeyEvent *event, bool fromList);
    bool textKeyPress(QKeyEvent *event);
    bool listKeyPress(QKeyEvent *event);
    bool navigationKey(int key);
    void moveTo(int slot);
    void forwardKey(QObject *target, QKeyEvent *event, const QString &text);
    void clearMention();
    void userEdited(const QString &text);
    void boxPressed(int slot);
    void boxDoubleClicked(int slot);
    void toggleMark(int slot);
    void fillList();
    void dateChosen();
    void syncControl();
    void setFocusColour(QWidget *widget, bool focused);
    QRect textControlRect(int slot) const;

    AppState &m_state;
    BulletinCanvas *m_canvas;
    QLineEdit *m_text;
    SlotComboBox *m_list;
    QLineEdit *m_listEdit = nullptr; // the list control's own line edit
    QDateEdit *m_date;
    QLabel *m_mention;
    bool m_forwarding = false;  // a key event re-sent with its transformed text
    bool m_placingDate = false; // the date picker set from code
    bool m_bringing = false;    // a pasted or dropped text going in, character by character
    int m_typedSlot = -1;       // the slot whose control the driver is typing in
    int m_placedSlot = -1;      // the slot the shown control was placed over
    QString m_listItemsFile;    // the list file the list control's items were read from
};
