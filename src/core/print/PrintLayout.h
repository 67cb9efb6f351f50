#pragma once

#include "core/model/PrintItems.h"

#include <QString>

#include <array>

// The print layout in memory: ParaImpX and ParaImpY, millimetres on the A4 landscape form, held
// as text so that the file reads back exactly as it was written.
struct PrintLayout {
    std::array<QString, PrintItems::Count> ParaImpX;
    std::array<QString, PrintItems::Count> ParaImpY;
    // The tables hold a layout once the name's X is there: until then, every print and every
    // calibration window reads ParametresImp.txt again (it may have been unreadable, or put in
    // place by hand, since the last try).
    bool isLoaded() const { return !ParaImpX[1].isEmpty(); }
    // ParametresImp.txt as it was when the tables were last read from it (its size and times);
    // empty while they were not. Tells a file replaced since by another program.
    QString fileStamp;

    // Values as numbers (leading-number parse; empty or not a number reads 0).
    double x(int item) const;
    double y(int item) const;

    // Recto factory values: X and Y of items 0..73 and 95, X of 53..55 set to 0.
    void DefautParaImp();
    // Verso factory values: X of 74..91, 93, 94, 96..102; Y of 74..91, 93..102.
    void DefautParaImpVerso();

    // Same values in both tables, loaded or not.
    bool operator==(const PrintLayout &other) const
    {
        return ParaImpX == other.ParaImpX && ParaImpY == other.ParaImpY;
    }
};
