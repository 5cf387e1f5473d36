#pragma once

#include <QColor>
#include <QProgressBar>

// A progress bar without text whose filled part runs from white at its left
// end towards red. The colours belong to the whole bar, so a short fill is
// still pale and the fill reddens as it grows. The ground shows a pixel wide
// around the fill; a frame colour, when given, draws a line there.
class TGradientPruh final : public QProgressBar
{
    Q_OBJECT

public:
    explicit TGradientPruh(const QColor& ground, const QColor& frame = {},
                           QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_ground;
    QColor m_frame;
};
