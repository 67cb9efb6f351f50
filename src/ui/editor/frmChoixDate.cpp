#include "ui/editor/frmChoixDate.h"

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
