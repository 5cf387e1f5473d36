#include "TOdkazLabel.h"

#include <QMouseEvent>

TOdkazLabel::TOdkazLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void TOdkazLabel::click()
{
    if (isEnabled())
        emit clicked();
}

void TOdkazLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    setLit(true);
}

void TOdkazLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    setLit(false);
}

void TOdkazLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void TOdkazLabel::setLit(bool lit)
{
    QFont underlined = font();
    underlined.setUnderline(lit);
    setFont(underlined);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, lit ? QColor(Qt::blue) : QColor(Qt::black));
    setPalette(colours);
}
