#include "TPomocnikObrazek.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QPointF kCentre(52, 47);
const QColor kInk(0x15, 0x15, 0x1a);

QPen inkPen(qreal width)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawGlove(QPainter& p, const QPointF& centre, qreal thumbSide)
{
    p.setPen(inkPen(1.5));
    p.setBrush(QColor(0xfb, 0xfb, 0xf6));
    p.drawEllipse(centre + QPointF(thumbSide * 5.2, 1.5), 2.6, 2.2);
    p.drawEllipse(centre, 6.0, 6.0);
    p.setPen(inkPen(0.9));
    for (qreal dx : {-1.8, 1.8})
        p.drawLine(centre + QPointF(dx, -4.2), centre + QPointF(dx, -1.6));
}

void drawLimbs(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(3.4));
    QPainterPath wave(QPointF(80, 36));
    wave.quadTo(QPointF(92, 30), QPointF(93, 17));
    p.drawPath(wave);
    QPainterPath rest(QPointF(24, 58));
    rest.quadTo(QPointF(14, 60), QPointF(12, 68));
    p.drawPath(rest);
    p.drawLine(QPointF(44, 76), QPointF(41, 91));
    p.drawLine(QPointF(60, 76), QPointF(63, 91));
    drawGlove(p, QPointF(93, 12.5), -1);
    drawGlove(p, QPointF(11, 71.5), 1);
}

void drawShoes(QPainter& p)
{
    QLinearGradient red(0, 90, 0, 100);
    red.setColorAt(0, QColor(0xf0, 0x4a, 0x3a));
    red.setColorAt(1, QColor(0xb0, 0x22, 0x1a));
    p.setPen(inkPen(1.6));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(27, 90, 17, 9), 4.5, 4.5);
    p.drawRoundedRect(QRectF(60, 90, 17, 9), 4.5, 4.5);
}

void drawDisc(QPainter& p)
{
    QRadialGradient vinyl(kCentre + QPointF(-8, -10), 40);
    vinyl.setColorAt(0, QColor(0x3c, 0x3c, 0x48));
    vinyl.setColorAt(1, QColor(0x12, 0x12, 0x18));
    p.setPen(inkPen(1.4));
    p.setBrush(vinyl);
    p.drawEllipse(kCentre, 33, 33);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4e, 0x4e, 0x5c), 0.8));
    for (qreal r : {29.5, 26.5, 23.5})
        p.drawEllipse(kCentre, r, r);
    // The shine of the grooves, where the light falls on the record.
    p.setPen(QPen(QColor(255, 255, 255, 90), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kCentre - QPointF(28, 28), QSizeF(56, 56)), 105 * 16, 50 * 16);
    p.drawArc(QRectF(kCentre - QPointF(28, 28), QSizeF(56, 56)), 285 * 16, 30 * 16);
}

void drawLabel(QPainter& p)
{
    QRadialGradient paper(kCentre + QPointF(-5, -6), 22);
    paper.setColorAt(0, QColor(0xff, 0xea, 0x9a));
    paper.setColorAt(1, QColor(0xff, 0xbd, 0x3a));
    p.setPen(QPen(QColor(0xb8, 0x7a, 0x0c), 1.2));
    p.setBrush(paper);
    p.drawEllipse(kCentre, 19.5, 19.5);
}

void drawEyes(QPainter& p)
{
    for (qreal x : {45.0, 59.0}) {
        p.setPen(inkPen(1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 41.5), 4.3, 5.3);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x + 1.0, 42.5), 2.4, 2.6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 1.8, 41.4), 0.8, 0.8);
    }
}

void drawSmile(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8a, 0x80, 150));
    p.drawEllipse(QPointF(39.5, 51), 3.2, 2.2);
    p.drawEllipse(QPointF(64.5, 51), 3.2, 2.2);
    // The spindle hole makes the nose.
    p.setBrush(kInk);
    p.drawEllipse(QPointF(52, 48.5), 1.7, 1.7);
    QPainterPath mouth(QPointF(45, 53));
    mouth.quadTo(QPointF(52, 62), QPointF(59, 53));
    mouth.quadTo(QPointF(52, 56), QPointF(45, 53));
    p.setPen(inkPen(1.3));
    p.setBrush(QColor(0xa8, 0x2a, 0x22));
    p.drawPath(mouth);
}

} // namespace

TPomocnikObrazek::TPomocnikObrazek(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CoolForm1"));
    setFixedSize(pictureSize());
    // The figure window itself answers the mouse: dragging and double clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QImage TPomocnikObrazek::picture(qreal devicePixelRatio)
{
    const QSize size = pictureSize() * devicePixelRatio;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawLimbs(p);
    drawShoes(p);
    drawDisc(p);
    drawLabel(p);
    drawEyes(p);
    drawSmile(p);
    return image;
}

QBitmap TPomocnikObrazek::outline()
{
    const QImage image = picture(1.0);
    QImage mask(image.size(), QImage::Format_Mono);
    mask.setColor(0, QColor(Qt::color0).rgb());
    mask.setColor(1, QColor(Qt::color1).rgb());
    mask.fill(0);
    // Faint antialiased fringes stay outside; the rest shows over the ink colour.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= 96)
                mask.setPixel(x, y, 1);
        }
    }
    return QBitmap::fromImage(mask);
}

QColor TPomocnikObrazek::edgeColour()
{
    return kInk;
}

void TPomocnikObrazek::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), edgeColour());
    p.drawImage(QPoint(0, 0), picture(devicePixelRatioF()));
}
