#include "BalloonPlacement.h"

#include <QTest>

Q_DECLARE_METATYPE(BalloonRule)

namespace {
const QRect kScreen(0, 0, 1024, 768);
const QSize kClient(104, 104);
const QRect kHome(908, 634, 104, 104); // where the upper rules send the figure
const QRect kSideHome(913, 639, 104, 104);
} // namespace

class TestBalloon : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void initialFigurePosition_data();
    void initialFigurePosition();
};

void TestBalloon::placement_data()
{
    QTest::addColumn<BalloonRule>("rule");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("figure");
    QTest::addColumn<QSize>("dialog");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<QPoint>("figureAfter");
    QTest::addColumn<QPoint>("dialogAt");

    const QSize search(202, 311);
    QTest::newRow("search, figure at home") << BalloonRule::search() << kScreen << kHome << search
                                            << false << QPoint(908, 634) << QPoint(772, 353);
    QTest::newRow("search, figure dragged to the top left")
        << BalloonRule::search() << kScreen << QRect(0, 0, 104, 104) << search << true
        << QPoint(908, 634) << QPoint(772, 353);
    QTest::newRow("search, figure left of the room by one pixel")
        << BalloonRule::search() << kScreen << QRect(133, 500, 104, 104) << search << true
        << QPoint(908, 634) << QPoint(772, 353);
    QTest::newRow("search, figure just far enough left")
        << BalloonRule::search() << kScreen << QRect(134, 283, 104, 104) << search << false
        << QPoint(134, 283) << QPoint(-2, 2);
    QTest::newRow("search, figure one pixel too high")
        << BalloonRule::search() << kScreen << QRect(400, 282, 104, 104) << search << true
        << QPoint(908, 634) << QPoint(772, 353);

    const QSize chooser(300, 200);
    QTest::newRow("upper balloon has the longer tail")
        << BalloonRule::upper() << kScreen << kHome << chooser << false << QPoint(908, 634)
        << QPoint(667, 464);
    QTest::newRow("report chooser") << BalloonRule::reportChooser() << kScreen << kHome << chooser
                                    << false << QPoint(908, 634) << QPoint(674, 464);
    QTest::newRow("upper balloon, figure too far left")
        << BalloonRule::upper() << kScreen << QRect(231, 400, 104, 104) << chooser << true
        << QPoint(908, 634) << QPoint(667, 464);

    const QSize help(250, 343);
    QTest::newRow("help fits") << BalloonRule::help() << kScreen << QRect(176, 353, 104, 104)
                               << help << false << QPoint(176, 353) << QPoint(-10, 40);
    QTest::newRow("help sends the figure to its own corner")
        << BalloonRule::help() << kScreen << QRect(175, 353, 104, 104) << help << true
        << QPoint(913, 639) << QPoint(727, 326);

    const QSize welcome(389, 140);
    QTest::newRow("welcome at start fits")
        << BalloonRule::welcomeAtStart() << kScreen << QRect(285, 145, 104, 104) << welcome << false
        << QPoint(285, 145) << QPoint(-38, 35);
    QTest::newRow("welcome at start, too high")
        << BalloonRule::welcomeAtStart() << kScreen << QRect(285, 144, 104, 104) << welcome << true
        << QPoint(908, 634) << QPoint(585, 524);
    QTest::newRow("welcome by double click fits")
        << BalloonRule::welcome() << kScreen << QRect(295, 112, 104, 104) << welcome << false
        << QPoint(295, 112) << QPoint(-28, 2);
    QTest::newRow("welcome by double click, too far left")
        << BalloonRule::welcome() << kScreen << QRect(294, 112, 104, 104) << welcome << true
        << QPoint(908, 634) << QPoint(585, 524);

    const QSize question(250, 100);
    QTest::newRow("side balloon beside the figure at home")
        << BalloonRule::side() << kScreen << kSideHome << question << false << QPoint(913, 639)
        << QPoint(708, 643);
    QTest::newRow("side balloon beside a figure high up")
        << BalloonRule::side() << kScreen << QRect(205, 0, 104, 104) << question << false
        << QPoint(205, 0) << QPoint(0, 4);
    QTest::newRow("side balloon, figure too far left")
        << BalloonRule::side() << kScreen << QRect(204, 0, 104, 104) << question << true
        << QPoint(913, 639) << QPoint(708, 643);
    QTest::newRow("side balloon, figure below its corner")
        << BalloonRule::side() << kScreen << QRect(500, 640, 104, 104) << question << true
        << QPoint(913, 639) << QPoint(708, 643);
    QTest::newRow("side balloon, upper corner is low enough")
        << BalloonRule::side() << kScreen << kHome << question << false << QPoint(908, 634)
        << QPoint(703, 638);

    // Measured from the corner of the available area, not of the desktop.
    const QRect panelAbove(0, 30, 1024, 738);
    QTest::newRow("screen under a top panel, too high")
        << BalloonRule::search() << panelAbove << QRect(400, 300, 104, 104) << search << true
        << QPoint(908, 634) << QPoint(772, 353);
    const QRect second(1920, 0, 1280, 1024);
    QTest::newRow("second screen, figure in the corner")
        << BalloonRule::upper() << second << QRect(3084, 890, 104, 104) << chooser << false
        << QPoint(3084, 890) << QPoint(2843, 720);
    QTest::newRow("second screen, figure at its left edge")
        << BalloonRule::upper() << second << QRect(1930, 890, 104, 104) << chooser << true
        << QPoint(3084, 890) << QPoint(2843, 720);

    // A framed figure: the room and the tail use the outer size, home the client size.
    QTest::newRow("framed figure") << BalloonRule::upper() << kScreen << QRect(10, 10, 110, 130)
                                   << chooser << true << QPoint(908, 634) << QPoint(673, 464);
}

void TestBalloon::placement()
{
    QFETCH(BalloonRule, rule);
    QFETCH(QRect, screen);
    QFETCH(QRect, figure);
    QFETCH(QSize, dialog);
    QFETCH(bool, moves);
    QFETCH(QPoint, figureAfter);
    QFETCH(QPoint, dialogAt);

    const BalloonPlacement placement =
        BalloonPlacement::place(rule, screen, figure, kClient, dialog);
    QCOMPARE(placement.figureMoves, moves);
    QCOMPARE(placement.figure, figureAfter);
    QCOMPARE(placement.dialog, dialogAt);
}

void TestBalloon::initialFigurePosition_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("desktop") << kScreen << QPoint(908, 634);
    QTest::newRow("full HD") << QRect(0, 0, 1920, 1050) << QPoint(1804, 916);
    QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QPoint(3084, 890);
}

void TestBalloon::initialFigurePosition()
{
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(BalloonPlacement::initialFigurePosition(screen, kClient), expected);
}

QTEST_GUILESS_MAIN(TestBalloon)
#include "test_balloon.moc"
