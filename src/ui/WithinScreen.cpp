#include "ui/WithinScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace
{

// What a window manager usually adds around a window: its borders and its title bar.
constexpr QSize FrameAllowance(16, 40);

const QScreen *screenOf(const QWidget *window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

} // namespace

void resizeWithinScreen(QWidget *window, QSize wanted)
{
    if (const QScreen *screen = screenOf(window))
        wanted = wanted.boundedTo(screen->availableGeometry().size() - FrameAllowance);
    window->resize(wanted.expandedTo(window->minimumSizeHint()));
}

bool fitsScreen(const QWidget *window)
{
    return fitsScreen(window, window->sizeHint().expandedTo(window->minimumSizeHint()));
}

bool fitsScreen(const QWidget *window, QSize wanted)
{
    const QScreen *screen = screenOf(window);
    if (!screen) return true;
    const QSize room = screen->availableGeometry().size() - FrameAllowance;
    return wanted.width() <= room.width() && wanted.height() <= room.height();
}
