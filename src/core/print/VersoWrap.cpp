#include "core/print/VersoWrap.h"

#include "core/model/PrintItems.h"
#include "core/model/VersoContent.h"
#include "core/print/Page.h"
#include "core/print/PrintLayout.h"

#include <algorithm>

namespace VersoWrap {

VersoLines::Table wrap(QStringView text, double limitMm, const Page &page)
{
    // Every line of the text, the last one too, ends with CR LF as the driver typed it (a stray
    // CR is not a character). The CR is a character like the others: the line is measured once
    // more before it is added, so a line made too wide by its last character breaks too, and
    // a train number wider than the limit is followed by an empty line. The CR itself is not
    // printed.
    QString all = text.toString();
    all.remove(u'\r');
    all.replace(u'\n', QStringLiteral("\r\n"));
    all += QStringLiteral("\r\n");

    VersoLines::Table lines;
    int n = 0;
    QString current;
    qsizetype i = 0; // the next character to add
    qsizetype previousLength = 1;
    // Whether the line is wider than the limit once the characters up to `j` are added to it:
    // the test made before adding the character at `j`.
    auto tooWide = [&](qsizetype j) {
        return page.textWidth(current + all.mid(i, j - i)) > limitMm;
    };
    while (i < all.size()) {
        if (all[i] == u'\n') {
            if (++n > VersoLines::Count) break;
            if (current.endsWith(u'\r'))
                current.chop(1);
            lines[size_t(n - 1)] = current;
            current.clear();
            ++i;
            continue;
        }
        // The first character before which the line is too wide, or the end of the line.
        // Adding characters only makes a line wider, so it is searched for rather than
        // measured at every character: from the length of the line before (lines are alike),
        // by doubling steps to bracket it, then by halving. The same break for a fraction of
        // the measures.
        const qsizetype end = all.indexOf(u'\n', i);
        auto breaksAt = [&](qsizetype j) { return j >= end || tooWide(j); };
        qsizetype fits = i - 1; // the line still fits before this character
        qsizetype breakAt = end;
        if (breaksAt(i)) {
            breakAt = i;
        } else {
            fits = i;
            const qsizetype guess =
                std::clamp<qsizetype>(i + previousLength - current.size(), i + 1, end);
            if (breaksAt(guess)) {
                breakAt = guess;
                for (qsizetype step = 1; breakAt - step > fits; step *= 2) {
                    if (!breaksAt(breakAt - step)) {
                        fits = breakAt - step;
                        break;
                    }
                    breakAt -= step;
                }
            } else {
                fits = guess;
                for (qsizetype step = 1; fits + step < breakAt; step *= 2) {
                    if (breaksAt(fits + step)) {
                        breakAt = fits + step;
                        break;
                    }
                    fits += step;
                }
            }
        }
        while (breakAt - fits > 1) {
            const qsizetype middle = fits + (breakAt - fits) / 2;
            (breaksAt(middle) ? breakAt : fits) = middle;
        }
        current += all.mid(i, breakAt - i);
        i = breakAt;
        if (breakAt == end) continue;
        // Too wide: the line ends at its last blank, or where it stands.
        if (++n > VersoLines::Count) break;
        previousLength = current.size();
        const qsizetype blank = current.lastIndexOf(u' ');
        if (blank >= 0) {
            lines[size_t(n - 1)] = current.left(blank).trimmed();
            current = current.mid(blank + 1);
        } else {
            lines[size_t(n - 1)] = current.trimmed();
            current.clear();
        }
        current += all[i++];
    }
    return lines;
}

double trainNumberLimit(const Page &page)
{
    return page.textWidth(QStringLiteral("888888"));
}

double observationLimit(const PrintLayout &layout)
{
    return layout.x(PrintItems::VersoObsWidth) - 5;
}

VersoLines wrapBoth(const VersoContent &verso, const PrintLayout &layout, const Page &page)
{
    VersoLines lines;
    lines.trainNumbers = wrap(verso.txtNumTrainH, trainNumberLimit(page), page);
    lines.observations = wrap(verso.txtObsMec, observationLimit(layout), page);
    return lines;
}

} // namespace VersoWrap
