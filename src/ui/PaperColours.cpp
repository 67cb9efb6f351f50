#include "ui/PaperColours.h"

#include <QApplication>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace PaperColours
{

namespace
{

QStyle *paperStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void makePaper(QWidget *form)
{
    // The light palette of the style the form's controls are drawn in; the desktop's may be
    // dark, and so may its style's own (Adwaita's dark variant).
    QPalette paper = paperStyle()->standardPalette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    // Under GNOME's dark style the style's palette keeps dark shades: the date box's calendar
    // would write its day names in black on its dark header row.
    paper.setColor(QPalette::AlternateBase, Qt::white);
    form->setPalette(paper);
}

void drawAsPaper(QWidget *form)
{
    const auto controls = form->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        // A control with a style sheet takes the desktop's colours again with its new style.
        const bool ownColours = control->testAttribute(Qt::WA_SetPalette);
        const QPalette colours = control->palette();
        control->setStyle(paperStyle());
        if (ownColours) control->setPalette(colours);
    }
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
