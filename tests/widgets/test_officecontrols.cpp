#include "TOfficeButton.h"
#include "TOfficeLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMainWindow>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <memory>

namespace {

const QColor kPanel(255, 255, 225);

// A panel of the balloon dialogs' colour that counts the mouse presses
// reaching it.
class Panel final : public QWidget
{
public:
    Panel()
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, kPanel);
        setPalette(p);
        setAutoFillBackground(true);
        resize(300, 120);
    }
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

TOfficeControl* makeControl(const QString& kind, QWidget* parent)
{
    if (kind == QLatin1String("button"))
        return new TOfficeButton(parent);
    return new TOfficeLabel(parent);
}

// The middle of the lamp picture.
QPoint lampCentre(const TOfficeControl* control)
{
    if (const auto* button = qobject_cast<const TOfficeButton*>(control)) {
        const int o = button->pressOffset();
        return QPoint(12 + o, button->height() / 2 + o);
    }
    const auto* label = static_cast<const TOfficeLabel*>(control);
    return label->ledType() == TOfficeLabel::RoundLED ? QPoint(10, 8) : QPoint(10, 5);
}

enum class Lamp
{
    Off,
    On,
    Down
};

Lamp lampOf(TOfficeControl* control)
{
    const QColor c = control->grab().toImage().pixelColor(lampCentre(control));
    if (qAbs(c.red() - c.green()) < 12 && qAbs(c.green() - c.blue()) < 12)
        return Lamp::Off;
    return c.green() > c.red() ? Lamp::On : Lamp::Down;
}

// Dark pixels in a band of rows: where text is written.
int inkIn(const QImage& image, const QRect& band)
{
    int count = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Lamp)

class TestOfficeControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaults_data();
    void defaults();
    void pointerLightsTheLamp_data();
    void pointerLightsTheLamp();
    void releaseInsideClicks_data();
    void releaseInsideClicks();
    void releaseOutsideDoesNotClick_data();
    void releaseOutsideDoesNotClick();
    void disabledIgnoresInput_data();
    void disabledIgnoresInput();
    void enabledUnderRestingPointerStaysIdle_data();
    void enabledUnderRestingPointerStaysIdle();
    void clickFromCodeOnlyWhileEnabled_data();
    void clickFromCodeOnlyWhileEnabled();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void hintReachesStatusBar_data();
    void hintReachesStatusBar();
    void disabledCaptionIsGrey_data();
    void disabledCaptionIsGrey();
    void background_data();
    void background();

    void buttonFaceShiftsWhilePressed();
    void labelCaptionWraps_data();
    void labelCaptionWraps();
    void labelPressedFramesText();

private:
    TOfficeControl* showControl(const QString& kind);

    std::unique_ptr<Panel> m_panel;
};

void TestOfficeControls::init()
{
    m_panel = std::make_unique<Panel>();
}

void TestOfficeControls::cleanup()
{
    m_panel.reset();
}

TOfficeControl* TestOfficeControls::showControl(const QString& kind)
{
    TOfficeControl* control = makeControl(kind, m_panel.get());
    control->move(20, 20);
    m_panel->show();
    if (!QTest::qWaitForWindowExposed(m_panel.get()))
        return nullptr;
    // Start with the pointer away from the control.
    QTest::mouseMove(m_panel.get(), QPoint(280, 110));
    return control;
}

