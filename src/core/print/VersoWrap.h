#pragma once

#include "core/print/VersoLines.h"

#include <QStringView>

class Page;
struct PrintLayout;
struct VersoContent;

// Breaking frame H's two texts into the lines of the paper, measured in the verso font on the
// page that will print them.
namespace VersoWrap {

// Fills a table from a text whose lines are separated by "\n". Before each character is added,
// the line so far is measured: wider than `limitMm`, it is broken at its last blank (the part
// before it, trimmed, is the line; the rest starts the next one), or, with no blank, taken whole
// and trimmed. The line may therefore run one character past the limit. Past line 42 the rest
// of the text is dropped.
VersoLines::Table wrap(QStringView text, double limitMm, const Page &page);

// The train numbers are as wide as "888888" in the page's font.
double trainNumberLimit(const Page &page);
// The observations stop 5 mm short of their line length ParaImpX[90].
double observationLimit(const PrintLayout &layout);

// Both tables, on a page whose font is the verso font.
VersoLines wrapBoth(const VersoContent &verso, const PrintLayout &layout, const Page &page);

} // namespace VersoWrap
