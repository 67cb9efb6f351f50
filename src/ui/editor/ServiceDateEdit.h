#pragma once

#include <QDate>
#include <QDateEdit>

#include <array>
#include <optional>

// The editor's date box, "dd/MM/yy". A date typed whole, from the day on, is the date typed:
// Qt's box alone cuts a day its month of the moment lacks (29, 30, 31) before the month and the
// year are typed ("310326" typed over April gave 30/03/26). A year typed on two digits takes
// the century a driver means (ServiceDate::yearOfTwoDigits), not the one shown. A click on the
// box's frame does not step the date, as it does in Qt's box that opens a calendar.
class ServiceDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit ServiceDateEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    StepEnabled stepEnabled() const override;

private:
    // The keys typed since a section's first digit: the date as it was, and each part typed.
    struct Run {
        QDate before;
        int part = 0; // 0 day, 1 month, 2 year
        QString digits;
        std::array<std::optional<int>, 3> typed;
    };

    bool atPartStart() const;
    void takePart(Run &run);
    std::optional<Run> m_run;
    bool m_clicked = false;
};
