#include "ui/EndOfRun.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace
{

bool ending = false;
int agreed = 0;

} // namespace

void EndOfRun::watch()
{
    static QPointer<EndOfRun> watcher;
    if (watcher || !QCoreApplication::instance()) return;
    watcher = new EndOfRun(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

bool EndOfRun::underway()
{
    return ending;
}

int EndOfRun::requests()
{
    return agreed;
}

bool EndOfRun::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Quit || watched != QCoreApplication::instance() || ending)
        return false;
    // The application closes the windows while it handles the event: the flag stands for that
    // time only, so that a run whose end was refused goes on as before.
    ending = true;
    QCoreApplication::sendEvent(watched, event);
    ending = false;
    // Refused when a window would not close.
    if (event->isAccepted()) ++agreed;
    return true;
}
