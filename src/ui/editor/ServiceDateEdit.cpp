#include "ui/editor/ServiceDateEdit.h"

#include "core/model/ServiceDate.h"
#include "ui/LeftClickFocus.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace
{

// Where each part of "dd/MM/yy" starts in the box's text.
constexpr std::array<int, 3> PartStart = {0, 3, 6};

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_NumLock:
    case Qt::Key_CapsLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'.' || c == u'-' || c == u',' || c == u' ';
}

} // namespace

ServiceDateEdit::ServiceDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setMinimumDate(ServiceDate::earliest());
    // Right to left, Qt's box turns its parts round (yy/MM/dd), and the digits typed would go
    // into the wrong parts.
    setLayoutDirection(Qt::LeftToRight);
    // Not taken by the wheel, nor by the right button that opens the bulletin's menu.
    focusOnLeftClickOnly(this, lineEdit());
    // A right click opens the bulletin's menu, as over the other boxes; the box's own menu
    // pasted a date by Qt's rules.
    setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->installEventFilter(this);
}

void ServiceDateEdit::typePasted(const QString &pasted)
{
    // The characters of a paste are typed, one after the other, from the part the cursor
    // stands in: "31/12/99" is the date that these keys make.
    m_run.reset();
    for (const QChar c : pasted.trimmed()) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        keyPressEvent(&key);
    }
}

int ServiceDateEdit::partAtCursor() const
{
    const QLineEdit *line = lineEdit();
    const int at = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    return at < PartStart[1] ? 0 : at < PartStart[2] ? 1 : 2;
}

void ServiceDateEdit::selectPart(int part)
{
    setSelectedSection(part == 0   ? QDateTimeEdit::DaySection
                       : part == 1 ? QDateTimeEdit::MonthSection
                                   : QDateTimeEdit::YearSection);
}

void ServiceDateEdit::keyPressEvent(QKeyEvent *event)
{
    // A modifier pressed on its own (Shift for "/" on a French keyboard, Num Lock) is no key
    // typed: the run goes on.
    if (isModifierKey(event->key())) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    // F4, Alt+Down and Alt+Up open the calendar, as they open any drop-down: Qt's box has no
    // key for it, and Alt+Down stepped the day back instead.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (calendarPopup() && ((event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
                            ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
                             modifiers == Qt::AltModifier))) {
        m_run.reset();
        openCalendar();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        typePasted(QGuiApplication::clipboard()->text());
        return;
    }
    const QString text = event->text();
    const QChar c = text.size() == 1 ? text.at(0) : QChar();
    const bool digit = c >= u'0' && c <= u'9';
    // A date set meanwhile by other means, or the cursor moved to another part, ends the run.
    if (m_run && (m_run->shown != date() || partAtCursor() != qMin(m_run->part, 2))) m_run.reset();
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier && m_run &&
        eraseInRun())
        return;
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) &&
        event->modifiers() == Qt::NoModifier) {
        // Right in a run is the step to the next part, as a separator: after a part closed by
        // its digits, the next part is already there.
        if (event->key() == Qt::Key_Right && m_run && typeInRun(u'/')) return;
        m_run.reset();
        selectPart(qBound(0, partAtCursor() + (event->key() == Qt::Key_Right ? 1 : -1), 2));
        return;
    }
    if (!digit && !isSeparator(c)) {
        m_run.reset();
        QDateEdit::keyPressEvent(event);
        return;
    }
    // Digits typed anywhere in a part type it from its start.
    if (digit && !m_run) {
        const int part = partAtCursor();
        // A day typed earlier that the month then shown lacked is still the day meant.
        const int day =
            m_wantedDay && m_wantedDay->shown == date() ? m_wantedDay->day : date().day();
        m_run = Run{date(), date(), day, part, part, {}, {}, {}};
    }
    if (!m_run || !typeInRun(c)) QDateEdit::keyPressEvent(event);
}

// Takes the key into the run; false when the key ends the run and goes to the box.
bool ServiceDateEdit::typeInRun(QChar c)
{
    Run &run = *m_run;
    if (!c.isDigit()) {
        // A separator closes the part typed; after a part closed by its digits it is the one
        // the driver types between the parts, and does nothing more.
        if (run.digits.isEmpty() && run.part == run.first) {
            m_run.reset();
            return false;
        }
        if (run.part >= 2) {
            // A year typed ends the run: the next digits type the year again.
            if (!run.digits.isEmpty()) m_run.reset();
            return true;
        }
        if (!run.digits.isEmpty()) closePart(run);
        showRun();
        return true;
    }
    if (run.part > 2) {
        QApplication::beep(); // a fifth digit of the year
        return true;
    }
    run.digits += c;
    const int value = run.digits.toInt();
    if (run.part < 2 && (run.digits.size() == 2 || value > (run.part == 0 ? 3 : 1))) {
        closePart(run); // a day of 4 or more takes one digit, a month of 2 or more too
    } else {
        takeDigits(run);
        if (run.part == 2 && run.digits.size() == 4) {
            if (run.typed[2] != run.digits.toInt()) QApplication::beep();
            run.part = 3;
        }
    }
    showRun();
    return true;
}

