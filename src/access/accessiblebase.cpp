#include "accessiblebase.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace {

// Device pixels per device-independent pixel on the widget's screen, where the
// bridge wants them, and the screen's corner, which both count alike.
struct ScreenScale
{
    qreal factor = 1;
    QPointF origin;
};

ScreenScale assistiveScale(const QWidget *widget)
{
    if (!widget || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const QScreen *screen = widget->screen();
    return {screen->devicePixelRatio(), QPointF(screen->geometry().topLeft())};
}

} // namespace

// Both edges are rounded, so that neighbouring cells still meet at 150 %.
QRect toAssistiveTechnology(const QWidget *widget, const QRect &rect)
{
    const ScreenScale scale = assistiveScale(widget);
    if (scale.factor == 1 || !rect.isValid())
        return rect;
    const QPointF topLeft = (QPointF(rect.topLeft()) - scale.origin) * scale.factor + scale.origin;
    const QPointF end = topLeft + QPointF(rect.width(), rect.height()) * scale.factor;
    return QRect(QPoint(qRound(topLeft.x()), qRound(topLeft.y())), QPoint(qRound(end.x()) - 1, qRound(end.y()) - 1));
}

// The device-independent pixel that holds the middle of the device pixel given.
QPoint fromAssistiveTechnology(const QWidget *widget, const QPoint &point)
{
    const ScreenScale scale = assistiveScale(widget);
    if (scale.factor == 1)
        return point;
    const QPointF inside = (QPointF(point) + QPointF(0.5, 0.5) - scale.origin) / scale.factor + scale.origin;
    return QPoint(qFloor(inside.x()), qFloor(inside.y()));
}
