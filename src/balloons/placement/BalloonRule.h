#pragma once

// How one kind of balloon dialog makes room for itself beside the assistant
// figure and where it then stands. All distances are pixels.
//
// An upper balloon stands above and to the left of the figure with its tail at
// its bottom-right corner. The figure moves home when
//     figure.left < dialog.width - figure.width + roomLeft
//  or figure.top  < dialog.height + roomTop,
// and the dialog goes to
//     (figure.left + figure.width - dialog.width - tail, figure.top - dialog.height + 30).
//
// A side balloon stands to the left of the figure with the bottoms aligned. The
// figure moves home unless
//     figure.left >= dialog.width - roomLeft
// and figure.top  <= screen.height - figure.clientHeight - homeBottom,
// and the dialog goes to
//     (figure.left - dialog.width + tail, figure.top + figure.height - dialog.height).
//
// Home is (screen.width - figure.clientWidth - homeRight,
//          screen.height - figure.clientHeight - homeBottom).
struct BalloonRule final
{
    enum class Kind
    {
        Upper,
        Side
    };

    Kind kind = Kind::Upper;
    int roomLeft = 0;
    int roomTop = 0;
    int homeRight = 0;
    int homeBottom = 0;
    int tail = 0;
    // The welcome balloon at start-up only shows the figure after moving it;
    // every other caller hides it first.
    bool hidesFigure = true;

    // The optional-database dialog, the database chooser and the picture dialog.
    static constexpr BalloonRule upper() { return {Kind::Upper, 36, -28, 12, 30, 45, true}; }
    // The questions and warnings.
    static constexpr BalloonRule side() { return {Kind::Side, 45, 0, 7, 25, 45, true}; }
    static constexpr BalloonRule search() { return {Kind::Upper, 36, -28, 12, 30, 38, true}; }
    static constexpr BalloonRule reportChooser()
    {
        return {Kind::Upper, 36, -28, 12, 30, 38, true};
    }
    static constexpr BalloonRule help() { return {Kind::Upper, 30, 10, 7, 25, 40, true}; }
    // At start-up and after the first closing of the tips window.
    static constexpr BalloonRule welcomeAtStart() { return {Kind::Upper, 0, 5, 12, 30, 38, false}; }
    // Opened by a double click on the figure.
    static constexpr BalloonRule welcome() { return {Kind::Upper, 10, -28, 12, 30, 38, true}; }
};
