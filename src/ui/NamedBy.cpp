#include "ui/NamedBy.h"

#include <QAbstractItemView>
#include <QLabel>

QLabel *captionFor(QWidget *control, const QString &text)
{
    auto *caption = new QLabel(text, control->parentWidget());
    caption->setBuddy(control);
    if (qobject_cast<QAbstractItemView *>(control)) control->setAccessibleName(text);
    return caption;
}