void TestOfficeControls::defaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("button caption")
        << "button" << QByteArray("Caption") << QVariant(QStringLiteral("OfficeButton"));
    QTest::newRow("button border colour")
        << "button" << QByteArray("BorderColor") << QVariant(QColor(128, 128, 128));
    QTest::newRow("button border width") << "button" << QByteArray("BorderWidth") << QVariant(1);
    QTest::newRow("button colour")
        << "button" << QByteArray("ButtonColor") << QVariant(QColor(192, 192, 192));
    QTest::newRow("button round size") << "button" << QByteArray("RoundSize") << QVariant(20);
    QTest::newRow("button transparent") << "button" << QByteArray("Transparent") << QVariant(true);
    QTest::newRow("button enabled") << "button" << QByteArray("enabled") << QVariant(true);
    QTest::newRow("button size") << "button" << QByteArray("size") << QVariant(QSize(100, 25));
    QTest::newRow("label caption")
        << "label" << QByteArray("Caption") << QVariant(QStringLiteral("OfficeLabel"));
    QTest::newRow("label colour") << "label" << QByteArray("LabelColor")
                                  << QVariant(QColor(192, 192, 192));
    QTest::newRow("label lamp") << "label" << QByteArray("LEDType")
                                << QVariant::fromValue(TOfficeLabel::RoundLED);
    QTest::newRow("label transparent") << "label" << QByteArray("Transparent") << QVariant(true);
    QTest::newRow("label enabled") << "label" << QByteArray("enabled") << QVariant(true);
    QTest::newRow("label size") << "label" << QByteArray("size") << QVariant(QSize(100, 17));
}

void TestOfficeControls::defaults()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);

    const std::unique_ptr<TOfficeControl> control(makeControl(kind, nullptr));
    QCOMPARE(control->property(property.constData()), expected);
}

void TestOfficeControls::pointerLightsTheLamp_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("button") << "button";
    QTest::newRow("label") << "label";
}

void TestOfficeControls::pointerLightsTheLamp()
{
    QFETCH(QString, kind);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    QSignalSpy entered(control, &TOfficeControl::mouseEnter);
    QSignalSpy left(control, &TOfficeControl::mouseLeave);
    QCOMPARE(lampOf(control), Lamp::Off);

    QTest::mouseMove(control, QPoint(50, 8));
    QVERIFY(control->isMouseOver());
    QCOMPARE(lampOf(control), Lamp::On);
    QCOMPARE(entered.count(), 1);

    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(50, 8));
    QVERIFY(control->isPressed());
    QCOMPARE(lampOf(control), Lamp::Down);
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(50, 8));
    QCOMPARE(lampOf(control), Lamp::On);

    QTest::mouseMove(m_panel.get(), QPoint(280, 110));
    QVERIFY(!control->isMouseOver());
    QCOMPARE(lampOf(control), Lamp::Off);
    QCOMPARE(left.count(), 1);
}

void TestOfficeControls::releaseInsideClicks_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::releaseInsideClicks()
{
    QFETCH(QString, kind);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    QSignalSpy clicked(control, &TOfficeControl::clicked);
    QSignalSpy down(control, &TOfficeControl::mouseDown);
    QSignalSpy up(control, &TOfficeControl::mouseUp);

    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(30, 8));
    QCOMPARE(down.count(), 1);
    QCOMPARE(up.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(!control->isPressed());

    // Other buttons press the control but do not click it.
    QTest::mouseClick(control, Qt::RightButton, {}, QPoint(30, 8));
    QCOMPARE(down.count(), 2);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(m_panel->presses, 0);
}

void TestOfficeControls::releaseOutsideDoesNotClick_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::releaseOutsideDoesNotClick()
{
    QFETCH(QString, kind);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    QSignalSpy clicked(control, &TOfficeControl::clicked);

    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(30, 8));
    QTest::mouseMove(control, QPoint(200, 60));
    QVERIFY(control->isPressed());
    QVERIFY(!control->isMouseOver());
    QCOMPARE(lampOf(control), Lamp::Off);

    QTest::mouseMove(control, QPoint(30, 8));
    QVERIFY(control->isMouseOver());
    QCOMPARE(lampOf(control), Lamp::Down);

    QTest::mouseMove(control, QPoint(200, 60));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(200, 60));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!control->isPressed());
}

