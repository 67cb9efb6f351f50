#include "core/model/VersoPlacement.h"

namespace VersoPlacement {
namespace {

// Frame D: thirteen rows of six or seven boxes. Before a row the running offset grows by
// growthP spacings and growthMm millimetres; the row prints c mm below its items, plus that.
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

void addFrameD(QList<Place> &out)
{
    double spacings = 0, mm = 0;
    for (const DRow &row : DRows) {
        spacings += row.growthP;
        mm += row.growthMm;
        int text = row.firstText;
        for (int item = row.firstItem; item <= 80; ++item, ++text) {
            const double dx = item == 74 ? row.dx74 : DDx[item - 75];
            out.append({{VersoText::D, text}, item, dx, mm + row.c, spacings});
        }
    }
}

void addFrameE(QList<Place> &out)
{
    // Train numbers at the even boxes, their observations at the odd ones, p - 0.2 apart.
    for (const auto &[item, dx, first] : {std::tuple{81, 2.0, 0}, std::tuple{82, 3.5, 1}})
        for (int k = 0; k < 8; ++k)
            out.append({{VersoText::E, 2 * k + first}, item, dx, 18 - 0.2 * k, double(k)});
}

// The lines of frame H are p − 0.28 apart up to line 26, then a gap (0.8 mm for the train
// numbers, 0.7 for the observations), p after lines 27 and 28, p + 0.5 after the following ones.
void addLinesH(VersoText text, int item, double dx, double gapAfter26, QList<Place> &out)
{
    double mm = 0;
    for (int line = 1; line <= PrintedLines; ++line) {
        out.append({{text, line - 1}, item, dx, 4.2 + mm, double(line - 1)});
        mm += line < 26 ? -0.28 : line == 26 ? -0.28 + gapAfter26 : line <= 28 ? 0 : 0.5;
    }
}

void addFrameI(QList<Place> &out)
{
    // Number, name, function, route: two rows, p + 0.4 apart in the first column, p + 0.5 in
    // the others.
    constexpr double dx[] = {20, 18, 20, 22};
    for (int j = 0; j < 4; ++j)
        for (int k = 0; k < 2; ++k)
            out.append({{VersoText::I, j + 4 * k},
                        85 + j,
                        dx[j],
                        26.8 + k * (j == 0 ? 0.4 : 0.5),
                        double(k)});
}

void addFrameL(QList<Place> &out)
{
    // Five rows of six columns, p + 0.5 apart.
    constexpr double dx[] = {16, 20, 20, 20, 22, 16};
    for (int j = 0; j < 6; ++j)
        for (int k = 0; k < 5; ++k)
            out.append({{VersoText::L, j + 6 * k}, 97 + j, dx[j], 22 + 0.5 * k, double(k)});
}

QList<Place> build()
{
    QList<Place> out;
    out.reserve(200);
    addFrameD(out);
    addFrameE(out);
    addLinesH(VersoText::NumTrainH, 83, 16, 0.8, out);
    out.append({{VersoText::ObsMecUP, 0}, 91, 31, 3, 0});
    addLinesH(VersoText::ObsMec, 84, 20, 0.7, out);
    addFrameI(out);
    out.append({{VersoText::J, 0}, 89, 20, 29, 0});
    addFrameL(out);
    return out;
}

} // namespace

const QList<Place> &places()
{
    static const QList<Place> table = build();
    return table;
}

} // namespace VersoPlacement
