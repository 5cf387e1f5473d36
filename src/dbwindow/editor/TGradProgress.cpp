#include "TGradProgress.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

TGradProgress::TGradProgress(QWidget* parent) : QWidget(parent) {}

void TGradProgress::setRange(int maximum, int position)
{
    if (maximum == m_maximum && position == m_position)
        return;
    m_maximum = maximum;
    m_position = position;
    update();
}

double TGradProgress::fraction() const
{
    if (m_position <= 0)
        return 0.0;
    if (m_maximum <= 0)
        return 1.0;
    return std::min(1.0, double(m_position) / double(m_maximum));
}

void TGradProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, isEnabled() ? Qt::white : palette().color(QPalette::Window));
    const QRect inner = frame.adjusted(1, 1, 0, 0);
    const int filled = int(inner.width() * fraction() + 0.5);
    if (filled > 0) {
        QLinearGradient gradient(inner.topLeft(), inner.topRight());
        gradient.setColorAt(0.0, Qt::blue);
        gradient.setColorAt(1.0, Qt::red);
        painter.fillRect(QRect(inner.left(), inner.top(), filled, inner.height()), gradient);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
}
