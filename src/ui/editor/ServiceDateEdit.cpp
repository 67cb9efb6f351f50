#include "ui/editor/ServiceDateEdit.h"

#include "core/model/ServiceDate.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace
{

// Where each part of "dd/MM/yy" starts in the box's text.
constexpr std::array<int, 3> PartStart = {0, 3, 6};

int partOf(QDateTimeEdit::Section section)
{
    switch (section) {
    case QDateTimeEdit::DaySection:
        return 0;
    case QDateTimeEdit::MonthSection:
        return 1;
    case QDateTimeEdit::YearSection:
        return 2;
    default:
        return -1;
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
    setFocusPolicy(Qt::StrongFocus); // not taken by the wheel
}

bool ServiceDateEdit::atPartStart() const
{
    const int part = partOf(currentSection());
    if (part < 0) return false;
    const QLineEdit *line = lineEdit();
    return line->hasSelectedText() ? line->selectionStart() == PartStart[size_t(part)]
                                   : line->cursorPosition() == PartStart[size_t(part)];
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
    if (!m_run && digit && atPartStart()) {
        const int part = partOf(currentSection());
        m_run = Run{date(), part, part, {}, {}};
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
    run.digits += c;
    const int value = run.digits.toInt();
    switch (run.part) {
    case 0: // a day of 4 or more takes one digit
    case 1: // a month of 2 or more too
        if (run.digits.size() == 2 || value > (run.part == 0 ? 3 : 1))
            closePart(run);
        else
            run.typed[size_t(run.part)] = value;
        break;
    default: // the year on one or two digits, or on four
        if (run.digits.size() <= 2)
            run.typed[2] = ServiceDate::yearOfTwoDigits(value, QDate::currentDate().year());
        else if (run.digits.size() == 4)
            run.typed[2] = value;
        break;
    }
    showRun();
    if (run.part == 2 && run.digits.size() == 4) m_run.reset();
    return true;
}

void ServiceDateEdit::closePart(Run &run)
{
    run.typed[size_t(run.part)] = run.digits.toInt();
    run.digits.clear();
    ++run.part;
}

// The date of the parts typed, the others as they were; a day its month lacks shows as the
// month's last one until the month or the year that has it is typed.
void ServiceDateEdit::showRun()
{
    const Run &run = *m_run;
    const int year = run.typed[2].value_or(run.before.year());
    const int month = run.typed[1].value_or(run.before.month());
    const int day = run.typed[0].value_or(run.before.day());
    QDate shown(year, month, 1);
    if (shown.isValid() && day >= 1) shown = shown.addDays(qMin(day, shown.daysInMonth()) - 1);
    if (shown.isValid() && shown >= minimumDate() && shown != date()) setDate(shown);
    setSelectedSection(run.part == 0   ? QDateTimeEdit::DaySection
                       : run.part == 1 ? QDateTimeEdit::MonthSection
                                       : QDateTimeEdit::YearSection);
}

void ServiceDateEdit::focusInEvent(QFocusEvent *event)
{
    m_run.reset();
    QDateEdit::focusInEvent(event);
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
