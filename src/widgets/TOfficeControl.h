#pragma once

#include <QWidget>

// What the office button and the office label share: the caption, the
// transparency switch and the mouse behaviour. The control lights up while the
// pointer is over it, looks pressed while a mouse button is held on it and
// ignores every input while disabled. Hints are the widget's status tip and
// tool tip, which a main window shows in its status bar.
class TOfficeControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Transparent READ isTransparent WRITE setTransparent)

public:
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    bool isMouseOver() const { return m_mouseOver; }
    bool isPressed() const { return m_pressed; }

    // A click from code: reaches clicked() only while the control is enabled.
    void click();

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, const QPoint& pos);
    void mouseUp(Qt::MouseButton button, const QPoint& pos);
    void mouseEnter();
    void mouseLeave();
    void mouseMove(const QPoint& pos);

protected:
    TOfficeControl(const QString& caption, const QSize& defaultSize, QWidget* parent);

    QSize sizeHint() const override { return m_defaultSize; }

    bool event(QEvent* event) override;

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void pointerEntered();
    void pointerLeft();
    void buttonDown(QMouseEvent* event);

    QString m_caption;
    QSize m_defaultSize;
    bool m_transparent = true;
    bool m_mouseOver = false;
    bool m_pressed = false;
    // A release that ends a double click is not another click.
    bool m_clickOnRelease = false;
    // Shown or enabled since the pointer last moved over the control.
    bool m_waitForMove = false;
};
