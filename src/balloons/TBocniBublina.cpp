#include "TBocniBublina.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr qreal kCorner = 10;
// How far the tail's root reaches along the body's edge.
constexpr int kTailRoot = 22;
} // namespace

TBocniBublina::TBocniBublina(HlavniSluzby& sluzby, const QSize& size, int tailRoom, int tipY,
                             QWidget* parent)
    : TBalloonDialog(sluzby, size, parent), m_tailRoom(tailRoom), m_tipY(tipY)
{
    setMask(QRegion(sideOutline(size, tailRoom, tipY).toFillPolygon().toPolygon()));
}

QPainterPath TBocniBublina::sideOutline(const QSize& size, int tailRoom, int tipY)
{
    const qreal bodyRight = size.width() - tailRoom;
    const qreal h = size.height();
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, bodyRight, h), kCorner, kCorner);
    // The root sits on the straight part of the edge, below the tip when the
    // tip is near the top and above it otherwise.
    const qreal rootTop =
        std::clamp<qreal>(tipY - kTailRoot / 2.0, kCorner, h - kCorner - kTailRoot);
    QPainterPath tail;
    tail.moveTo(bodyRight - 1, rootTop);
    tail.lineTo(size.width() - 1, tipY);
    tail.lineTo(bodyRight - 1, rootTop + kTailRoot);
    tail.closeSubpath();
    return body.united(tail).simplified();
}

void TBocniBublina::setBalloonHeight(int height, int tipY)
{
    setFixedSize(width(), height);
    m_tipY = tipY;
    setMask(QRegion(sideOutline(size(), m_tailRoom, tipY).toFillPolygon().toPolygon()));
    update();
}

QRect TBocniBublina::bodyRect() const
{
    return QRect(0, 0, width() - m_tailRoom, height());
}

void TBocniBublina::paintEvent(QPaintEvent* event)
{
    // The bottom tail of the plain balloon is not drawn here.
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(balloonColour());
    painter.drawPath(
        sideOutline(size() - QSize(1, 1), m_tailRoom - 1, m_tipY).translated(0.5, 0.5));
}
