#pragma once

#include <QDeadlineTimer>
#include <QLoggingCategory>

// Where a start's time goes. Each stage of the start is told in the log category
// "kerbo.startup", off unless asked for (QT_LOGGING_RULES="kerbo.startup.info=true"), with the
// time of the system's monotonic clock in nanoseconds, so that whoever launched the program can
// place the stages on its own clock.
Q_DECLARE_LOGGING_CATEGORY(lcStartUp)

inline void markStartUp(const char *stage)
{
    qCInfo(lcStartUp, "%s %lld", stage, QDeadlineTimer::current().deadlineNSecs());
}
