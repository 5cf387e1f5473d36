#pragma once

#include <QSize>

class QPainter;
class QPoint;

// The small lamp in front of the caption of an office button or label. The
// lamps are drawn as vectors rather than loaded as bitmaps, so they stay sharp
// on high-density screens; each keeps the pixel size of its classic bitmap.
class TOfficeLamp final
{
public:
    enum class Shape
    {
        Button,       // 11 x 11
        Round,        // 20 x 16
        TriangleDown, // 20 x 11
        TriangleUp    // 20 x 11
    };
    enum class State
    {
        Off,
        On,
        Down
    };

    static QSize size(Shape shape);
    static void paint(QPainter& painter, const QPoint& topLeft, Shape shape, State state);
};
