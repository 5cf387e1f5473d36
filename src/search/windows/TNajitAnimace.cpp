#include "TNajitAnimace.h"

#include <QPainter>
#include <QtMath>

namespace {
const QColor kSheet(0xff, 0xff, 0xff);
const QColor kEdge(0x80, 0x80, 0x80);
const QColor kText(0xa0, 0xa0, 0xa0);
const QColor kRim(0x40, 0x40, 0x60);
const QColor kGlass(0xc8, 0xe0, 0xff, 0x90);
const QColor kHandle(0x70, 0x40, 0x10);
} // namespace

TNajitAnimace::TNajitAnimace(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Animate1"));
    setFixedSize(44, 44);
    m_timer.setInterval(kInterval);
    connect(&m_timer, &QTimer::timeout, this, &TNajitAnimace::advance);
}

void TNajitAnimace::start()
{
    m_frame = 0;
    m_running = true;
    m_sinceFrame.start();
    m_timer.start();
    update();
}

void TNajitAnimace::stop()
{
    m_running = false;
    m_timer.stop();
}

void TNajitAnimace::tick()
{
    if (m_running && m_sinceFrame.elapsed() >= kInterval) {
        advance();
        repaint();
    }
}

void TNajitAnimace::advance()
{
    m_frame = (m_frame + 1) % kFrames;
    m_sinceFrame.restart();
    update();
}

void TNajitAnimace::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(4, 2, 26, 34);
    painter.setPen(kEdge);
    painter.setBrush(kSheet);
    painter.drawRect(sheet);
    painter.setPen(QPen(kText, 1.5));
    for (int line = 0; line < 6; ++line) {
        const qreal y = sheet.top() + 6 + line * 5;
        painter.drawLine(QPointF(sheet.left() + 4, y),
                         QPointF(sheet.right() - (line % 3 == 2 ? 10 : 4), y));
    }
    // The glass walks a small circle over the lines of the sheet.
    const qreal angle = 2 * M_PI * m_frame / kFrames;
    const QPointF centre(sheet.center().x() + 5 * qCos(angle),
                         sheet.center().y() + 5 * qSin(angle));
    const qreal radius = 8;
    const QPointF handleStart = centre + QPointF(radius * 0.7, radius * 0.7);
    painter.setPen(QPen(kHandle, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleStart + QPointF(8, 8));
    painter.setPen(QPen(kRim, 2));
    painter.setBrush(kGlass);
    painter.drawEllipse(centre, radius, radius);
}
