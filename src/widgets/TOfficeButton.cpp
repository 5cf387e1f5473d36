#include "TOfficeButton.h"

#include "TOfficeLamp.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
const QColor kSilver(0xc0, 0xc0, 0xc0);
const QColor kGreyText(0x80, 0x80, 0x80);

// A frame from corner to corner in pixel coordinates, with the pen centred on
// it as the window system draws it.
QRectF frameBetween(qreal left, qreal top, qreal right, qreal bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}
} // namespace

TOfficeButton::TOfficeButton(QWidget* parent)
    : TOfficeButton(QStringLiteral("OfficeButton"), parent)
{
}

TOfficeButton::TOfficeButton(const QString& caption, QWidget* parent)
    : TOfficeControl(caption, QSize(100, 25), parent)
{
}

void TOfficeButton::setBorderColor(const QColor& colour)
{
    if (colour == m_borderColor)
        return;
    m_borderColor = colour;
    update();
}

void TOfficeButton::setBorderWidth(int width)
{
    width = std::clamp(width, 0, 255);
    if (width == m_borderWidth)
        return;
    m_borderWidth = width;
    update();
}

void TOfficeButton::setButtonColor(const QColor& colour)
{
    if (colour == m_buttonColor)
        return;
    m_buttonColor = colour;
    update();
}

void TOfficeButton::setRoundSize(int size)
{
    size = std::max(size, 0);
    if (size == m_roundSize)
        return;
    m_roundSize = size;
    update();
}

void TOfficeButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFrame(painter);
    paintLamp(painter);
    paintCaption(painter);
}

void TOfficeButton::paintFrame(QPainter& painter) const
{
    const int w = width();
    const int h = height();
    const int bw = m_borderWidth;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A transparent face lets the parent's colour show through.
    painter.setBrush(isTransparent() ? QBrush(Qt::NoBrush) : QBrush(m_buttonColor));
    if (isMouseOver()) {
        paintLitFrame(painter, frameBetween(bw, bw, w - bw, h - bw));
    } else {
        const qreal inset = bw > 0 ? bw / 2.0 : 0.5;
        painter.setPen(bw > 0 ? QPen(kSilver, bw) : QPen(Qt::NoPen));
        const QRectF frame = frameBetween(inset, inset, w - inset, h - inset);
        painter.drawRoundedRect(frame, m_roundSize / 2.0, m_roundSize / 2.0);
    }
    painter.restore();
}

void TOfficeButton::paintLitFrame(QPainter& painter, const QRectF& frame) const
{
    painter.setPen(QPen(m_borderColor, m_borderWidth + 1));
    painter.drawRoundedRect(frame, m_roundSize / 2.0, m_roundSize / 2.0);
    // A gloss line under the upper edge, kept clear of the rounded corners.
    const qreal y = m_borderWidth + 2;
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(m_roundSize / 2.0, y), QPointF(width() - m_roundSize / 2.0, y));
}

void TOfficeButton::paintLamp(QPainter& painter) const
{
    TOfficeLamp::State state = TOfficeLamp::State::Off;
    if (isMouseOver())
        state = isPressed() ? TOfficeLamp::State::Down : TOfficeLamp::State::On;
    const QSize lamp = TOfficeLamp::size(TOfficeLamp::Shape::Button);
    const int o = pressOffset();
    const QPoint topLeft(7 + o, (height() - lamp.height()) / 2 + o);
    TOfficeLamp::paint(painter, topLeft, TOfficeLamp::Shape::Button, state);
}

void TOfficeButton::paintCaption(QPainter& painter) const
{
    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(caption()), metrics.height());
    const int o = pressOffset();
    const QRect box(
        QPoint((width() - text.width()) / 2 + 7 + o, (height() - text.height()) / 2 + o), text);
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::ButtonText)
                               : kGreyText);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption());
}
