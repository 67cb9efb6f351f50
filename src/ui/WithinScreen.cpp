#include "ui/WithinScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace
{

// What a window manager usually adds around a window: its borders and its title bar.
constexpr QSize FrameAllowance(16, 40);

} // namespace

void resizeWithinScreen(QWidget *window, QSize wanted)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) wanted = wanted.boundedTo(screen->availableGeometry().size() - FrameAllowance);
    window->resize(wanted.expandedTo(window->minimumSizeHint()));
}
