#include "TKopirovaniAnimace.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {
constexpr int kInterval = 60;
const QColor kFolder(0xf0, 0xc8, 0x50);
const QColor kFolderEdge(0x90, 0x70, 0x20);
} // namespace

TKopirovaniAnimace::TKopirovaniAnimace(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Animate1"));
    setFixedSize(272, 66);
    m_timer.setInterval(kInterval);
    connect(&m_timer, &QTimer::timeout, this, &TKopirovaniAnimace::advance);
}

void TKopirovaniAnimace::start()
{
    m_frame = 0;
    m_timer.start();
    update();
}

void TKopirovaniAnimace::stop()
{
    m_timer.stop();
}

void TKopirovaniAnimace::advance()
{
    m_frame = (m_frame + 1) % kFrames;
    update();
}

void TKopirovaniAnimace::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF from(8, 30, 48, 34);
    const QRectF to(width() - 56, 30, 48, 34);
    paintFolder(painter, from);
    paintFolder(painter, to);
    // The sheet rises out of the left folder and sinks into the right one.
    const qreal t = qreal(m_frame) / (kFrames - 1);
    const qreal x = from.center().x() + (to.center().x() - from.center().x()) * t;
    const qreal y = from.top() + 2 - qSin(t * M_PI) * 14;
    paintSheet(painter, QPointF(x, y), (t - 0.5) * 40);
}

void TKopirovaniAnimace::paintFolder(QPainter& painter, const QRectF& place) const
{
    painter.setPen(QPen(kFolderEdge, 1));
    painter.setBrush(kFolder.darker(110));
    QPainterPath back;
    back.moveTo(place.left(), place.top() + 4);
    back.lineTo(place.left() + 14, place.top() + 4);
    back.lineTo(place.left() + 18, place.top());
    back.lineTo(place.right(), place.top());
    back.lineTo(place.right(), place.bottom());
    back.lineTo(place.left(), place.bottom());
    back.closeSubpath();
    painter.drawPath(back);
    painter.setBrush(kFolder);
    constexpr qreal lid = 10;
    QPolygonF front{QPointF(place.left() - 3, place.top() + lid),
                    QPointF(place.right() - 3, place.top() + lid),
                    QPointF(place.right(), place.bottom()), QPointF(place.left(), place.bottom())};
    painter.drawPolygon(front);
}

void TKopirovaniAnimace::paintSheet(QPainter& painter, const QPointF& centre, qreal tilt) const
{
    painter.save();
    painter.translate(centre);
    painter.rotate(tilt);
    const QRectF sheet(-9, -12, 18, 24);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(0x40, 0x60, 0xc0), 1));
    for (int line = 0; line < 4; ++line)
        painter.drawLine(QPointF(-6, -7 + line * 5), QPointF(6, -7 + line * 5));
    painter.restore();
}
