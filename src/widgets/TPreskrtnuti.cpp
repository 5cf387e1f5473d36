#include "TPreskrtnuti.h"

#include <QPainter>

QColor TPreskrtnuti::colour()
{
    return QColor(0xff, 0, 0);
}

TPreskrtnuti::TPreskrtnuti(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TPreskrtnuti::setLines(const QList<QLine>& lines)
{
    m_lines = lines;
    update();
}

void TPreskrtnuti::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const QLine& line : m_lines) {
        // Filled rather than stroked, so that the line is exactly two pixels high.
        painter.fillRect(QRect(line.x1(), line.y1() - kThickness / 2, line.dx() + 1, kThickness),
                         colour());
    }
}
