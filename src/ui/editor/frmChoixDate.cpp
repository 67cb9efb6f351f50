#include "ui/editor/frmChoixDate.h"

#include "core/model/ServiceDate.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QVBoxLayout>

frmChoixDate::frmChoixDate(const QDate &current, QWidget *parent)
    : QDialog(parent), m_calendar(new QCalendarWidget(this))
{
    setWindowTitle(QStringLiteral("CHOIX DE LA DATE"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("CLIQUEZ SUR LA DATE "), this));
    // No day before the first a day file may carry: a year typed "26" in the calendar's year
    // box was the year 26, saved as an archive that no reader would open again.
    m_calendar->setMinimumDate(ServiceDate::earliest());
    m_calendar->setSelectedDate(current.isValid() ? current : QDate::currentDate());
    layout->addWidget(m_calendar);
    // A click on a day, or Enter on the day the arrows reached.
    const auto chosen = [this](QDate date) {
        m_chosen = date;
        accept();
    };
    connect(m_calendar, &QCalendarWidget::clicked, this, chosen);
    connect(m_calendar, &QCalendarWidget::activated, this, chosen);
}

std::optional<QDate> frmChoixDate::choose(const QDate &current, QWidget *parent)
{
    frmChoixDate window(current, parent);
    if (window.exec() != QDialog::Accepted || !window.chosenDate().isValid())
        return std::nullopt;
    return window.chosenDate();
}