void TestOfficeControls::disabledIgnoresInput_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::disabledIgnoresInput()
{
    QFETCH(QString, kind);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    control->setEnabled(false);
    QSignalSpy clicked(control, &TOfficeControl::clicked);
    QSignalSpy doubleClicked(control, &TOfficeControl::doubleClicked);
    QSignalSpy down(control, &TOfficeControl::mouseDown);
    QSignalSpy entered(control, &TOfficeControl::mouseEnter);

    QTest::mouseMove(control, QPoint(30, 8));
    QVERIFY(!control->isMouseOver());
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(30, 8));
    QVERIFY(!control->isPressed());
    QCOMPARE(lampOf(control), Lamp::Off);
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(30, 8));
    QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(30, 8));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(30, 8));

    QCOMPARE(clicked.count(), 0);
    QCOMPARE(doubleClicked.count(), 0);
    QCOMPARE(down.count(), 0);
    QCOMPARE(entered.count(), 0);
    // Nor does the click fall through to the dialog behind.
    QCOMPARE(m_panel->presses, 0);
}

void TestOfficeControls::enabledUnderRestingPointerStaysIdle_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::enabledUnderRestingPointerStaysIdle()
{
    QFETCH(QString, kind);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    QTest::mouseMove(control, QPoint(30, 8));
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(30, 8));
    control->setEnabled(false);
    QVERIFY(!control->isMouseOver());
    QVERIFY(!control->isPressed());
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(30, 8));

    // Qt tells a control enabled or shown under the pointer that the pointer
    // entered, though it never moved.
    const auto restingEnter = [control] {
        QEnterEvent enter(QPointF(30, 8), QPointF(30, 8), control->mapToGlobal(QPointF(30, 8)));
        QApplication::sendEvent(control, &enter);
    };
    control->setEnabled(true);
    restingEnter();
    QVERIFY(!control->isMouseOver());
    QCOMPARE(lampOf(control), Lamp::Off);

    QTest::mouseMove(control, QPoint(31, 8));
    QVERIFY(control->isMouseOver());
    QCOMPARE(lampOf(control), Lamp::On);

    m_panel->hide();
    m_panel->show();
    restingEnter();
    QVERIFY(!control->isMouseOver());
    QCOMPARE(lampOf(control), Lamp::Off);
    QTest::mouseMove(control, QPoint(32, 8));
    QCOMPARE(lampOf(control), Lamp::On);
}

void TestOfficeControls::clickFromCodeOnlyWhileEnabled_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::clickFromCodeOnlyWhileEnabled()
{
    QFETCH(QString, kind);
    const std::unique_ptr<TOfficeControl> control(makeControl(kind, nullptr));
    QSignalSpy clicked(control.get(), &TOfficeControl::clicked);
    control->click();
    QCOMPARE(clicked.count(), 1);
    control->setEnabled(false);
    control->click();
    QCOMPARE(clicked.count(), 1);
}

void TestOfficeControls::doubleClickIsOneClick_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::doubleClickIsOneClick()
{
    QFETCH(QString, kind);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    QSignalSpy clicked(control, &TOfficeControl::clicked);
    QSignalSpy doubleClicked(control, &TOfficeControl::doubleClicked);

    // The window system's order: the first click, then the double click that
    // stands for the second press, then its release.
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(30, 8));
    QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(30, 8));
    QVERIFY(control->isPressed());
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(30, 8));
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(!control->isPressed());
}

