#include "core/print/VersoWrap.h"

#include "core/model/PrintItems.h"
#include "core/model/VersoContent.h"
#include "core/print/Page.h"
#include "core/print/PrintLayout.h"

namespace VersoWrap {

VersoLines::Table wrap(QStringView text, double limitMm, const Page &page)
{
    VersoLines::Table lines;
    int n = 0;
    QString current;
    // The last line of the text ends like the others.
    const QString all = text.toString() + u'\n';
    for (const QChar c : all) {
        if (c == u'\r') // the texts break lines with "\n" alone; a stray CR is not printed
            continue;
        if (c == u'\n') {
            if (++n > VersoLines::Count) break;
            lines[size_t(n - 1)] = current;
            current.clear();
            continue;
        }
        if (page.textWidth(current) > limitMm) {
            if (++n > VersoLines::Count) break;
            const qsizetype blank = current.lastIndexOf(u' ');
            if (blank >= 0) {
                lines[size_t(n - 1)] = current.left(blank).trimmed();
                current = current.mid(blank + 1);
            } else {
                lines[size_t(n - 1)] = current.trimmed();
                current.clear();
            }
        }
        current += c;
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
