#pragma once

#include <QList>
#include <QString>

#include <array>

// What a Caraibe roster file holds, as the reader hands it on. Texts are those of the file,
// decoded from Windows-1252, so that they encode back to the same bytes.

// The header of a roster file: name, place and up to six periods of validity.
struct EnteteRoulement {
    static constexpr int MaxPeriods = 6;

    QString roster;                             // ROUL
    QString place;                              // LIEU
    std::array<QString, MaxPeriods> startDates; // DDA1..6 as DD/MM/YYYY, "" when absent
    std::array<QString, MaxPeriods> endDates;   // DFA1..6
    int periodCount = 0;                        // the k of the last DFAk line read
};

// One train of a roster day.
struct TrainCaraibe {
    QString number;
    QString start;
    QString end;
    QString from;
    QString to;
    QString km;
};

// Any other activity of a roster day: a kind (EV, TAX or the day's activity code) and its times.
struct AutreActivite {
    QString start;
    QString end;
    QString kind;
};

// One finished roster day, its steps sorted and sorted out into trains and other activities.
struct JourneeCaraibe {
    static constexpr int MaxSteps = 12;

    QString nujs; // day number followed by its period letter ("12A")
    QString hdjs, hfjs, ldjs, lfjs;
    QString coac; // the day's activity code
    QList<TrainCaraibe> trains;
    QList<AutreActivite> activities;
};
