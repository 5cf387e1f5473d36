#include "TTipyDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "StartupPresentation.h"
#include "Status.h"
#include "TBalloonDialog.h"
#include "TOfficeButton.h"
#include "TipStepper.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

namespace {
constexpr int kHeadingHeight = 34;
constexpr int kTipPixels = 13;
constexpr int kSmallestTipPixels = 10;
const QRect kPanel(8, 40, 252, 116);

QFont timesFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A small light bulb of our own beside "Víte, že ...".
QPixmap bulbPicture()
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glass(QPointF(10, 8), 10);
    glass.setColorAt(0, QColor(255, 255, 200));
    glass.setColorAt(1, QColor(250, 200, 40));
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.setBrush(glass);
    p.drawEllipse(QRectF(4.5, 1.5, 15, 15));
    p.setBrush(QColor(150, 150, 150));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(QRectF(8.5, 16.5, 7, 5));
    p.drawLine(QPointF(8.5, 19), QPointF(15.5, 19));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.drawArc(QRectF(7, 4, 7, 7), 90 * 16, 90 * 16);
    return picture;
}

QLabel* addText(QWidget* parent, const QString& name, const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}
} // namespace

TTipyDialog::TTipyDialog(HlavniSluzby& sluzby, TipStepper& stepper, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_stepper(stepper)
{
    setObjectName(QStringLiteral("TipyDialog"));
    setWindowTitle(QStringLiteral("Vítejte"));
    setFixedSize(374, 188);
    setFont(classicFont());
    createHeading();
    createTipPanel();
    createButtons();
    createCheckBox();
    connect(&m_stepper, &TipStepper::tipChanged, this, &TTipyDialog::showTip);
    connect(&m_stepper, &TipStepper::availabilityChanged, this, &TTipyDialog::showAvailability);
    showTip(m_stepper.tip());
    showAvailability(m_stepper.isAvailable());
}

void TTipyDialog::createHeading()
{
    QLabel* name =
        addText(this, QStringLiteral("Label1"), QStringLiteral("Fonarium"), timesFont(21, true));
    QLabel* year =
        addText(this, QStringLiteral("Label2"), QStringLiteral("2000"), timesFont(21, true));
    QLabel* greeting =
        addText(this, QStringLiteral("Label3"), QStringLiteral("vás vítá"), timesFont(19, true));
    QPalette navy = name->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 0x60));
    name->setPalette(navy);
    greeting->setPalette(navy);
    QPalette white = year->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    year->setPalette(white);
    int x = 12;
    for (QLabel* part : {name, year, greeting}) {
        part->adjustSize();
        part->move(x, (kHeadingHeight - part->height()) / 2 + 2);
        x += part->width() + 6;
    }
}

void TTipyDialog::createTipPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(kPanel);
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    QPalette yellow = panel->palette();
    yellow.setColor(QPalette::Window, TBalloonDialog::balloonColour());
    yellow.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(yellow);

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(bulbPicture());
    picture->setGeometry(8, 6, 24, 24);
    QLabel* heading = addText(panel, QStringLiteral("Label4"), QStringLiteral("Víte, že ..."),
                              timesFont(15, true));
    heading->setGeometry(40, 8, 200, 20);

    const QRect textArea(10, 32, kPanel.width() - 18, kPanel.height() - 34);
    m_tip = addText(panel, QStringLiteral("DBText1"), QString(), timesFont(kTipPixels, false));
    m_error = addText(panel, QStringLiteral("Label5"),
                      QStringLiteral("Databáze tipů pro tuto aplikaci je porušena, nebo není "
                                     "nainstalována. Z tohoto důvodu nemohou být tipy dne "
                                     "zobrazeny."),
                      timesFont(kTipPixels, false));
    for (QLabel* text : {m_tip, m_error}) {
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setGeometry(textArea);
    }
}

TOfficeButton* TTipyDialog::addButton(const QString& name, const QString& caption,
                                      const QString& hint, int y)
{
    auto* button = new TOfficeButton(caption, this);
    button->setObjectName(name);
    setHint(button, hint);
    button->setGeometry(width() - 106, y, 98, 25);
    return button;
}

void TTipyDialog::createButtons()
{
    m_previous = addButton(QStringLiteral("PredchoziButton"), QStringLiteral("Předchozí tip"),
                           QStringLiteral("Zobrazí předchozí tip dne"), kPanel.top());
    connect(m_previous, &TOfficeButton::clicked, &m_stepper, &TipStepper::previous);
    m_next = addButton(QStringLiteral("DalsiButton"), QStringLiteral("Další tip"),
                       QStringLiteral("Zobrazí následující tip dne"), kPanel.top() + 30);
    connect(m_next, &TOfficeButton::clicked, &m_stepper, &TipStepper::next);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(width() - 106, kPanel.bottom() - 36, 98, 2);
    TOfficeButton* close = addButton(QStringLiteral("ZavritButton"), QStringLiteral("Zavřít"),
                                     QStringLiteral("Uzavře dialogové okno"), kPanel.bottom() - 24);
    connect(close, &TOfficeButton::clicked, this, &TTipyDialog::close);
}

void TTipyDialog::createCheckBox()
{
    m_checkBox = new QCheckBox(QStringLiteral("Zobrazovat tento dialog při každém spuštění"), this);
    m_checkBox->setObjectName(QStringLiteral("CheckBox1"));
    m_checkBox->setGeometry(kPanel.left() + 2, kPanel.bottom() + 8, 300, 20);
}

void TTipyDialog::showTip(const QString& tip)
{
    // The longest tips do not fit the panel at the usual size; they get a
    // smaller type rather than losing their end.
    QFont font = timesFont(kTipPixels, false);
    for (int pixels = kTipPixels; pixels >= kSmallestTipPixels; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(QPoint(), m_tip->size()), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, tip);
        if (needed.height() <= m_tip->height())
            break;
    }
    m_tip->setFont(font);
    m_tip->setText(tip);
}

void TTipyDialog::showAvailability(bool available)
{
    m_previous->setEnabled(available);
    m_next->setEnabled(available);
    m_tip->setVisible(available);
    m_error->setVisible(!available);
}

void TTipyDialog::centre()
{
    const QScreen* where = screen();
    if (where)
        move(where->availableGeometry().center() - rect().center());
}

void TTipyDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centre();
    // The file is looked for at every showing: it may have gone meanwhile.
    showAvailability(m_stepper.open());
    showTip(m_stepper.tip());
    m_checkBox->setChecked(StartupPresentation(m_sluzby.programFolder()).tipsAtStart());
    m_sluzby.setMainEnabled(false);
    m_sluzby.setAssistantEnabled(false);
}

void TTipyDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    Status written;
    const StartupPresentation::Steps steps =
        StartupPresentation(m_sluzby.programFolder()).tipsClosed(m_checkBox->isChecked(), &written);
    m_sluzby.setMainEnabled(true);
    m_sluzby.setAssistantEnabled(true);
    if (!written)
        m_sluzby.reportError(written);
    if (steps.welcome)
        emit welcomeRequested();
    if (steps.assistant)
        m_sluzby.showAssistant();
}

void TTipyDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    QLinearGradient sky(0, 0, width(), 0);
    sky.setColorAt(0, QColor(0x4a, 0x7e, 0xc0));
    sky.setColorAt(1, QColor(0xb8, 0xd4, 0xf0));
    painter.fillRect(QRect(0, 0, width(), kHeadingHeight), sky);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
