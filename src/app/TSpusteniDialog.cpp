#include "TSpusteniDialog.h"

#include "TGradientPruh.h"
#include "TGradientText.h"

#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kFrame = 2;
const QColor kPanel(0xff, 0xff, 0xe0);
constexpr int kShowTimeoutMs = 1000;
} // namespace

TSpusteniDialog::TSpusteniDialog(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SpusteniDialog"));
    setWindowTitle(QStringLiteral("Fonarium 2000"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kSize);
    createTexts();
    createMetr();
    centreOnScreen();
}

void TSpusteniDialog::createTexts()
{
    auto* title = new TGradientText(QStringLiteral("Fonarium 2000"), 26, this);
    title->setObjectName(QStringLiteral("Nazev"));
    title->setGeometry(kFrame, 50, width() - 2 * kFrame, 50);
    auto* version = new TGradientText(QStringLiteral("verze 5.0"), 16, this);
    version->setObjectName(QStringLiteral("Verze"));
    version->setGeometry(kFrame, 105, width() - 2 * kFrame, 32);
    auto* patience = new QLabel(QStringLiteral("Malé strpení, spouštím program"), this);
    patience->setObjectName(QStringLiteral("Strpeni"));
    patience->adjustSize();
    patience->move(12, height() - kFrame - 10 - 17 - 8 - patience->height());
}

void TSpusteniDialog::createMetr()
{
    m_metr = new TGradientPruh(Qt::black, {}, this);
    m_metr->setObjectName(QStringLiteral("Metr"));
    m_metr->setGeometry(width() - kFrame - 10 - 231, height() - kFrame - 10 - 17, 231, 17);
}

void TSpusteniDialog::showPainted()
{
    show();
    if (m_painted)
        return;
    QEventLoop waiting;
    connect(this, &TSpusteniDialog::painted, &waiting, &QEventLoop::quit);
    QTimer::singleShot(kShowTimeoutMs, &waiting, &QEventLoop::quit);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
}

void TSpusteniDialog::setProgress(int value)
{
    m_metr->setValue(value);
    if (isVisible())
        m_metr->repaint();
}

int TSpusteniDialog::progress() const
{
    return m_metr->value();
}

void TSpusteniDialog::centreOnScreen()
{
    if (const QScreen* where = screen())
        move(where->geometry().center() - rect().center());
}

void TSpusteniDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(kFrame, kFrame, -kFrame, -kFrame), kPanel);
    if (!m_painted) {
        m_painted = true;
        emit painted();
    }
}
