#include "TGradientMetr.h"

#include <QLinearGradient>
#include <QPainter>

TGradientMetr::TGradientMetr(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TGradientMetr::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int span = maximum() - minimum();
    if (span <= 0)
        return;
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const int filled = inner.width() * qMax(0, value() - minimum()) / span;
    // The gradient belongs to the whole bar, so the fill reddens as it grows.
    QLinearGradient gradient(inner.left(), 0, inner.right(), 0);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, Qt::red);
    painter.fillRect(QRect(inner.left(), inner.top(), filled, inner.height()), gradient);
}
