#include "ui/editor/RosterListBox.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/folders/RosterFolderList.h"
#include "ui/LeftClickFocus.h"
#include "ui/PaperColours.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QWheelEvent>

RosterListBox::RosterListBox(AppState &state, QWidget *parent) : QComboBox(parent), m_state(state)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setReadOnly(true);
    // Not taken by the wheel, nor by the right button.
    focusOnLeftClickOnly(this, lineEdit());
    connect(this, &QComboBox::activated, this, &RosterListBox::choose);
}

void RosterListBox::showPopup()
{
    const QString shown = currentText();
    if (count() == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        addItems(RosterFolderList::read(m_state.config.dataFolder()));
        QApplication::restoreOverrideCursor();
    }
    // The drop-down opens on the folder the box shows, which an opened day or the folder window
    // may have changed since the last choice in the list; on none when it is of no line.
    const int shownAt = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(shownAt);
    if (shownAt < 0) setEditText(shown);
    // The drop-down is as wide as its longest folder, as far as the screen allows: folders kept
    // side by side differ at the end of their path, which a list as narrow as the box would cut.
    const int widest = view()->sizeHintForColumn(0) + 2 * view()->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QScreen *where = screen();
    view()->setMinimumWidth(where ? qMin(widest, where->availableGeometry().width()) : widest);
    QComboBox::showPopup();
}

void RosterListBox::showFolder(const QString &folder) { setEditText(folder); }

void RosterListBox::forgetItems()
{
    const QString shown = currentText();
    clear();
    setEditText(shown);
}

bool RosterListBox::event(QEvent *event)
{
    // Tab would leave through the focus chain; like any other key it goes back to the bulletin.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            emit keyPressed();
            return true;
        }
    }
    return QComboBox::event(event);
}

void RosterListBox::keyPressEvent(QKeyEvent *event)
{
    // A modifier alone types nothing: Alt on its own still opens the menu bar.
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        event->ignore();
        return;
    default:
        break;
    }
    event->accept();
    emit keyPressed();
}

void RosterListBox::focusInEvent(QFocusEvent *event)
{
    setBackground(QColor(255, 255, 0));
    QComboBox::focusInEvent(event);
}

void RosterListBox::focusOutEvent(QFocusEvent *event)
{
    // Opening its own drop-down or leaving the program's window is not leaving the list.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return QComboBox::focusOutEvent(event);
    setBackground(Qt::white);
    // Whatever the list shows becomes the generic folder, even an empty text.
    setCurrentGenericFolder(currentText());
    QComboBox::focusOutEvent(event);
}

void RosterListBox::wheelEvent(QWheelEvent *event)
{
    // A wheel turned over the list on the way elsewhere leaves the generic folder alone, and the
    // keyboard in the bulletin.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void RosterListBox::choose(int index)
{
    const QString chosen = itemText(index);
    if (RosterFolderList::read(m_state.config.dataFolder()).contains(chosen))
        setCurrentGenericFolder(chosen);
}

void RosterListBox::setCurrentGenericFolder(const QString &folder)
{
    m_state.config.hdGenerique = folder;
    // A folder opened from, whose path the 8-bit settings cannot hold, serves this run only:
    // stored, it would come back with "?" in place of its letters, a folder that is nowhere.
    if (Paths::storable(folder))
        m_state.config.write(ConfigKeys::CheminDossiers, ConfigKeys::Hdgenerique, folder);
}

void RosterListBox::setBackground(const QColor &colour)
{
    PaperColours::light(lineEdit(), colour);
    PaperColours::light(this, colour);
}
