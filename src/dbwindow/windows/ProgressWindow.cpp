#include "ProgressWindow.h"

#include "HlavniSluzby.h"
#include "TGradientPruh.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {
const QColor kGround(0xff, 0xff, 0xe0);
const QColor kFrame(0x80, 0x80, 0x80);
constexpr int kTextHeight = 18;
constexpr int kBarHeight = 14;
constexpr int kBottom = 12;
constexpr int kExposeWait = 500; // milliseconds
} // namespace

ProgressWindow::Setup ProgressWindow::informationSetup(const QString& name, const QSize& size,
                                                       std::initializer_list<int> positions)
{
    Setup setup;
    setup.name = name;
    setup.indicator = QStringLiteral("SBO3");
    setup.sound = QStringLiteral("Info.wav");
    setup.size = size;
    for (const int position : positions)
        setup.phases.append({position, QString()});
    return setup;
}

ProgressWindow::ProgressWindow(HlavniSluzby& sluzby, Setup setup)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_setup(std::move(setup)), m_guard(sluzby, m_setup.indicator)
{
    setObjectName(m_setup.name);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(m_setup.size);
    setFont(classicFont());
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kGround);
    setPalette(ground);
    setAutoFillBackground(true);
    createContents();
    if (const QScreen* where = QGuiApplication::primaryScreen())
        move(where->geometry().center() - rect().center());
    m_guard.setDisablesAssistant(m_setup.disablesAssistant);
    m_guard.enter();
}

ProgressWindow::~ProgressWindow()
{
    m_guard.leave();
}

void ProgressWindow::createContents()
{
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label2"));
    m_text->setFont(m_setup.textFont);
    m_text->setAlignment(m_setup.textAlignment);
    m_text->setGeometry(m_setup.textBox.isEmpty()
                            ? QRect(10, contentTop(), width() - 20, kTextHeight)
                            : m_setup.textBox);
    m_indikator = new TGradientPruh(kGround, kFrame, this);
    m_indikator->setObjectName(QStringLiteral("Indikator"));
    m_indikator->setGeometry(m_setup.barBox.isEmpty() ? QRect(14, height() - kBottom - kBarHeight,
                                                              width() - 28, kBarHeight)
                                                      : m_setup.barBox);
}

int ProgressWindow::contentTop() const
{
    return height() - kBottom - kBarHeight - 6 - kTextHeight;
}

void ProgressWindow::setText(const QString& text)
{
    m_text->setText(text);
}

QString ProgressWindow::text() const
{
    return m_text->text();
}

// The work runs on this thread and keeps the event loop waiting, so the
// window is put on the screen before the work starts.
void ProgressWindow::start()
{
    started();
    show();
    raise();
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kExposeWait)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kExposeWait);
    repaint();
}

void ProgressWindow::catchUp()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProgressWindow::setProgress(int value)
{
    m_indikator->setValue(qBound(0, value, m_indikator->maximum()));
    const int span = m_indikator->maximum();
    const int fill = span > 0 ? int(qint64(m_indikator->width()) * m_indikator->value() / span) : 0;
    if (fill == m_paintedFill)
        return;
    m_paintedFill = fill;
    m_indikator->repaint();
    catchUp();
}

void ProgressWindow::setMaximum(int maximum)
{
    m_indikator->setMaximum(qMax(0, maximum));
    m_paintedFill = -1;
    setProgress(m_indikator->value());
}

int ProgressWindow::maximum() const
{
    return m_indikator->maximum();
}

int ProgressWindow::progress() const
{
    return m_indikator->value();
}

void ProgressWindow::nextPhase()
{
    if (m_phase + 1 >= m_setup.phases.size())
        return;
    const Phase& next = m_setup.phases.at(++m_phase);
    if (!next.text.isEmpty()) {
        setText(next.text);
        m_text->repaint();
        m_paintedFill = -1;
    }
    setProgress(next.position);
}

void ProgressWindow::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    stopped();
    close();
}

Status ProgressWindow::run(const std::function<Status()>& work)
{
    start();
    // The main window comes back even when the work gives up half-way.
    const auto closing = qScopeGuard([this] { finish(); });
    return work();
}

void ProgressWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous() && !m_setup.sound.isEmpty())
        m_sluzby.playSound(m_setup.sound);
}

void ProgressWindow::closeEvent(QCloseEvent* event)
{
    m_guard.leave();
    QWidget::closeEvent(event);
}

void ProgressWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
