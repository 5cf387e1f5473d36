#include "BalloonPlacement.h"

namespace {

QPoint homeOf(const BalloonRule& rule, const QRect& screen, const QSize& figureClient)
{
    return {screen.x() + screen.width() - figureClient.width() - rule.homeRight,
            screen.y() + screen.height() - figureClient.height() - rule.homeBottom};
}

bool upperFits(const BalloonRule& rule, const QPoint& figure, const QSize& figureSize,
               const QSize& dialog)
{
    return figure.x() >= dialog.width() - figureSize.width() + rule.roomLeft &&
           figure.y() >= dialog.height() + rule.roomTop;
}

bool sideFits(const BalloonRule& rule, const QPoint& figure, const QPoint& home,
              const QSize& dialog)
{
    return figure.x() >= dialog.width() - rule.roomLeft && figure.y() <= home.y();
}

QPoint dialogBeside(const BalloonRule& rule, const QRect& figure, const QSize& dialog)
{
    if (rule.kind == BalloonRule::Kind::Side)
        return {figure.x() - dialog.width() + rule.tail,
                figure.y() + figure.height() - dialog.height()};
    return {figure.x() + figure.width() - dialog.width() - rule.tail,
            figure.y() - dialog.height() + 30};
}

} // namespace

BalloonPlacement BalloonPlacement::place(const BalloonRule& rule, const QRect& screen,
                                         const QRect& figure, const QSize& figureClient,
                                         const QSize& dialog)
{
    const QPoint home = homeOf(rule, screen, figureClient);
    // The figure's position relative to the screen is what the rules compare.
    const QPoint relative = figure.topLeft() - screen.topLeft();
    const QPoint relativeHome = home - screen.topLeft();
    const bool fits = rule.kind == BalloonRule::Kind::Side
                          ? sideFits(rule, relative, relativeHome, dialog)
                          : upperFits(rule, relative, figure.size(), dialog);

    BalloonPlacement placement;
    placement.figureMoves = !fits;
    placement.figure = fits ? figure.topLeft() : home;
    placement.dialog = dialogBeside(rule, QRect(placement.figure, figure.size()), dialog);
    return placement;
}

QPoint BalloonPlacement::initialFigurePosition(const QRect& screen, const QSize& figureClient)
{
    return {screen.x() + screen.width() - figureClient.width() - 12,
            screen.y() + screen.height() - figureClient.height() - 30};
}
