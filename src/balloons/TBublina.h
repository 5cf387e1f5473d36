#pragma once

#include <QColor>
#include <QPainterPath>
#include <QWidget>

// A stay-on-top window shaped as a speech balloon of the assistant figure: a
// rounded body on the left and a tail on the right that points up towards
// the figure standing beside it. The strip right of the body, where the figure
// stands, belongs to the window only where the tail is, so the figure stays
// visible and clickable.
class TBublina : public QWidget
{
    Q_OBJECT

public:
    // `tailRoom` is the width of the strip right of the body.
    TBublina(const QSize& size, int tailRoom, QWidget* parent = nullptr);

    const QColor& fill() const { return m_fill; }
    void setFill(const QColor& colour);

    QPainterPath outline() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_tailRoom;
    QColor m_fill{0xff, 0xff, 0xe1};
};
