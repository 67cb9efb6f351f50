#pragma once

#include <QString>
#include <QStringList>

// The texts of the back of the form, carried by the day file after the front.
struct VersoContent {
    static constexpr int DCount = 80;
    static constexpr int ECount = 16;
    static constexpr int ICount = 8;
    static constexpr int LCount = 30;

    QStringList txtD = emptyList(DCount);   // frame D
    QStringList txtE = emptyList(ECount);   // frame E
    QString txtNumTrainH;                   // frame H train numbers, several lines
    QString txtObsMecUP;                    // "UP.Résidence"
    QString txtObsMec;                      // driver's observations, several lines
    QStringList txtI = emptyList(ICount);   // frame I
    QString txtJ;                           // weather
    QStringList textL = emptyList(LCount);  // frame L regularity

    void clear() { *this = VersoContent(); }
    bool operator==(const VersoContent &) const = default;

    static QStringList emptyList(int n)
    {
        QStringList l;
        l.reserve(n);
        for (int i = 0; i < n; ++i)
            l << QString();
        return l;
    }
};
