#include "TOfficeLamp.h"

#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRadialGradient>

namespace {

struct LampColours
{
    QColor light;
    QColor body;
    QColor rim;
};

LampColours coloursOf(TOfficeLamp::State state)
{
    switch (state) {
    case TOfficeLamp::State::On:
        return {QColor(0xf4, 0xff, 0xb0), QColor(0x7c, 0xd6, 0x1e), QColor(0x3a, 0x7a, 0x0c)};
    case TOfficeLamp::State::Down:
        return {QColor(0xff, 0xd6, 0x9a), QColor(0xf0, 0x7a, 0x12), QColor(0x94, 0x3e, 0x06)};
    case TOfficeLamp::State::Off:
        break;
    }
    return {QColor(0xf2, 0xf2, 0xf2), QColor(0xa8, 0xa8, 0xa8), QColor(0x6a, 0x6a, 0x6a)};
}

QRectF glassOf(TOfficeLamp::Shape shape, const QPointF& origin)
{
    switch (shape) {
    case TOfficeLamp::Shape::Button:
        return {origin.x() + 1.5, origin.y() + 1.5, 8, 8};
    case TOfficeLamp::Shape::Round:
        return {origin.x() + 4.5, origin.y() + 2.5, 11, 11};
    case TOfficeLamp::Shape::TriangleDown:
    case TOfficeLamp::Shape::TriangleUp:
        break;
    }
    return {origin.x() + 4.5, origin.y() + 1.5, 11, 8};
}

QPainterPath outlineOf(TOfficeLamp::Shape shape, const QRectF& glass)
{
    QPainterPath path;
    if (shape == TOfficeLamp::Shape::TriangleDown) {
        path.moveTo(glass.topLeft());
        path.lineTo(glass.topRight());
        path.lineTo(glass.center().x(), glass.bottom());
        path.closeSubpath();
    } else if (shape == TOfficeLamp::Shape::TriangleUp) {
        path.moveTo(glass.bottomLeft());
        path.lineTo(glass.bottomRight());
        path.lineTo(glass.center().x(), glass.top());
        path.closeSubpath();
    } else {
        path.addEllipse(glass);
    }
    return path;
}

} // namespace

QSize TOfficeLamp::size(Shape shape)
{
    switch (shape) {
    case Shape::Button:
        return {11, 11};
    case Shape::Round:
        return {20, 16};
    case Shape::TriangleDown:
    case Shape::TriangleUp:
        break;
    }
    return {20, 11};
}

void TOfficeLamp::paint(QPainter& painter, const QPoint& topLeft, Shape shape, State state)
{
    const LampColours colours = coloursOf(state);
    const QRectF glass = glassOf(shape, topLeft);

    // The light comes from the upper left, as on a domed lamp lens.
    QRadialGradient gradient(glass.left() + glass.width() * 0.35,
                             glass.top() + glass.height() * 0.3, glass.width() * 0.75);
    gradient.setColorAt(0.0, colours.light);
    gradient.setColorAt(0.55, colours.body);
    gradient.setColorAt(1.0, colours.rim);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.rim.darker(130), 1.0));
    painter.setBrush(gradient);
    painter.drawPath(outlineOf(shape, glass));
    painter.restore();
}
