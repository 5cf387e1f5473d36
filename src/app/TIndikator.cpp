#include "TIndikator.h"

#include <QPainter>

TIndikator::TIndikator(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture)
{
}

void TIndikator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
