#include "core/print/PrintLayout.h"

#include "core/base/NumberText.h"

namespace {

QString factory(const char *value) { return value ? QString::fromLatin1(value) : QString(); }

} // namespace

double PrintLayout::x(int item) const
{
    return (item >= 0 && item < PrintItems::Count) ? NumberText::leadingNumber(ParaImpX[item]) : 0;
}

double PrintLayout::y(int item) const
{
    return (item >= 0 && item < PrintItems::Count) ? NumberText::leadingNumber(ParaImpY[item]) : 0;
}

void PrintLayout::DefautParaImp()
{
    for (int i = 0; i <= 73; ++i) {
        ParaImpX[i] = factory(PrintItems::item(i).defaultX);
        ParaImpY[i] = factory(PrintItems::item(i).defaultY);
    }
    for (int i : {PrintItems::CharPitch, PrintItems::RowPitchB2, PrintItems::LinePitchC})
        ParaImpX[i] = QStringLiteral("0");
    ParaImpX[PrintItems::RectoCentring] = factory(PrintItems::item(PrintItems::RectoCentring).defaultX);
    ParaImpY[PrintItems::RectoCentring] = factory(PrintItems::item(PrintItems::RectoCentring).defaultY);
}

void PrintLayout::DefautParaImpVerso()
{
    for (int i = 74; i < PrintItems::Count; ++i) {
        if (i == PrintItems::ScreenCalibration)
            continue;
        if (i != PrintItems::RectoCentring)
            ParaImpX[i] = factory(PrintItems::item(i).defaultX);
        // The verso defaults also put the recto's vertical centring back to 0.
        ParaImpY[i] = factory(PrintItems::item(i).defaultY);
    }
}
