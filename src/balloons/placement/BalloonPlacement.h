#pragma once

#include "BalloonRule.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the assistant figure and a balloon dialog stand. Kept free of windows
// so that every caller places its balloon by the same arithmetic.
//
// `screen` is the area the figure lives in (the available geometry of its
// screen); the rules measure from its top-left corner. `figure` is the
// figure's frame: its position and outer size. `figureClient` is the size of
// its client area.
struct BalloonPlacement final
{
    // The figure is sent home, hidden and shown again as the rule says; this
    // holds even when it already stands there.
    bool figureMoves = false;
    QPoint figure; // where the figure stands afterwards
    QPoint dialog;

    static BalloonPlacement place(const BalloonRule& rule, const QRect& screen, const QRect& figure,
                                  const QSize& figureClient, const QSize& dialog);

    // Where the figure first appears: the bottom-right corner of the screen.
    static QPoint initialFigurePosition(const QRect& screen, const QSize& figureClient);
};
