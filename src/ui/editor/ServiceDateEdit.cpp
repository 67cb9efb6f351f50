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
}

bool ServiceDateEdit::atPartStart() const
{
    const int part = partOf(currentSection());
    if (part < 0) return false;
    const QLineEdit *line = lineEdit();
    return line->hasSelectedText() ? line->selectionStart() == PartStart[size_t(part)]
                                   : line->cursorPosition() == PartStart[size_t(part)];
}

void ServiceDateEdit::takePart(Run &run)
{
    run.typed[size_t(run.part)] = run.digits.toInt();
    run.digits.clear();
    ++run.part;
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
    if (!m_run && digit && atPartStart()) m_run = Run{date(), partOf(currentSection()), {}, {}};
    if (m_run) {
        Run &run = *m_run;
        if (digit) {
            run.digits += c;
            if (run.digits.size() == 2) takePart(run);
        } else if (!run.digits.isEmpty()) {
            takePart(run);
        }
    }
    // The box shows the keys as they come.
    QDateEdit::keyPressEvent(event);
    if (!m_run || m_run->part < 3) return;

    // The year typed ends the run: the date is the one typed, parts not typed as they were.
    const Run run = *m_run;
    m_run.reset();
    const QDate today = QDate::currentDate();
    const int year = ServiceDate::yearOfTwoDigits(*run.typed[2], today.year());
    const QDate typed(year, run.typed[1].value_or(run.before.month()),
                      run.typed[0].value_or(run.before.day()));
    if (typed.isValid() && typed >= minimumDate() && typed != date()) {
        setDate(typed);
        setSelectedSection(QDateTimeEdit::YearSection);
    }
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

QAbstractSpinBox::StepEnabled ServiceDateEdit::stepEnabled() const
{
    return m_clicked ? StepNone : QDateEdit::stepEnabled();
}
