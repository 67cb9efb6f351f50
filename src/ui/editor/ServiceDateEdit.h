#pragma once

#include <QDate>
#include <QDateEdit>

#include <array>
#include <optional>

// The editor's date box, "dd/MM/yy". A date typed is the date typed: Qt's box alone cuts a day
// its month of the moment lacks (29, 30, 31) before the month and the year come ("3112" typed
// over April gave 30/12), sends the month to the year after "01/", and keeps the century shown.
// Here digits typed in a part type it from its start, the parts typed in a row make the date as
// soon as they make one, a year on two digits
// takes the century a driver means (ServiceDate::yearOfTwoDigits) and a year on four digits is
// taken whole. Backspace goes back through the digits typed, Left and Right go from part to part,
// a double click selects the part under the mouse, and a part left empty comes back as it was.
// F4, Alt+Down and Alt+Up open the calendar. A paste is typed, key after key.
// The wheel acts on the box only once it has the keyboard, and a click on its frame does not
// step the date.
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
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    StepEnabled stepEnabled() const override;
    void fixup(QString &input) const override;

private:
    // The keys typed in a row from a part on: the date as it was, the part being
    // typed (0 day, 1 month, 2 year), its digits so far, and the parts done.
    struct Run {
        QDate before;
        QDate shown; // the date the run last showed
        int day = 0; // the day meant, if no day is typed
        int first = 0;
        int part = 0; // 3 once a four-digit year is typed
        QString digits;
        std::array<std::optional<int>, 3> typed;
        std::array<QString, 3> done; // the digits of the parts done
    };
    // A day typed that the month shown lacks, and the date shown for it.
    struct WantedDay {
        int day = 0;
        QDate shown;
    };

    // Opens the calendar under the box, as a click on its arrow does.
    void openCalendar();
    void typePasted(const QString &pasted);
    // The part the cursor (or the selection) stands in.
    int partAtCursor() const;
    void selectPart(int part);
    bool typeInRun(QChar c);
    bool eraseInRun();
    static void closePart(Run &run);
    static void takeDigits(Run &run);
    void showRun();
    std::optional<Run> m_run;
    std::optional<WantedDay> m_wantedDay;
    bool m_clicked = false;
};
