#include "TGradientIndikator.h"

#include <QPainter>

TGradientIndikator::TGradientIndikator(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TGradientIndikator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), QColor(0xff, 0xff, 0xe0));
    const int span = maximum() - minimum();
    const int reached = span > 0 ? (frame.width() - 1) * (value() - minimum()) / span : 0;
    if (reached > 0) {
        const QRect filled(frame.left() + 1, frame.top() + 1, reached, frame.height() - 1);
        // The colours run over the whole bar, so a short fill is still pale.
        QLinearGradient ramp(frame.topLeft(), frame.topRight());
        ramp.setColorAt(0, Qt::white);
        ramp.setColorAt(1, Qt::red);
        painter.fillRect(filled, ramp);
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(frame);
}
