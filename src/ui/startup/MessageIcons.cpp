#include "ui/startup/MessageIcons.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace
{

// The theme names Qt's own styles look for first.
QString themeName(QStyle::StandardPixmap kind)
{
    switch (kind) {
    case QStyle::SP_MessageBoxInformation:
        return QStringLiteral("dialog-information");
    case QStyle::SP_MessageBoxWarning:
        return QStringLiteral("dialog-warning");
    case QStyle::SP_MessageBoxCritical:
        return QStringLiteral("dialog-error");
    default:
        return QStringLiteral("dialog-question");
    }
}

// A sign ("i", "!", "?") centred in `box`, in the bold face of the application's font.
void drawSign(QPainter &p, const QRectF &box, const QString &sign)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(100); // the path is scaled to the box below
    QPainterPath path;
    path.addText(0, 0, font, sign);
    const QRectF shape = path.boundingRect();
    if (shape.isEmpty()) return;
    const qreal scale = qMin(box.width() / shape.width(), box.height() / shape.height());
    QTransform place;
    place.translate(box.center().x(), box.center().y());
    place.scale(scale, scale);
    place.translate(-shape.center().x(), -shape.center().y());
    p.drawPath(place.map(path));
}

void drawIcon(QPainter &p, const QRectF &r, QStyle::StandardPixmap kind)
{
    const qreal s = qMin(r.width(), r.height());
    const QRectF square(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
    const QRectF disc = square.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (kind) {
    case QStyle::SP_MessageBoxWarning: {
        QPainterPath triangle;
        triangle.moveTo(square.center().x(), square.top() + s * 0.06);
        triangle.lineTo(square.right() - s * 0.03, square.bottom() - s * 0.08);
        triangle.lineTo(square.left() + s * 0.03, square.bottom() - s * 0.08);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(0x8a, 0x60, 0x00), qMax(1.0, s * 0.04), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(QColor(0xf5, 0xc2, 0x11));
        p.drawPath(triangle);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        drawSign(p, QRectF(square.left(), square.top() + s * 0.32, s, s * 0.48),
                 QStringLiteral("!"));
        break;
    }
    case QStyle::SP_MessageBoxCritical: {
        p.setBrush(QColor(0xd3, 0x2f, 0x2f));
        p.drawEllipse(disc);
        p.setPen(QPen(Qt::white, s * 0.13, Qt::SolidLine, Qt::RoundCap));
        const qreal d = s * 0.2;
        const QPointF c = square.center();
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(d, -d), c + QPointF(-d, d));
        break;
    }
    default: {
        p.setBrush(QColor(0x1e, 0x64, 0xc8));
        p.drawEllipse(disc);
        p.setBrush(Qt::white);
        const bool question = kind == QStyle::SP_MessageBoxQuestion;
        drawSign(p, square.adjusted(s * 0.3, s * 0.22, -s * 0.3, -s * 0.22),
                 question ? QStringLiteral("?") : QStringLiteral("i"));
        break;
    }
    }
}

// Drawn again at every size asked for, sharp at any scale.
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(QStyle::StandardPixmap kind) : m_kind(kind) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        if (mode == QIcon::Disabled) painter->setOpacity(0.5);
        drawIcon(*painter, rect, m_kind);
        painter->restore();
    }
    // Sizes reach an engine in device pixels.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return picture;
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // From Qt 6.8 the size comes in the window's units, the screen's scale beside it.
        QPixmap picture = pixmap((QSizeF(size) * scale).toSize(), mode, state);
        picture.setDevicePixelRatio(scale);
        return picture;
#else
        Q_UNUSED(scale);
        return pixmap(size, mode, state);
#endif
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("KerboDrawnIcon"); }
    QIconEngine *clone() const override { return new DrawnIconEngine(m_kind); }

private:
    QStyle::StandardPixmap m_kind;
};

} // namespace

namespace MessageIcons
{

bool isMessageIcon(QStyle::StandardPixmap kind)
{
    return kind == QStyle::SP_MessageBoxInformation || kind == QStyle::SP_MessageBoxWarning ||
           kind == QStyle::SP_MessageBoxCritical || kind == QStyle::SP_MessageBoxQuestion;
}

QIcon icon(QStyle::StandardPixmap kind)
{
    if (!QIcon::themeName().isEmpty() && QIcon::hasThemeIcon(themeName(kind)))
        return QIcon::fromTheme(themeName(kind));
    return QIcon(new DrawnIconEngine(kind));
}

} // namespace MessageIcons
