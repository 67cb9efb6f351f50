#include "ui/WithinScreen.h"

#include <QFontMetrics>
#include <QGridLayout>
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

// Room that an X11 window manager takes beside the title for its icon and buttons.
constexpr int TitleBarExtras = 130;
// The title bar Qt draws itself on Wayland desktops without their own (GNOME's): the title, in a
// 14-pixel font, centred between the icon on the left and three buttons on the right.
constexpr int DrawnTitlePixels = 14;
constexpr int DrawnTitleSideRoom = 80;

} // namespace

int widthForTitle(const QWidget &window)
{
    // The same program gets either title bar on one desktop: GNOME's Wayland session draws its
    // own for a program that goes through XWayland (qt6-wayland missing), Qt's for one that does
    // not. Room for both.
    QFont font = window.font();
    font.setBold(true);
    QFont drawn = window.font();
    drawn.setPixelSize(DrawnTitlePixels);
    int wanted =
        qMax(QFontMetrics(font).horizontalAdvance(window.windowTitle()) + TitleBarExtras,
             QFontMetrics(drawn).horizontalAdvance(window.windowTitle()) + 2 * DrawnTitleSideRoom);
    if (const QScreen *screen = screenOf(&window))
        wanted = qMin(wanted, screen->availableGeometry().width() * 9 / 10);
    return wanted;
}

void holdWidthForTitle(QWidget *window, int atLeast)
{
    QLayout *layout = window->layout();
    const QMargins margins = layout->contentsMargins();
    auto *room =
        new QSpacerItem(qMax(atLeast, widthForTitle(*window)) - margins.left() - margins.right(), 0,
                        QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto *grid = qobject_cast<QGridLayout *>(layout))
        grid->addItem(room, grid->rowCount(), 0, 1, qMax(1, grid->columnCount()));
    else
        layout->addItem(room);
}

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

QPoint placedOver(QSize frame, const QRect &owner, const QRect &room)
{
    const auto within = [](int wanted, int first, int size, int roomSize) {
        return qMax(first, qMin(wanted, first + roomSize - size));
    };
    const QPoint centred = owner.center() - QPoint(frame.width() / 2, frame.height() / 2);
    return {within(centred.x(), room.left(), frame.width(), room.width()),
            within(centred.y(), room.top(), frame.height(), room.height())};
}

void placeOver(QWidget *window, const QWidget *owner)
{
    if (!owner) return;
    const QWidget *ownerWindow = owner->window();
    const QScreen *screen = screenOf(ownerWindow);
    if (!screen) return;
    window->move(placedOver(window->size() + FrameAllowance, ownerWindow->frameGeometry(),
                            screen->availableGeometry()));
}