// Backspace within the run: the last digit typed goes, back into the part before once the part
// typed is empty. False when the run has nothing left to take back.
bool ServiceDateEdit::eraseInRun()
{
    Run &run = *m_run;
    if (run.part == 3) run.part = 2;
    if (run.digits.isEmpty()) {
        if (run.part == run.first) {
            m_run.reset();
            return false;
        }
        --run.part;
        run.digits = run.done[size_t(run.part)];
    }
    run.digits.chop(1);
    takeDigits(run);
    showRun();
    return true;
}

// The value of the part typed so far: a day or month not yet one stays as it was; a year on
// one or two digits takes its century, on four it is whole, on three it waits for the fourth.
void ServiceDateEdit::takeDigits(Run &run)
{
    std::optional<int> &typed = run.typed[size_t(run.part)];
    const int value = run.digits.toInt();
    if (run.part < 2) {
        typed = value > 0 ? std::optional<int>(value) : std::nullopt;
        return;
    }
    const int current = ServiceDate::referenceYear(QDate::currentDate().year());
    const QString year = run.digits.size() == 3 ? run.digits.left(2) : run.digits;
    if (year.isEmpty())
        typed.reset();
    else if (year.size() <= 2)
        typed = ServiceDate::yearOfTwoDigits(year.toInt(), current);
    else if (value >= ServiceDate::earliest().year() && value <= ServiceDate::latestYear(current))
        typed = value;
    else // no bulletin's year ("2625": a year typed again): the two digits the box shows
        typed = ServiceDate::yearOfTwoDigits(value % 100, current);
}

void ServiceDateEdit::closePart(Run &run)
{
    const QString digits = run.digits;
    const int value = digits.toInt();
    run.digits.clear();
    const int last = run.part == 0 ? 31 : 12;
    if (value < 1 || value > last) {
        // No such day or month: the part stays as it was, and the next digits type it again.
        run.typed[size_t(run.part)].reset();
        QApplication::beep();
        return;
    }
    run.done[size_t(run.part)] = digits;
    run.typed[size_t(run.part)] = value;
    ++run.part;
}

// The date of the parts typed, the others as they were; a day its month lacks shows as the
// month's last one until the month or the year that has it is typed.
void ServiceDateEdit::showRun()
{
    Run &run = *m_run;
    const int year = run.typed[2].value_or(run.before.year());
    const int month = run.typed[1].value_or(run.before.month());
    const int day = run.typed[0].value_or(run.day);
    QDate shown(year, month, 1);
    if (!shown.isValid()) return;
    shown = shown.addDays(qMin(day, shown.daysInMonth()) - 1);
    if (shown < minimumDate()) return;
    if (shown != date()) setDate(shown);
    m_run->shown = shown;
    if (shown.day() != day)
        m_wantedDay = WantedDay{day, shown};
    else
        m_wantedDay.reset();
    selectPart(qMin(run.part, 2));
}

void ServiceDateEdit::focusInEvent(QFocusEvent *event)
{
    m_run.reset();
    QDateEdit::focusInEvent(event);
    // Back from the calendar: the day is selected, as when the keys come into the box, and the
    // digits typed next make a new date.
    if (event->reason() == Qt::PopupFocusReason) setSelectedSection(QDateTimeEdit::DaySection);
}

void ServiceDateEdit::focusOutEvent(QFocusEvent *event)
{
    m_run.reset();
    QDateEdit::focusOutEvent(event);
}

void ServiceDateEdit::mousePressEvent(QMouseEvent *event)
{
    m_run.reset();
    // Qt takes a click beside the arrow for one on a spin box's arrows.
    m_clicked = true;
    QDateEdit::mousePressEvent(event);
    m_clicked = false;
}

void ServiceDateEdit::openCalendar()
{
    // Qt opens the calendar on a press on the box's arrow only.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const QPointF at = arrow.center();
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    m_clicked = true;
    QDateEdit::mousePressEvent(&press);
    m_clicked = false;
}

void ServiceDateEdit::wheelEvent(QWheelEvent *event)
{
    // A wheel turned over the box on the way elsewhere leaves the date alone.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QDateEdit::wheelEvent(event);
}

bool ServiceDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    // A double click selects the part under the mouse (Qt's box took the month for a word
    // reaching to the year).
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        m_run.reset();
        const auto *click = static_cast<QMouseEvent *>(event);
        const int at = lineEdit()->cursorPositionAt(click->position().toPoint());
        selectPart(at <= PartStart[1] - 1 ? 0 : at <= PartStart[2] - 1 ? 1 : 2);
        return true;
    }
    // The middle button's paste of the selection is typed as a paste is.
    if (watched == lineEdit() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton) {
        if (event->type() == QEvent::MouseButtonRelease)
            typePasted(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    return QDateEdit::eventFilter(watched, event);
}

void ServiceDateEdit::fixup(QString &input) const
{
    // A part left empty or half typed: the date as it was ("05/04/" gave the year 2000).
    if (!QDate::fromString(input, displayFormat()).isValid()) {
        input = date().toString(displayFormat());
        return;
    }
    QDateEdit::fixup(input);
}

QAbstractSpinBox::StepEnabled ServiceDateEdit::stepEnabled() const
{
    return m_clicked ? StepNone : QDateEdit::stepEnabled();
}
