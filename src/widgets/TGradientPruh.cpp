#include "TGradientPruh.h"

#include <QLinearGradient>
#include <QPainter>

TGradientPruh::TGradientPruh(const QColor& ground, const QColor& frame, QWidget* parent)
    : QProgressBar(parent), m_ground(ground), m_frame(frame)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TGradientPruh::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_ground);
    if (m_frame.isValid()) {
        painter.setPen(m_frame);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const int span = maximum() - minimum();
    if (span <= 0)
        return;
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const int filled = inner.width() * qBound(0, value() - minimum(), span) / span;
    QLinearGradient ramp(inner.left(), 0, inner.right(), 0);
    ramp.setColorAt(0, Qt::white);
    ramp.setColorAt(1, Qt::red);
    painter.fillRect(QRect(inner.left(), inner.top(), filled, inner.height()), ramp);
}
