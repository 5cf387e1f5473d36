#include "TBublina.h"

#include <QPainter>

namespace {
constexpr qreal kCorner = 14;
}

TBublina::TBublina(const QSize& size, int tailRoom, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_tailRoom(tailRoom)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(size);
    setContentsMargins(12, 8, tailRoom + 10, 8);
    setFill(m_fill);
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
}

void TBublina::setFill(const QColor& colour)
{
    m_fill = colour;
    // Transparent controls on the balloon paint the balloon's colour.
    QPalette ground = palette();
    ground.setColor(QPalette::Window, colour);
    setPalette(ground);
    update();
}

QPainterPath TBublina::outline() const
{
    const qreal bodyRight = width() - m_tailRoom;
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, bodyRight, height()), kCorner, kCorner);
    QPainterPath tail;
    tail.moveTo(bodyRight - kCorner, height() * 0.45);
    tail.lineTo(width() - 2, height() * 0.12);
    tail.lineTo(bodyRight - kCorner, height() * 0.78);
    tail.closeSubpath();
    return body.united(tail);
}

void TBublina::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    painter.setBrush(m_fill);
    painter.drawPath(outline().translated(0.5, 0.5) *
                     QTransform::fromScale((width() - 1.5) / width(), (height() - 1.5) / height()));
}
