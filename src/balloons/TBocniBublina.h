#pragma once

#include "TBalloonDialog.h"

// A balloon whose tail leaves its right side: the questions and warnings
// beside the assistant figure, and the action balloon that points at an
// entry of the optional-database dialog. Right of the body lies a strip that
// belongs to the window only where the tail is, so whatever stands there
// stays visible.
class TBocniBublina : public TBalloonDialog
{
    Q_OBJECT

public:
    // The outline for a window of `size` whose tail takes the rightmost
    // `tailRoom` pixels and points at the height `tipY`.
    static QPainterPath sideOutline(const QSize& size, int tailRoom, int tipY);

protected:
    TBocniBublina(HlavniSluzby& sluzby, const QSize& size, int tailRoom, int tipY, QWidget* parent);

    // The body left of the tail, where the contents go.
    QRect bodyRect() const;
    // A new height, the tail pointing at `tipY`.
    void setBalloonHeight(int height, int tipY);

    void paintEvent(QPaintEvent* event) override;

private:
    int m_tailRoom;
    int m_tipY;
};
