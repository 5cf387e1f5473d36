#include "TLookOutButton.h"

#include <QPainter>

namespace {
constexpr int kPadding = 4;
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
} // namespace

TLookOutButton::TLookOutButton(int width, QWidget* parent) : QToolButton(parent), m_width(width)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(kIcon, kIcon));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QRect TLookOutButton::textRect(int width) const
{
    const QRect room(kPadding, kPadding + kIcon + 2, width - 2 * kPadding, 1000);
    QRect text = fontMetrics().boundingRect(room, kTextFlags, this->text());
    text.setLeft(room.left());
    text.setRight(room.right());
    return text;
}

QRect TLookOutButton::textRect() const
{
    return textRect(width());
}

QSize TLookOutButton::sizeHint() const
{
    return {m_width, textRect(m_width).bottom() + kPadding + 1};
}

void TLookOutButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFrame(painter);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const int shift = isDown() ? 1 : 0;
    painter.drawPixmap((width() - kIcon) / 2 + shift, kPadding + shift,
                       icon().pixmap(QSize(kIcon, kIcon), devicePixelRatioF(), mode));
    painter.setPen(isEnabled() ? QColor(Qt::white) : QColor(0xaa, 0xb2, 0xbd));
    painter.drawText(textRect().translated(shift, shift), kTextFlags, text());
}

void TLookOutButton::paintFrame(QPainter& painter) const
{
    if (!isEnabled() || !(underMouse() || isDown()))
        return;
    const QColor light(0xdf, 0xe6, 0xee);
    const QColor dark(0x2d, 0x33, 0x3b);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(isDown() ? dark : light);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(isDown() ? light : dark);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
}
