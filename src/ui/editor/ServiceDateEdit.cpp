#include "ui/editor/ServiceDateEdit.h"

#include "core/model/ServiceDate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace
{

// Where each part of "dd/MM/yy" starts in the box's text.
constexpr std::array<int, 3> PartStart = {0, 3, 6};

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'.' || c == u'-' || c == u',' || c == u' ';
}

} // namespace

ServiceDateEdit::ServiceDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setMinimumDate(ServiceDate::earliest());
    setFocusPolicy(Qt::StrongFocus); // not taken by the wheel
}

int ServiceDateEdit::partStartingAtCursor() const
{
    const QLineEdit *line = lineEdit();
    const int at = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    for (int part = 0; part < 3; ++part)
        if (PartStart[size_t(part)] == at) return part;
    return -1;
}

void ServiceDateEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const QChar c = text.size() == 1 ? text.at(0) : QChar();
    const bool digit = c >= u'0' && c <= u'9';
    if (!digit && !isSeparator(c)) {
        m_run.reset();
        QDateEdit::keyPressEvent(event);
        return;
    }
    // A date set meanwhile by other means ends the run.
    if (m_run && m_run->shown != date()) m_run.reset();
    const int part = m_run ? -1 : partStartingAtCursor();
    if (digit && part >= 0) {
        // A day typed earlier that the month then shown lacked is still the day meant.
        const int day =
            m_wantedDay && m_wantedDay->shown == date() ? m_wantedDay->day : date().day();
        m_run = Run{date(), date(), day, part, part, {}, {}};
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
        if (!run.digits.isEmpty() && run.part < 2) closePart(run);
        showRun();
        return true;
    }
    if (run.part > 2) {
        QApplication::beep(); // a fifth digit of the year
        return true;
    }
    run.digits += c;
    const int value = run.digits.toInt();
    switch (run.part) {
    case 0: // a day of 4 or more takes one digit
    case 1: // a month of 2 or more too
        if (run.digits.size() == 2 || value > (run.part == 0 ? 3 : 1))
            closePart(run);
        else if (value > 0)
            run.typed[size_t(run.part)] = value;
        break;
    default: // the year on one or two digits, or on four
        if (run.digits.size() <= 2) {
            run.typed[2] = ServiceDate::yearOfTwoDigits(value, QDate::currentDate().year());
        } else if (run.digits.size() == 4) {
            if (value >= ServiceDate::earliest().year()) {
                run.typed[2] = value;
            } else {
                run.typed[2].reset(); // no such bulletin: the year stays as it was
                QApplication::beep();
            }
            run.part = 3;
        }
        break;
    }
    showRun();
    return true;
}

void ServiceDateEdit::closePart(Run &run)
{
    const int value = run.digits.toInt();
    const int last = run.part == 0 ? 31 : 12;
    if (value >= 1 && value <= last) {
        run.typed[size_t(run.part)] = value;
    } else {
        // No such day or month: the part stays as it was.
        run.typed[size_t(run.part)].reset();
        QApplication::beep();
    }
    run.digits.clear();
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
    setSelectedSection(run.part == 0   ? QDateTimeEdit::DaySection
                       : run.part == 1 ? QDateTimeEdit::MonthSection
                                       : QDateTimeEdit::YearSection);
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

void ServiceDateEdit::wheelEvent(QWheelEvent *event)
{
    // A wheel turned over the box on the way elsewhere leaves the date alone.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QDateEdit::wheelEvent(event);
}

QAbstractSpinBox::StepEnabled ServiceDateEdit::stepEnabled() const
{
    return m_clicked ? StepNone : QDateEdit::stepEnabled();
}
