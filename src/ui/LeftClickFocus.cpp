#include "ui/LeftClickFocus.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace
{

class LeftClickFocus : public QObject
{
public:
    LeftClickFocus(QWidget *box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !m_box->hasFocus())
            m_box->setFocus(Qt::MouseFocusReason);
        return false;
    }

private:
    QWidget *m_box;
};

} // namespace

void focusOnLeftClickOnly(QWidget *box, QWidget *part)
{
    // Qt gives the keyboard to a box on a press of any button, before the box sees the press: the
    // box takes it from the keys alone, and from the left button here.
    box->setFocusPolicy(Qt::TabFocus);
    auto *filter = new LeftClickFocus(box);
    box->installEventFilter(filter);
    if (part) part->installEventFilter(filter);
}
