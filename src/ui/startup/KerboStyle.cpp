#include "ui/startup/KerboStyle.h"

#include "ui/startup/MessageIcons.h"

#include <QAbstractItemView>
#include <QIconEngine>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <functional>
#include <optional>

namespace
{

// An icon whose pictures are made by `make` when they are first asked for.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // Sizes reach an engine in device pixels: the icon is asked at a density of one.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // From Qt 6.8 the size comes in the window's units, the screen's scale beside it.
        return icon().pixmap(size, scale, mode, state);
#else
        Q_UNUSED(scale);
        return icon().pixmap(size, 1.0, mode, state);
#endif
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("KerboDeferredIcon"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_make); }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon KerboStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                               const QWidget *widget) const
{
    if (MessageIcons::isMessageIcon(icon)) return MessageIcons::icon(icon);
    if (icon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The base style lives as long as this one, which lives as long as the application.
    QStyle *base = baseStyle();
    return QIcon(new DeferredIconEngine([base, icon] { return base->standardIcon(icon); }));
}

int KerboStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *returnData) const
{
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void KerboStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    // A list that has the keyboard is outlined in the colour that marks a box or a button that
    // has it: the style marks only the list's current line, which looks the same with or without
    // the keyboard once chosen, and an empty list not at all.
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element == CE_ShapedFrame && frame && frame->frameShape != QFrame::NoFrame &&
        (option->state & State_HasFocus) && qobject_cast<const QAbstractItemView *>(widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        painter->save();
        painter->setPen(option->palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
        painter->restore();
        return;
    }
    // A button that has the keyboard gets a dotted frame inside its edge: the style draws a
    // button with the keyboard and the window's default button alike, so that a driver going
    // by Tab could not tell the OK button that has the keyboard from the OK that has not.
    if (element == CE_PushButtonLabel && (option->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        painter->save();
        QPen dotted(option->palette.color(QPalette::Highlight), 1, Qt::DotLine);
        painter->setPen(dotted);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    // The menu bar has the keyboard only after a lone Alt (or while its menus are gone through).
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element == CE_MenuBarItem && item && widget && widget->hasFocus() &&
        (item->state & State_Selected)) {
        QStyleOptionMenuItem marked(*item);
        marked.state |= State_Sunken;
        QProxyStyle::drawControl(element, &marked, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
