#include "TPujcenoLabel.h"

#include <QMouseEvent>

TPujcenoLabel::TPujcenoLabel(QWidget* parent) : QLabel(QStringLiteral("Půjčeno"), parent)
{
    setObjectName(QStringLiteral("RxLabel1"));
    setCursor(Qt::PointingHandCursor);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    m_lent = true;
    setLent(false);
}

void TPujcenoLabel::setLent(bool lent)
{
    if (lent == m_lent)
        return;
    m_lent = lent;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, lent ? lentColour() : notLentColour());
    setPalette(colours);
}

void TPujcenoLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TPujcenoLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
