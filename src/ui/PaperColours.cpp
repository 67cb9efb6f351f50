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
