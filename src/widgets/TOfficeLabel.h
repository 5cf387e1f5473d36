#pragma once

#include "TOfficeControl.h"

#include <QColor>

// A clickable command line of the balloon dialogs: a lamp at the top left and
// a word-wrapped caption beside it. Under the pointer the lamp lights; while a
// button is held the caption gets a dotted frame.
class TOfficeLabel final : public TOfficeControl
{
    Q_OBJECT
    Q_PROPERTY(QColor LabelColor READ labelColor WRITE setLabelColor)
    Q_PROPERTY(TLEDType LEDType READ ledType WRITE setLedType)

public:
    enum TLEDType
    {
        RoundLED,
        TriLEDDown,
        TriLEDUp
    };
    Q_ENUM(TLEDType)

    explicit TOfficeLabel(QWidget* parent = nullptr);
    TOfficeLabel(const QString& caption, QWidget* parent);

    const QColor& labelColor() const { return m_labelColor; }
    void setLabelColor(const QColor& colour);

    TLEDType ledType() const { return m_ledType; }
    void setLedType(TLEDType type);

    // Where the caption is written, beside the lamp.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLamp(QPainter& painter) const;
    void paintCaption(QPainter& painter) const;
    void paintPressedFrame(QPainter& painter) const;

    QColor m_labelColor{0xc0, 0xc0, 0xc0};
    TLEDType m_ledType = RoundLED;
};
