#include "ui/NamedBy.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

QLabel *captionFor(QWidget *control, const QString &text)
{
    auto *caption = new QLabel(text, control->parentWidget());
    caption->setBuddy(control);
    if (qobject_cast<QAbstractItemView *>(control)) control->setAccessibleName(text);
    return caption;
}

void nameDropDown(QComboBox *box, const QString &name)
{
    box->setAccessibleName(name);
    QWidget *parent = box->parentWidget();
    if (!parent) return;
    QLabel *caption = nullptr;
    for (QLabel *label : parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == box) caption = label;
    if (!caption) {
        caption = new QLabel(parent);
        caption->hide();
        caption->setBuddy(box);
    }
    caption->setText(name);
}
