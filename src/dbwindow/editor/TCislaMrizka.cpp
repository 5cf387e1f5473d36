#include "TCislaMrizka.h"

#include <QLabel>
#include <QPainter>

namespace {

void setTextColour(QLabel* label, const QColor& colour)
{
    if (label->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TCislaMrizka::TCislaMrizka(const Shape& shape, QWidget* parent)
    : QWidget(parent), m_columns(shape.columns)
{
    for (int i = 0; i < shape.count; ++i) {
        auto* label = new QLabel(
            QStringLiteral("%1").arg(shape.firstCaption + i, 2, 10, QLatin1Char('0')), this);
        label->setAlignment(Qt::AlignCenter);
        if (!shape.prefix.isEmpty())
            label->setObjectName(shape.prefix + QString::number(shape.firstTrack + i));
        m_cells.append(label);
    }
    setAllGrey();
}

void TCislaMrizka::setTitled(int cell, bool titled)
{
    setTextColour(m_cells.at(cell), titled ? titledColour() : untitledColour());
}

void TCislaMrizka::setAllGrey()
{
    for (QLabel* label : std::as_const(m_cells))
        setTextColour(label, untitledColour());
}

int TCislaMrizka::rows() const
{
    return (int(m_cells.size()) + m_columns - 1) / m_columns;
}

QRect TCislaMrizka::cellRect(int index) const
{
    const int column = index % m_columns;
    const int row = index / m_columns;
    const int x0 = width() * column / m_columns;
    const int x1 = width() * (column + 1) / m_columns;
    const int y0 = height() * row / rows();
    const int y1 = height() * (row + 1) / rows();
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void TCislaMrizka::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (int i = 0; i < m_cells.size(); ++i)
        m_cells.at(i)->setGeometry(cellRect(i));
}

void TCislaMrizka::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    for (int c = 1; c < m_columns; ++c) {
        const int x = width() * c / m_columns;
        painter.drawLine(x, 0, x, height() - 1);
    }
    for (int r = 1; r < rows(); ++r) {
        const int y = height() * r / rows();
        painter.drawLine(0, y, width() - 1, y);
    }
}
