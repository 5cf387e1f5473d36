#include "TBalloonDialog.h"

#include "BalloonRule.h"
#include "HlavniSluzby.h"

#include <QPainter>

TBalloonDialog::TBalloonDialog(HlavniSluzby& sluzby, const QSize& size, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby)
{
    setFixedSize(size);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, balloonColour());
    setPalette(yellow);
    setAutoFillBackground(false);
    setMask(QRegion(outline(size).toFillPolygon().toPolygon()));
}

QColor TBalloonDialog::balloonColour()
{
    constexpr unsigned colorRef = 14745599;
    return QColor(colorRef & 0xff, (colorRef >> 8) & 0xff, (colorRef >> 16) & 0xff);
}

QPainterPath TBalloonDialog::outline(const QSize& size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal bodyBottom = h - tailIndent;
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, w, bodyBottom), 10, 10);
    // The tail leans to the right so that its point reaches the figure's
    // upper left, where the figure stands under the balloon.
    QPainterPath tail;
    tail.moveTo(w - 62, bodyBottom - 1);
    tail.lineTo(w - 30, bodyBottom - 1);
    tail.lineTo(w - 14, h);
    tail.closeSubpath();
    return body.united(tail).simplified();
}

QRect TBalloonDialog::body() const
{
    return QRect(0, 0, width(), height() - tailIndent);
}

void TBalloonDialog::showBeside(const BalloonRule& rule)
{
    showAt(m_sluzby.placeBalloon(rule, size()));
}

void TBalloonDialog::showAt(const QPoint& position)
{
    move(position);
    show();
    raise();
    activateWindow();
}

void TBalloonDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(balloonColour());
    painter.drawPath(outline(size() - QSize(1, 1)).translated(0.5, 0.5));
}
