#include "TInfoNajitDialog.h"

#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "SearchCurrency.h"
#include "SearchLook.h"
#include "TGradientPruh.h"
#include "TNajitAnimace.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {
constexpr int kExposeWait = 500; // milliseconds
}

TInfoNajitDialog::TInfoNajitDialog(HlavniSluzby& sluzby)
    : TInfoNajitDialog(sluzby, search::Shape::PerCarrier, QStringLiteral("InfoNajitDialog"))
{
}

TInfoNajitDialog::TInfoNajitDialog(HlavniSluzby& sluzby, search::Shape shape, const QString& name)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_shape(shape), m_guard(sluzby, QStringLiteral("SBO2"))
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kSize);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, searchlook::ground());
    setPalette(yellow);
    setAutoFillBackground(true);
    createContents();
    if (const QScreen* where = QGuiApplication::primaryScreen())
        move(where->geometry().center() - rect().center());
    m_guard.setDisablesAssistant(false);
    m_guard.enter();
}

TInfoNajitDialog::~TInfoNajitDialog()
{
    m_guard.leave();
}

void TInfoNajitDialog::createContents()
{
    m_animace = new TNajitAnimace(this);
    m_animace->move(8, (height() - m_animace->height()) / 2);
    m_phase = new QLabel(this);
    m_phase->setObjectName(QStringLiteral("Label2"));
    m_phase->setFont(searchlook::serifFont(9, true));
    m_phase->setGeometry(60, 9, width() - 70, 18);
    m_indikator = new TGradientPruh(searchlook::ground(), QColor(0x80, 0x80, 0x80), this);
    m_indikator->setObjectName(QStringLiteral("Indikator"));
    m_indikator->setGeometry(60, 33, width() - 72, 14);
    m_top = createField(QStringLiteral("Kontrola"));
    m_heading = createField(QStringLiteral("Kontrola2"));
    m_slot = createField(QStringLiteral("Kontrola3"));
    m_mode = createField(QStringLiteral("Kontrola4"));
}

// The request rides in hidden fields, where a report that borrows the window
// sets its slot and mode.
QLineEdit* TInfoNajitDialog::createField(const QString& name)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->hide();
    return field;
}

void TInfoNajitDialog::setRequest(const Request& request)
{
    m_top->setText(QString::number(request.builderTop));
    m_heading->setText(request.heading);
    m_slot->setText(QString::number(request.slot));
    m_mode->setText(request.mode);
}

TInfoNajitDialog::Request TInfoNajitDialog::request() const
{
    return {m_top->text().toInt(), m_heading->text(), m_slot->text().toInt(), m_mode->text()};
}

// The build runs on this thread and keeps the event loop waiting, so the
// window is put on the screen before the work starts.
void TInfoNajitDialog::start()
{
    m_animace->start();
    show();
    raise();
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kExposeWait)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kExposeWait);
    repaint();
}

// Lets the window system show what was painted; the user's input waits.
void TInfoNajitDialog::catchUp()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TInfoNajitDialog::finish(bool succeeded)
{
    m_succeeded = succeeded;
    m_animace->stop();
    close();
}

void TInfoNajitDialog::setPhase(const QString& text)
{
    m_phase->setText(text);
    repaint();
    catchUp();
}

void TInfoNajitDialog::setMaximum(int maximum)
{
    m_indikator->setMaximum(qMax(0, maximum));
    m_paintedFill = -1;
    if (m_indikator->value() > m_indikator->maximum())
        m_indikator->setValue(m_indikator->maximum());
    m_indikator->repaint();
}

// Hundreds of thousands of steps: the bar is painted only when its fill
// grows by a pixel, the animation when its frame is due.
void TInfoNajitDialog::setPosition(int position)
{
    m_indikator->setValue(qBound(0, position, m_indikator->maximum()));
    const int span = m_indikator->maximum();
    const int fill = span > 0 ? int(qint64(m_indikator->width()) * m_indikator->value() / span) : 0;
    m_animace->tick();
    if (fill != m_paintedFill) {
        m_paintedFill = fill;
        m_indikator->repaint();
        catchUp();
    }
}

QString TInfoNajitDialog::phase() const
{
    return m_phase->text();
}

int TInfoNajitDialog::maximum() const
{
    return m_indikator->maximum();
}

int TInfoNajitDialog::position() const
{
    return m_indikator->value();
}

void TInfoNajitDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_sluzby.playSound(QStringLiteral("Info.wav"));
}

// A report's copy is filtered or by performer, so it is never a search copy.
void TInfoNajitDialog::recordCopy()
{
    const search::SearchCurrency currency(m_sluzby.programFolder().programIniPath());
    const Request done = request();
    if (done.mode == QLatin1String("Tisk")) {
        (void)currency.markReportCopy();
        m_mode->clear();
    } else if (m_succeeded) {
        (void)currency.markBuilt(m_shape, done.slot);
    }
}

void TInfoNajitDialog::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        QWidget::closeEvent(event);
        return;
    }
    m_closed = true;
    m_animace->stop();
    recordCopy();
    m_guard.leave();
    const Request done = request();
    QWidget::closeEvent(event);
    if (m_succeeded && done.mode == QLatin1String("Ne"))
        emit searchResumes(done);
}

void TInfoNajitDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
