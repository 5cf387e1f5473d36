#pragma once

#include <QColor>
#include <QDialog>
#include <QPainterPath>

class HlavniSluzby;
struct BalloonRule;

// A light-yellow speech balloon that stands above the other windows and
// points with its tail, at its bottom-right corner, at the assistant figure.
// The window is cut to the balloon's outline.
class TBalloonDialog : public QDialog
{
    Q_OBJECT

public:
    // The balloon colour, 14745599 as the classic colour value (0x00BBGGRR).
    static QColor balloonColour();
    // Rounded corners of an ellipse of 20 pixels; the tail takes the lowest
    // `tailIndent` pixels of the window.
    static QPainterPath outline(const QSize& size);
    static constexpr int tailIndent = 15;

protected:
    TBalloonDialog(HlavniSluzby& sluzby, const QSize& size, QWidget* parent);

    HlavniSluzby& sluzby() const { return m_sluzby; }

    // Makes room beside the figure by `rule`, then shows the balloon where the
    // rule puts it.
    void showBeside(const BalloonRule& rule);
    void showAt(const QPoint& position);

    // The part of the window above the tail, where the contents go.
    QRect body() const;

    void paintEvent(QPaintEvent* event) override;

private:
    HlavniSluzby& m_sluzby;
};
