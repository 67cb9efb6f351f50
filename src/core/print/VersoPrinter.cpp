#include "core/print/VersoPrinter.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/model/PrintItems.h"
#include "core/print/Page.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrinterFonts.h"
#include "core/print/VersoLines.h"

namespace VersoPrinter {
namespace {

// Frame D: thirteen rows of six or seven boxes. Before a row the running offset L grows by
// growthP × p + growthMm; the row prints c mm below its items' Y, plus L.
struct DRow {
    int firstText;
    int firstItem; // 74 for the two rows of seven, 75 otherwise; the last item is always 80
    double c;
    double growthP;
    double growthMm;
    double dx74; // the row's own dx for item 74
};

constexpr DRow DRows[] = {
    {0, 75, 5.5, 0, 0, 0},   {6, 75, 6, 1, 0, 0},        {12, 75, 7, 1, 0, 0},
    {18, 75, 8.5, 3, -1, 0}, {24, 75, 9, 1, 0, 0},       {30, 75, 9.5, 1, 0, 0},
    {36, 75, 10, 1, 0, 0},   {42, 75, 10.7, 2, 0, 0},    {48, 75, 11.5, 2, 0, 0},
    {54, 75, 12.5, 1, 0, 0}, {60, 74, 14, 3, -1.5, 8.5}, {67, 74, 10.5, 2, 0, 38},
    {74, 75, 11, 1, 0, 0},
};

// dx of the items 75..80 of frame D.
constexpr double DDx[] = {7.5, 8.5, 11, 11.5, 12.5, 13.3};

// The offset of each printed line of frame H from its first: p − 0.28 per line up to line 26,
// then a gap (0.8 mm for the train numbers, 0.7 for the observations), p after lines 27 and 28,
// p + 0.5 after the following ones.
double hStepAfter(int line, double p, double gapAfter26)
{
    if (line < 26) return p - 0.28;
    if (line == 26) return p - 0.28 + gapAfter26;
    if (line <= 28) return p;
    return p + 0.5;
}

void addFrameD(const PrintLayout &l, double p, QList<Place> &out)
{
    double offset = 0;
    for (const DRow &row : DRows) {
        offset += row.growthP * p + row.growthMm;
        int text = row.firstText;
        for (int item = row.firstItem; item <= 80; ++item, ++text) {
            const double dx = item == 74 ? row.dx74 : DDx[item - 75];
            out.append({{VersoText::D, text}, {l.x(item) + dx, l.y(item) + offset + row.c}});
        }
    }
}

void addFrameE(const PrintLayout &l, double p, QList<Place> &out)
{
    // Train numbers at the even boxes, their observations at the odd ones.
    for (const auto &[item, dx, first] : {std::tuple{81, 2.0, 0}, std::tuple{82, 3.5, 1}}) {
        double offset = 0;
        for (int k = 0; k < 8; ++k) {
            out.append({{VersoText::E, 2 * k + first}, {l.x(item) + dx, l.y(item) + offset + 18}});
            offset += p - 0.2;
        }
    }
}

void addLinesH(VersoText text, int item, double dx, double gapAfter26, const PrintLayout &l,
               double p, QList<Place> &out)
{
    double offset = 0;
    for (int line = 1; line <= VersoLines::Printed; ++line) {
        out.append({{text, line - 1}, {l.x(item) + dx, l.y(item) + offset + 4.2}});
        offset += hStepAfter(line, p, gapAfter26);
    }
}

void addFrameI(const PrintLayout &l, double p, QList<Place> &out)
{
    constexpr double dx[] = {20, 18, 20, 22};
    for (int j = 0; j < 4; ++j) {
        const int item = 85 + j;
        const double step = p + (j == 0 ? 0.4 : 0.5);
        for (int k = 0; k < 2; ++k)
            out.append(
                {{VersoText::I, j + 4 * k}, {l.x(item) + dx[j], l.y(item) + k * step + 26.8}});
    }
}

void addFrameL(const PrintLayout &l, double p, QList<Place> &out)
{
    constexpr double dx[] = {16, 20, 20, 20, 22, 16};
    for (int j = 0; j < 6; ++j) {
        const int item = 97 + j;
        for (int k = 0; k < 5; ++k)
            out.append(
                {{VersoText::L, j + 6 * k}, {l.x(item) + dx[j], l.y(item) + k * (p + 0.5) + 22}});
    }
}

} // namespace

QList<Place> places(const PrintLayout &l)
{
    const double p = l.y(PrintItems::VersoObsWidth);
    QList<Place> out;
    out.reserve(200);
    addFrameD(l, p, out);
    addFrameE(l, p, out);
    addLinesH(VersoText::NumTrainH, 83, 16, 0.8, l, p, out);
    out.append({{VersoText::ObsMecUP, 0}, {l.x(91) + 31, l.y(91) + 3}});
    addLinesH(VersoText::ObsMec, 84, 20, 0.7, l, p, out);
    addFrameI(l, p, out);
    out.append({{VersoText::J, 0}, {l.x(89) + 20, l.y(89) + 29}});
    addFrameL(l, p, out);
    return out;
}

QString textAt(const VersoContent &verso, const VersoLines &lines, const Place &place)
{
    const int line = place.field.index;
    const bool printed = line >= 0 && line < VersoLines::Printed;
    switch (place.field.text) {
    case VersoText::NumTrainH:
        return printed ? lines.trainNumbers[size_t(line)] : QString();
    case VersoText::ObsMec:
        return printed ? lines.observations[size_t(line)] : QString();
    default:
        return versoText(verso, place.field);
    }
}

double versoShiftX(const PrintLayout &l)
{
    const double x = l.x(PrintItems::VersoShift) + l.x(PrintItems::VersoCentring);
    return x > 0 ? x - l.x(PrintItems::RectoCentring) : x;
}

QPointF printShift(const PrintLayout &l)
{
    return {versoShiftX(l), l.y(PrintItems::VersoShift) + l.y(PrintItems::VersoCentring)};
}

QPointF previewShift(const PrintLayout &l)
{
    return {l.x(PrintItems::VersoShift) + l.x(PrintItems::ScreenCalibrationVerso),
            l.y(PrintItems::VersoShift) + l.y(PrintItems::ScreenCalibrationVerso)};
}

void draw(const VersoContent &verso, const VersoLines &lines, const PrintLayout &layout,
          const QPointF &shift, Page &page)
{
    page.setShift(shift.x(), shift.y());
    for (const Place &place : places(layout)) {
        const QString text = textAt(verso, lines, place);
        if (!text.isEmpty()) page.drawText(place.mm.x(), place.mm.y(), text);
    }
}

void print(AppState &state, Page &page)
{
    page.setFont(PrinterFonts::versoFontForPrinting(state.config, page.font()));
    draw(state.verso, state.versoLines, state.printLayout, printShift(state.printLayout), page);
    page.endPage();
}

void reportNoPrinterToMeasure(Prompts &prompts)
{
    prompts.message(QStringLiteral("Attention n'y a acune imprimante installée !!"),
                    QStringLiteral("Pour que le programme fonctionne normalement \r\n"
                                   "il faut qu'une imprimante soit installée par défaut.\r\n"
                                   "\r\n"
                                   "Kerbo ne peut donc pas imprimer vos bulletins."),
                    Prompts::Icon::Exclamation);
}

} // namespace VersoPrinter
