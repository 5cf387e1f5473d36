#include "TGradientText.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

TGradientText::TGradientText(const QString& text, int pointSize, QWidget* parent)
    : QWidget(parent), m_text(text)
{
    QFont bold = font();
    bold.setPointSize(pointSize);
    bold.setBold(true);
    setFont(bold);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TGradientText::setColours(const QColor& from, const QColor& to)
{
    m_from = from;
    m_to = to;
    update();
}

QSize TGradientText::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_text) + 4, metrics.height() + 2};
}

void TGradientText::paintEvent(QPaintEvent*)
{
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(m_text);
    const int left = (this->width() - width) / 2;
    QPainterPath path;
    path.addText(left, (height() + metrics.ascent() - metrics.descent()) / 2, font(), m_text);
    // The gradient spans the text itself, so both ends show the pure colours.
    QLinearGradient gradient(left, 0, left + width, 0);
    gradient.setColorAt(0, m_from);
    gradient.setColorAt(1, m_to);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, gradient);
}
