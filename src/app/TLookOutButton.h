#pragma once

#include <QToolButton>

// A large button of the side bar: its picture above a caption that wraps onto
// a second line when the bar is too narrow for it.
class TLookOutButton final : public QToolButton
{
    Q_OBJECT

public:
    static constexpr int kIcon = 32;

    TLookOutButton(int width, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
    QRect textRect(int width) const;
    void paintFrame(QPainter& painter) const;

    int m_width;
};
