#include "IniFile.h"
#include "ProgramFolder.h"
#include "TPomocnikDialog.h"
#include "TZvuky.h"
#include "TestSounds.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestPomocnik : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void startsInTheBottomRightCorner();
    void outlineShapesTheWindow();
    void remembersWhetherShown_data();
    void remembersWhetherShown();
    void disabledFigureCannotBeClosed();
    void balloonMovesFigureHomeFirst_data();
    void balloonMovesFigureHomeFirst();
    void dragsWithLeftButton();
    void doubleClickAsksForWelcome();

private:
    QString pomocnik() const;
    std::unique_ptr<TPomocnikDialog> create();

    std::unique_ptr<QTemporaryDir> m_program;
};

void TestPomocnik::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    QVERIFY(m_program->isValid());
    // Real sounds in the folder: playing them must stay silent and harmless here.
    QVERIFY(writeTestWav(m_program->path() + QStringLiteral("/Zvuky/PomocnikStart.wav")));
    QVERIFY(writeTestWav(m_program->path() + QStringLiteral("/Zvuky/PomocnikKonec.wav")));
}

void TestPomocnik::cleanup()
{
    m_program.reset();
}

QString TestPomocnik::pomocnik() const
{
    const ProgramFolder folder(m_program->path());
    return IniFile(folder.suiteIniPath())
        .readString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik"));
}

std::unique_ptr<TPomocnikDialog> TestPomocnik::create()
{
    return std::make_unique<TPomocnikDialog>(m_program->path());
}

void TestPomocnik::window()
{
    const auto figure = create();
    QCOMPARE(figure->objectName(), QStringLiteral("PomocnikDialog"));
    QCOMPARE(figure->windowTitle(), QStringLiteral("Pomocník"));
    QCOMPARE(figure->toolTip(), QStringLiteral("Pomocník Korvex"));
    QCOMPARE(figure->size(), QSize(104, 104));
    QVERIFY(figure->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(figure->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const auto* picture = figure->findChild<QWidget*>(QStringLiteral("CoolForm1"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(0, 0, 104, 104));
}

void TestPomocnik::startsInTheBottomRightCorner()
{
    const auto figure = create();
    const QRect screen = figure->screen()->availableGeometry();
    QCOMPARE(figure->screenArea(), screen);
    QCOMPARE(figure->pos(), QPoint(screen.right() + 1 - 104 - 12, screen.bottom() + 1 - 104 - 30));
}

void TestPomocnik::outlineShapesTheWindow()
{
    const auto figure = create();
    const QRegion outline = figure->mask();
    QVERIFY(!outline.isEmpty());
    qint64 area = 0;
    for (const QRect& r : outline)
        area += qint64(r.width()) * r.height();
    QVERIFY(area > 104 * 104 / 3);
    QVERIFY(area < 104 * 104 * 3 / 4);
    // The corners are desktop, the middle is figure.
    QVERIFY(!outline.contains(QPoint(0, 0)));
    QVERIFY(!outline.contains(QPoint(103, 103)));
    QVERIFY(outline.contains(QPoint(52, 52)));
}

void TestPomocnik::remembersWhetherShown_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("close");
    QTest::addColumn<QString>("after");
    QTest::newRow("shown") << QString() << false << "1";
    QTest::newRow("shown over an old 0") << "0" << false << "1";
    QTest::newRow("closed") << QString() << true << "0";
    QTest::newRow("closed over an old 1") << "1" << true << "0";
}

void TestPomocnik::remembersWhetherShown()
{
    QFETCH(QString, before);
    QFETCH(bool, close);
    QFETCH(QString, after);
    const QString ini = m_program->path() + QStringLiteral("/Korvex.ini");
    if (!before.isEmpty())
        QVERIFY(IniFile(ini).writeString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik"),
                                         before));

    const auto figure = create();
    QCOMPARE(pomocnik(), before);
    figure->show();
    QVERIFY(QTest::qWaitForWindowExposed(figure.get()));
    if (close)
        QVERIFY(figure->close());
    QCOMPARE(pomocnik(), after);
    // Hiding is not closing: the program hides the figure without forgetting it.
    figure->hide();
    QCOMPARE(pomocnik(), after);
}

void TestPomocnik::disabledFigureCannotBeClosed()
{
    const auto figure = create();
    figure->show();
    QVERIFY(QTest::qWaitForWindowExposed(figure.get()));
    figure->setEnabled(false);
    QVERIFY(!figure->close());
    QVERIFY(figure->isVisible());
    QCOMPARE(pomocnik(), QStringLiteral("1"));
}

void TestPomocnik::balloonMovesFigureHomeFirst_data()
{
    QTest::addColumn<QPoint>("from"); // relative to the available area
    QTest::addColumn<bool>("moves");
    QTest::newRow("dragged to the top left") << QPoint(0, 0) << true;
    QTest::newRow("left where it started") << QPoint(-1, -1) << false;
}

void TestPomocnik::balloonMovesFigureHomeFirst()
{
    QFETCH(QPoint, from);
    QFETCH(bool, moves);
    const auto figure = create();
    const QRect screen = figure->screenArea();
    const QPoint home = figure->pos();
    if (from != QPoint(-1, -1))
        figure->move(screen.topLeft() + from);
    figure->show();
    QVERIFY(QTest::qWaitForWindowExposed(figure.get()));
    const QPoint before = figure->pos();
    QVERIFY(IniFile(ProgramFolder(m_program->path()).suiteIniPath())
                .writeString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik"),
                             QStringLiteral("x")));

    const QPoint dialog = figure->placeBalloon(BalloonRule::search(), QSize(202, 311));
    QCOMPARE(figure->pos(), moves ? home : before);
    QVERIFY(figure->isVisible());
    // The balloon stands above and to the left of the figure.
    QCOMPARE(dialog, figure->pos() + QPoint(104 - 202 - 38, -311 + 30));
    // Hidden and shown again, the figure has been through its showing once more.
    QCOMPARE(pomocnik(), moves ? QStringLiteral("1") : QStringLiteral("x"));
}

