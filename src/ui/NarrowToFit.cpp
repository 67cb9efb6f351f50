#include "ui/NarrowToFit.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

void narrowToFit(QLineEdit *edit, const QFont &base)
{
    // The line edit keeps two pixels on each side of its text, and one for the caret.
    const QMargins margins = edit->textMargins();
    const int room = edit->contentsRect().width() - margins.left() - margins.right() - 5;
    const int need = QFontMetrics(base).horizontalAdvance(edit->text());
    QFont font = base;
    if (need > room && room > 0) {
        // Glyph advances are whole pixels: the proportional guess may still be a pixel wide.
        int stretch = std::max(60, 100 * room / need);
        font.setStretch(stretch);
        while (stretch > 60 && QFontMetrics(font).horizontalAdvance(edit->text()) > room)
            font.setStretch(stretch = std::max(60, stretch - 3));
    }
    if (edit->font() != font) edit->setFont(font);
}
