#include "core/verso/VersoNavigation.h"

namespace VersoNavigation {
namespace {

void appendBoxes(QList<VersoField> &list, VersoText text)
{
    for (int i = 0; i < boxCount(text); ++i)
        list.append({text, i});
}

} // namespace

const QList<VersoField> &enterOrder()
{
    static const QList<VersoField> order = [] {
        QList<VersoField> l;
        appendBoxes(l, VersoText::D);
        appendBoxes(l, VersoText::E);
        appendBoxes(l, VersoText::I);
        l.append({VersoText::J, 0});
        l.append({VersoText::ObsMecUP, 0});
        l.append({VersoText::NumTrainH, 0});
        return l;
    }();
    return order;
}

const QList<VersoField> &tabOrder()
{
    static const QList<VersoField> order = [] {
        QList<VersoField> l = enterOrder();
        l.append({VersoText::ObsMec, 0});
        appendBoxes(l, VersoText::L);
        return l;
    }();
    return order;
}

std::optional<VersoField> afterEnter(VersoField field)
{
    if (field.isMultiLine()) return std::nullopt;
    if (field.text == VersoText::L) {
        if (field.index + 1 < boxCount(VersoText::L))
            return VersoField{VersoText::L, field.index + 1};
        return VersoField{VersoText::D, 0};
    }
    const qsizetype at = enterOrder().indexOf(field);
    if (at < 0 || at + 1 >= enterOrder().size()) return std::nullopt;
    return enterOrder()[at + 1];
}

std::optional<VersoField> afterBackspace(VersoField field)
{
    if (field.text == VersoText::L) {
        if (field.index > 0) return VersoField{VersoText::L, field.index - 1};
        return VersoField{VersoText::J, 0};
    }
    const qsizetype at = enterOrder().indexOf(field);
    if (at <= 0) return std::nullopt;
    return enterOrder()[at - 1];
}

} // namespace VersoNavigation
