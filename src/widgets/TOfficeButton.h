#pragma once

#include "TOfficeControl.h"

#include <QColor>

// The flat push button of the dialogs: a rounded frame that darkens and gains
// a highlight under the pointer, a lamp before the centred caption, and a face
// that shifts one pixel right and down while pressed.
class TOfficeButton final : public TOfficeControl
{
    Q_OBJECT
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor ButtonColor READ buttonColor WRITE setButtonColor)
    Q_PROPERTY(int RoundSize READ roundSize WRITE setRoundSize)

public:
    explicit TOfficeButton(QWidget* parent = nullptr);
    TOfficeButton(const QString& caption, QWidget* parent);

    const QColor& borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& colour);

    int borderWidth() const { return m_borderWidth; }
    // Kept within 0..255, the range of the classic byte property.
    void setBorderWidth(int width);

    const QColor& buttonColor() const { return m_buttonColor; }
    void setButtonColor(const QColor& colour);

    // Width and height of the corner ellipse.
    int roundSize() const { return m_roundSize; }
    void setRoundSize(int size);

    // 1 while the face is drawn pressed, else 0.
    int pressOffset() const { return isPressed() && isMouseOver() ? 1 : 0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFrame(QPainter& painter) const;
    void paintLitFrame(QPainter& painter, const QRectF& frame) const;
    void paintLamp(QPainter& painter) const;
    void paintCaption(QPainter& painter) const;

    QColor m_borderColor{0x80, 0x80, 0x80};
    int m_borderWidth = 1;
    QColor m_buttonColor{0xc0, 0xc0, 0xc0};
    int m_roundSize = 20;
};
