#include "ui/KeepInSight.h"

#include <QApplication>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace
{

// The window manager's own moves come first: they follow the same change of the screens.
constexpr int SettleMs = 300;

int clampedStart(int start, int size, int roomStart, int roomSize)
{
    return qMax(roomStart, qMin(start, roomStart + roomSize - size));
}

// Whether every part of `frame` stands on one screen or another.
bool wholeOn(const QRect &frame, const QList<QRect> &screens)
{
    QRegion left(frame);
    for (const QRect &screen : screens)
        left -= screen;
    return left.isEmpty();
}

} // namespace

namespace KeepInSight
{

QPoint inSight(const QRect &frame, const QList<QRect> &screens, const QList<QRect> &rooms)
{
    if (screens.isEmpty() || screens.size() != rooms.size() || wholeOn(frame, screens))
        return frame.topLeft();
    qsizetype best = 0;
    qint64 bestArea = -1;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect common = frame.intersected(screens.at(i));
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    const QRect room = rooms.at(best);
    return {clampedStart(frame.x(), frame.width(), room.x(), room.width()),
            clampedStart(frame.y(), frame.height(), room.y(), room.height())};
}

void bringBack()
{
    // A Wayland compositor places the windows itself, and tells nobody where.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    QList<QRect> screens, rooms;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary) {
        screens << primary->geometry();
        rooms << primary->availableGeometry();
    }
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != primary) {
            screens << screen->geometry();
            rooms << screen->availableGeometry();
        }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!window->isVisible() || (type != Qt::Window && type != Qt::Dialog) ||
            (window->windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
            continue;
        const QRect frame = window->frameGeometry();
        const QPoint wanted = inSight(frame, screens, rooms);
        if (wanted != frame.topLeft()) window->move(wanted);
    }
}

void watchScreens()
{
    auto *settle = new QTimer(qApp);
    settle->setSingleShot(true);
    settle->setInterval(SettleMs);
    QObject::connect(settle, &QTimer::timeout, qApp, &bringBack);
    const auto watch = [settle](QScreen *screen) {
        QObject::connect(screen, &QScreen::geometryChanged, settle, qOverload<>(&QTimer::start));
        QObject::connect(screen, &QScreen::availableGeometryChanged, settle,
                         qOverload<>(&QTimer::start));
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, settle, [settle, watch](QScreen *s) {
        watch(s);
        settle->start();
    });
    QObject::connect(qApp, &QGuiApplication::screenRemoved, settle, qOverload<>(&QTimer::start));
    QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, settle,
                     qOverload<>(&QTimer::start));
}

} // namespace KeepInSight
