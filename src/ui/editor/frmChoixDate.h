#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCalendarWidget;

// "CHOIX DE LA DATE": a month calendar on which one click (or Enter on the day the arrows
// reached) gives the service date of an opened generic day.
class frmChoixDate : public QDialog
{
    Q_OBJECT
public:
    explicit frmChoixDate(const QDate &current, QWidget *parent = nullptr);

    QCalendarWidget *calendar() const { return m_calendar; }
    QDate chosenDate() const { return m_chosen; }

    // Opens the window modally; nullopt when it is closed without choosing a date.
    static std::optional<QDate> choose(const QDate &current, QWidget *parent);

private:
    QCalendarWidget *m_calendar;
    QDate m_chosen;
};