void TestPomocnik::dragsWithLeftButton()
{
    const auto figure = create();
    figure->move(figure->screenArea().topLeft() + QPoint(300, 200));
    figure->show();
    QVERIFY(QTest::qWaitForWindowExposed(figure.get()));
    const QPoint start = figure->pos();

    QTest::mousePress(figure.get(), Qt::LeftButton, {}, QPoint(52, 52));
    QTest::mouseMove(figure.get(), QPoint(72, 62));
    QTest::mouseRelease(figure.get(), Qt::LeftButton, {}, QPoint(72, 62));
    // Where the window system moves windows itself it takes over the drag instead.
    if (figure->pos() != start)
        QCOMPARE(figure->pos(), start + QPoint(20, 10));

    QTest::mousePress(figure.get(), Qt::RightButton, {}, QPoint(52, 52));
    const QPoint afterLeft = figure->pos();
    QTest::mouseMove(figure.get(), QPoint(90, 90));
    QTest::mouseRelease(figure.get(), Qt::RightButton, {}, QPoint(90, 90));
    QCOMPARE(figure->pos(), afterLeft);
}

void TestPomocnik::doubleClickAsksForWelcome()
{
    const auto figure = create();
    figure->show();
    QVERIFY(QTest::qWaitForWindowExposed(figure.get()));
    QSignalSpy doubleClicked(figure.get(), &TPomocnikDialog::doubleClicked);

    QTest::mouseDClick(figure.get(), Qt::LeftButton, {}, QPoint(52, 52));
    QTest::mouseRelease(figure.get(), Qt::LeftButton, {}, QPoint(52, 52));
    QCOMPARE(doubleClicked.count(), 1);

    figure->setEnabled(false);
    QTest::mouseDClick(figure.get(), Qt::LeftButton, {}, QPoint(52, 52));
    QTest::mouseRelease(figure.get(), Qt::LeftButton, {}, QPoint(52, 52));
    QCOMPARE(doubleClicked.count(), 1);
}

QTEST_MAIN(TestPomocnik)
#include "test_pomocnik.moc"
