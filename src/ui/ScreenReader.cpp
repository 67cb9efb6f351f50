#include "ui/ScreenReader.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

ScreenMetrics readPrimaryScreen()
{
    ScreenMetrics metrics;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        metrics.width = screen->geometry().width();
        metrics.height = screen->geometry().height();
        metrics.dpi = int(std::lround(screen->logicalDotsPerInchX()));
    }
    if (metrics.dpi <= 0)
        metrics.dpi = 96;
    return metrics;
}
