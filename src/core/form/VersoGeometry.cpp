#include "core/form/VersoGeometry.h"

#include "core/model/PrintItems.h"
#include "core/model/VersoPlacement.h"

#include <array>

namespace VersoGeometry {
namespace {

// The print position is the top of the text's cell; the box starts a little above it, so that
// a text that fits the box's height stands inside it down to its descenders. Frame E's rows
// are closer than a box: its boxes start a little below, so that the capitals and the base line
// stay inside.
constexpr double TextLead = 0.2;
constexpr double TextLeadE = -0.2;
constexpr double TextInset = 0.6; // and a little to its left
// Frames D and E fill the left half of the sheet, frames H, L, I and J the right half.
constexpr double LeftFramesRight = 147.0;
constexpr double RightFramesRight = 295.5;

// Where a place prints with the factory layout.
QPointF factoryPosition(const VersoPlacement::Place &place)
{
    const double p = PrintItems::factoryY(PrintItems::VersoObsWidth);
    return {PrintItems::factoryX(place.item) + place.dx,
            PrintItems::factoryY(place.item) + place.dy + place.spacings * p};
}

bool inLeftHalf(VersoText text)
{
    return text == VersoText::D || text == VersoText::E;
}

struct Boxes {
    std::array<QRectF, VersoContent::DCount> d;
    std::array<QRectF, VersoContent::ECount> e;
    std::array<QRectF, VersoContent::ICount> i;
    std::array<QRectF, VersoContent::LCount> l;
    QRectF up, j, trainNumbers, observations;
    QList<double> rules;
};

Boxes computeBoxes()
{
    struct At {
        VersoField field;
        QPointF mm;
    };
    QList<At> places;
    for (const VersoPlacement::Place &place : VersoPlacement::places())
        places.append({place.field, factoryPosition(place)});
    const double p = PrintItems::factoryY(PrintItems::VersoObsWidth);
    Boxes b;
    // A box reaches the next box of its row, or the edge of its half of the sheet.
    auto rightEdge = [&places](const At &at) {
        double right = inLeftHalf(at.field.text) ? LeftFramesRight : RightFramesRight;
        for (const At &other : places)
            if (other.field.text == at.field.text && other.mm.x() > at.mm.x() &&
                qAbs(other.mm.y() - at.mm.y()) < 1.0)
                right = qMin(right, other.mm.x() - TextInset);
        return right;
    };
    QRectF firstTrain, lastTrain, firstObs, lastObs;
    for (const At &at : places) {
        const double left = at.mm.x() - TextInset;
        const bool e = at.field.text == VersoText::E;
        const double height = e ? p - 0.2 : BoxHeightMm;
        const QRectF r(left, at.mm.y() - (e ? TextLeadE : TextLead), rightEdge(at) - left, height);
        const int n = at.field.index;
        switch (at.field.text) {
        case VersoText::D:
            b.d[size_t(n)] = r;
            break;
        case VersoText::E:
            b.e[size_t(n)] = r;
            break;
        case VersoText::I:
            b.i[size_t(n)] = r;
            break;
        case VersoText::L:
            b.l[size_t(n)] = r;
            break;
        case VersoText::ObsMecUP:
            b.up = r;
            break;
        case VersoText::J:
            b.j = r;
            break;
        case VersoText::NumTrainH:
            if (n == 0) firstTrain = r;
            lastTrain = r;
            b.rules.append(at.mm.y() - TextLead);
            break;
        case VersoText::ObsMec:
            if (n == 0) firstObs = r;
            lastObs = r;
            break;
        }
    }
    b.rules.append(lastTrain.bottom());
    b.trainNumbers = QRectF(firstTrain.topLeft(), QPointF(firstObs.left(), lastTrain.bottom()));
    b.observations = firstObs.united(lastObs);
    return b;
}

const Boxes &boxes()
{
    static const Boxes b = computeBoxes();
    return b;
}

QList<FormGeometry::Caption> buildCaptions()
{
    QList<FormGeometry::Caption> c;
    auto add = [&c](const QRectF &r, const char16_t *text, bool bold = false) {
        c.append({r, QString::fromUtf16(text), false, bold});
    };
    // Column heads stand above the first box of their column.
    // A column's head keeps clear of the next column's, which starts where its boxes end.
    constexpr double HeadGap = 1.0;
    auto head = [&add](const QRectF &firstBox, double top, const char16_t *text) {
        add(QRectF(firstBox.left(), top, firstBox.width() - HeadGap, firstBox.top() - top), text);
    };
    const Boxes &b = boxes();

    add(QRectF(3, 8.6, 140, 3.6), u"D   ANOMALIES DE SIGNALISATION", true);
    const auto dHeads = columnHeads(VersoText::D);
    for (int col = 0; col < 6; ++col)
        head(b.d[size_t(col)], 13, dHeads[col]);
    add(QRectF(b.d[60].left(), b.d[60].top() - 4.6, 42, 4.2), u"Texte (2) et (3)");

    add(QRectF(3, 106.6, 140, 3.6), u"E   OBSERVATIONS RELEVEES SUR LE BULLETIN DE COMPOSITION",
        true);
    const auto eHeads = columnHeads(VersoText::E);
    head(b.e[0], 111, eHeads[0]);
    head(b.e[1], 111, eHeads[1]);

    add(QRectF(150.5, 2.2, 12, 4.4), u"H", true);
    add(QRectF(b.up.left() - 21, b.up.top(), 20, b.up.height()), u"UP.Résidence");
    add(QRectF(b.trainNumbers.left(), 7, b.trainNumbers.width(), 3.8), u"N° du train");
    add(QRectF(b.observations.left(), 7, 100, 3.8), u"OBSERVATIONS DU MECANICIEN");

    add(QRectF(150.5, 133.6, 140, 3.6), u"L   REGULARITE", true);
    const auto lHeads = columnHeads(VersoText::L);
    for (int col = 0; col < 6; ++col)
        head(b.l[size_t(col)], 139, lHeads[col]);

    add(QRectF(150.5, 176.6, 140, 3.6), u"I   AUTRES AGENTS SUR L'ENGIN MOTEUR", true);
    const auto iHeads = columnHeads(VersoText::I);
    for (int col = 0; col < 4; ++col)
        head(b.i[size_t(col)], 181, iHeads[col]);

    add(QRectF(150.5, 200, 140, 3.6), u"J   CONDITIONS ATMOSPHERIQUES", true);
    return c;
}

} // namespace

QList<const char16_t *> columnHeads(VersoText text)
{
    switch (text) {
    case VersoText::D:
        return {u"N° du train",     u"N° de l'engin", u"Gares",
                u"PK ou N° signal", u"Voie",          u"Avis donné à"};
    case VersoText::E:
        return {u"N° du train", u"Observations"};
    case VersoText::L:
        return {u"N° circulation", u"PK ou Gare",  u"Annonce",
                u"Sortie",         u"Temps perdu", u"Motif du retard"};
    case VersoText::I:
        return {u"N° du train", u"Nom", u"Fonction", u"Parcours"};
    default:
        return {};
    }
}

QRectF box(VersoField field)
{
    const Boxes &b = boxes();
    const int n = field.index;
    auto pick = [n](const auto &list) {
        return n >= 0 && size_t(n) < list.size() ? list[size_t(n)] : QRectF();
    };
    switch (field.text) {
    case VersoText::D:
        return pick(b.d);
    case VersoText::E:
        return pick(b.e);
    case VersoText::I:
        return pick(b.i);
    case VersoText::L:
        return pick(b.l);
    case VersoText::ObsMecUP:
        return b.up;
    case VersoText::J:
        return b.j;
    case VersoText::NumTrainH:
        return b.trainNumbers;
    case VersoText::ObsMec:
        return b.observations;
    }
    return QRectF();
}

QRectF observationsBox(double lineLengthMm)
{
    QRectF r = boxes().observations;
    r.setWidth(qBound(10.0, lineLengthMm + 2 * TextInset, RightFramesRight - r.left()));
    return r;
}

const QList<QRectF> &frames()
{
    static const QList<QRectF> list = {
        QRectF(2, 8, LeftFramesRight - 2, 96),          // D
        QRectF(2, 106, LeftFramesRight - 2, 44),        // E
        QRectF(149, 1.5, RightFramesRight - 149, 130),  // H
        QRectF(149, 133, RightFramesRight - 149, 42),   // L
        QRectF(149, 176, RightFramesRight - 149, 22.5), // I
        QRectF(149, 199.5, RightFramesRight - 149, 10), // J
    };
    return list;
}

const QList<double> &lineRules()
{
    return boxes().rules;
}

const QList<FormGeometry::Caption> &captions()
{
    static const QList<FormGeometry::Caption> list = buildCaptions();
    return list;
}

} // namespace VersoGeometry