void TestOfficeControls::hintReachesStatusBar_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::hintReachesStatusBar()
{
    QFETCH(QString, kind);
    QMainWindow window;
    auto* panel = new QWidget(&window);
    window.setCentralWidget(panel);
    window.statusBar();
    window.resize(300, 150);
    TOfficeControl* control = makeControl(kind, panel);
    control->move(10, 10);
    control->setStatusTip(QStringLiteral("Uzavře dialogové okno"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(panel, QPoint(250, 90));

    QTest::mouseMove(control, QPoint(30, 8));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Uzavře dialogové okno"));
    QTest::mouseMove(panel, QPoint(250, 90));
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

void TestOfficeControls::disabledCaptionIsGrey_data()
{
    pointerLightsTheLamp_data();
}

void TestOfficeControls::disabledCaptionIsGrey()
{
    QFETCH(QString, kind);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    control->setCaption(QStringLiteral("Storno"));
    const QRect text(25, 0, control->width() - 25, control->height());

    QVERIFY(inkIn(control->grab().toImage(), text) > 0);
    control->setEnabled(false);
    const QImage disabled = control->grab().toImage();
    QCOMPARE(inkIn(disabled, text), 0);
    bool grey = false;
    for (int y = text.top(); y <= text.bottom() && !grey; ++y)
        for (int x = text.left(); x <= text.right() && !grey; ++x)
            grey = disabled.pixelColor(x, y) == QColor(128, 128, 128);
    QVERIFY(grey);
}

void TestOfficeControls::background_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("button, transparent") << "button" << true << QPoint(60, 12) << kPanel;
    QTest::newRow("button, opaque") << "button" << false << QPoint(60, 12) << QColor(192, 192, 192);
    QTest::newRow("label, transparent") << "label" << true << QPoint(80, 8) << kPanel;
    QTest::newRow("label, opaque") << "label" << false << QPoint(80, 8) << QColor(192, 192, 192);
}

void TestOfficeControls::background()
{
    QFETCH(QString, kind);
    QFETCH(bool, transparent);
    QFETCH(QPoint, inside);
    QFETCH(QColor, expected);
    TOfficeControl* control = showControl(kind);
    QVERIFY(control);
    control->setCaption(QString());
    control->setTransparent(transparent);
    QCOMPARE(control->grab().toImage().pixelColor(inside), expected);
    // Outside the button's rounded corner the parent shows either way.
    if (kind == QLatin1String("button"))
        QCOMPARE(control->grab().toImage().pixelColor(0, 0), kPanel);
}

void TestOfficeControls::buttonFaceShiftsWhilePressed()
{
    auto* button = static_cast<TOfficeButton*>(showControl(QStringLiteral("button")));
    QVERIFY(button);
    button->setCaption(QStringLiteral("Konec"));
    const QImage idle = button->grab().toImage();

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
    QCOMPARE(button->pressOffset(), 1);
    const QImage pressed = button->grab().toImage();
    // The caption in the pressed face is the idle caption moved by one pixel.
    const QRect caption(30, 4, 60, 17);
    QCOMPARE(pressed.copy(caption.translated(1, 1)), idle.copy(caption));

    QTest::mouseMove(button, QPoint(200, 60));
    QCOMPARE(button->pressOffset(), 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 60));
    QCOMPARE(button->pressOffset(), 0);
}

void TestOfficeControls::labelCaptionWraps_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("secondLine");
    QTest::newRow("short") << "Storno" << false;
    QTest::newRow("long") << "Začít s vyhledáváním podle vybraného klíče" << true;
}

void TestOfficeControls::labelCaptionWraps()
{
    QFETCH(QString, caption);
    QFETCH(bool, secondLine);
    auto* label = static_cast<TOfficeLabel*>(showControl(QStringLiteral("label")));
    QVERIFY(label);
    label->setCaption(caption);
    label->resize(120, 34);
    const QImage image = label->grab().toImage();
    const QRect text = label->textRect();
    const int lineHeight = QFontMetrics(label->font()).height();

    QVERIFY(inkIn(image, QRect(text.left(), text.top(), text.width(), lineHeight)) > 0);
    const QRect below(text.left(), text.top() + lineHeight, text.width(), lineHeight);
    QCOMPARE(inkIn(image, below) > 0, secondLine);
    // The second line starts beside the lamp, not under it.
    QCOMPARE(inkIn(image, QRect(0, 17, text.left(), 17)), 0);
}

void TestOfficeControls::labelPressedFramesText()
{
    auto* label = static_cast<TOfficeLabel*>(showControl(QStringLiteral("label")));
    QVERIFY(label);
    label->resize(200, 17);
    const int frameLeft = label->textRect().left() - 3;
    auto frameInk = [&] { return inkIn(label->grab().toImage(), QRect(frameLeft, 0, 1, 16)); };

    QTest::mouseMove(label, QPoint(50, 8));
    QCOMPARE(frameInk(), 0);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(50, 8));
    QVERIFY(frameInk() > 0);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(50, 8));
    QCOMPARE(frameInk(), 0);
}

QTEST_MAIN(TestOfficeControls)
#include "test_officecontrols.moc"
