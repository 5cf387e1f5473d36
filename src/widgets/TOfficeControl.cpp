#include "TOfficeControl.h"

#include <QEnterEvent>
#include <QMouseEvent>

#include <utility>

TOfficeControl::TOfficeControl(const QString& caption, const QSize& defaultSize, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_defaultSize(defaultSize)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    resize(defaultSize);
}

void TOfficeControl::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TOfficeControl::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    update();
}

void TOfficeControl::click()
{
    if (isEnabled())
        emit clicked();
}

bool TOfficeControl::event(QEvent* event)
{
    // A disabled control swallows its mouse buttons, so that a balloon behind a
    // disabled command does not react to the click either.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (!isEnabled()) {
            event->accept();
            return true;
        }
        break;
    case QEvent::Show:
        // Shown under a resting pointer, the control hears an enter at once.
        m_mouseOver = false;
        m_pressed = false;
        m_waitForMove = true;
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TOfficeControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    // Disabled widgets still hear the pointer come and go.
    if (isEnabled() && !m_waitForMove)
        pointerEntered();
}

void TOfficeControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (isEnabled())
        pointerLeft();
}

void TOfficeControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool firstMove = std::exchange(m_waitForMove, false);
    // While a button is held the widget keeps the mouse and the window system
    // reports no leaving, so the pointer position decides.
    if (m_pressed && !rect().contains(pos)) {
        pointerLeft();
    } else if ((m_pressed || firstMove) && !m_mouseOver) {
        pointerEntered();
    } else if (!m_mouseOver) {
        m_mouseOver = true;
        update();
    }
    emit mouseMove(pos);
}

void TOfficeControl::mousePressEvent(QMouseEvent* event)
{
    m_clickOnRelease = event->button() == Qt::LeftButton;
    buttonDown(event);
}

void TOfficeControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_clickOnRelease = false;
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    buttonDown(event);
}

void TOfficeControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_pressed = false;
    update();
    emit mouseUp(event->button(), pos);
    const bool click = m_clickOnRelease && event->button() == Qt::LeftButton;
    m_clickOnRelease = false;
    if (click && rect().contains(pos))
        emit clicked();
}

void TOfficeControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    // Enabled again under a resting pointer, the control stays idle until the
    // pointer moves; the enter that Qt sends for it is no movement.
    m_mouseOver = false;
    m_pressed = false;
    m_clickOnRelease = false;
    m_waitForMove = true;
    update();
}

void TOfficeControl::pointerEntered()
{
    if (m_mouseOver)
        return;
    m_mouseOver = true;
    update();
    emit mouseEnter();
}

void TOfficeControl::pointerLeft()
{
    if (!m_mouseOver)
        return;
    m_mouseOver = false;
    update();
    emit mouseLeave();
}

void TOfficeControl::buttonDown(QMouseEvent* event)
{
    m_mouseOver = true;
    m_pressed = true;
    update();
    emit mouseDown(event->button(), event->position().toPoint());
}
