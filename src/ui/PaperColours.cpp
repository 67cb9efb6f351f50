#include "ui/PaperColours.h"

#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace PaperColours
{

void makePaper(QWidget *form)
{
    // The style's own palette is the light one it was drawn for; the desktop's may be dark.
    QPalette paper = form->style()->standardPalette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    // Under GNOME's dark style the style's palette keeps dark shades: the date box's calendar
    // would write its day names in black on its dark header row.
    paper.setColor(QPalette::AlternateBase, Qt::white);
    form->setPalette(paper);
}

void light(QWidget *box, const QColor &ground)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, ground);
    p.setColor(QPalette::Text, Qt::black);
    box->setPalette(p);
}

void unlight(QWidget *box)
{
    box->setPalette(QPalette());
}

} // namespace PaperColours
