#include "TOfficeLabel.h"

#include "TOfficeLamp.h"

#include <QPainter>

namespace {
const QColor kGreyText(0x80, 0x80, 0x80);

TOfficeLamp::Shape shapeOf(TOfficeLabel::TLEDType type)
{
    switch (type) {
    case TOfficeLabel::TriLEDDown:
        return TOfficeLamp::Shape::TriangleDown;
    case TOfficeLabel::TriLEDUp:
        return TOfficeLamp::Shape::TriangleUp;
    case TOfficeLabel::RoundLED:
        break;
    }
    return TOfficeLamp::Shape::Round;
}

QFont classicDialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
} // namespace

TOfficeLabel::TOfficeLabel(QWidget* parent) : TOfficeLabel(QStringLiteral("OfficeLabel"), parent) {}

TOfficeLabel::TOfficeLabel(const QString& caption, QWidget* parent)
    : TOfficeControl(caption, QSize(100, 17), parent)
{
    setFont(classicDialogFont());
}

void TOfficeLabel::setLabelColor(const QColor& colour)
{
    if (colour == m_labelColor)
        return;
    m_labelColor = colour;
    update();
}

void TOfficeLabel::setLedType(TLEDType type)
{
    if (type == m_ledType)
        return;
    m_ledType = type;
    update();
}

QRect TOfficeLabel::textRect() const
{
    const int left = TOfficeLamp::size(shapeOf(m_ledType)).width() + 5;
    return QRect(QPoint(left, 1), QPoint(width() - 1, height() - 2));
}

void TOfficeLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!isTransparent())
        painter.fillRect(rect(), m_labelColor);
    paintLamp(painter);
    paintCaption(painter);
    if (isMouseOver() && isPressed())
        paintPressedFrame(painter);
}

void TOfficeLabel::paintLamp(QPainter& painter) const
{
    TOfficeLamp::State state = TOfficeLamp::State::Off;
    if (isMouseOver())
        state = isPressed() ? TOfficeLamp::State::Down : TOfficeLamp::State::On;
    TOfficeLamp::paint(painter, QPoint(0, 0), shapeOf(m_ledType), state);
}

void TOfficeLabel::paintCaption(QPainter& painter) const
{
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::WindowText)
                               : kGreyText);
    // Without Qt::TextShowMnemonic an ampersand is written as it is.
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption());
}

void TOfficeLabel::paintPressedFrame(QPainter& painter) const
{
    const QRect text = textRect();
    const QRect frame(QPoint(text.left() - 3, text.top() - 1), text.bottomRight());
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}
