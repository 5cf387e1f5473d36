#include "TInfoOtevritDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "TGradientPruh.h"
#include "TKopirovaniAnimace.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

namespace {
const QColor kGround(0xff, 0xff, 0xe0);
}

TInfoOtevritDialog::TInfoOtevritDialog(HlavniSluzby& sluzby)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_guard(sluzby, QStringLiteral("SBO3"))
{
    setObjectName(QStringLiteral("InfoOtevritDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kSize);
    setFont(classicFont());
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kGround);
    setPalette(ground);
    setAutoFillBackground(true);
    createContents();
    if (const QScreen* where = QGuiApplication::primaryScreen())
        move(where->geometry().center() - rect().center());
    m_guard.setDisablesAssistant(false);
    m_guard.enter();
}

TInfoOtevritDialog::~TInfoOtevritDialog()
{
    m_guard.leave();
}

void TInfoOtevritDialog::createContents()
{
    m_animace = new TKopirovaniAnimace(this);
    m_animace->move((width() - m_animace->width()) / 2, 8);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label2"));
    m_text->setFont(classicFont(true));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setGeometry(10, 78, width() - 20, 18);
    m_indikator = new TGradientPruh(QColor(0xff, 0xff, 0xe0), QColor(0x80, 0x80, 0x80), this);
    m_indikator->setObjectName(QStringLiteral("Indikator"));
    m_indikator->setGeometry(14, 102, width() - 28, 14);
}

void TInfoOtevritDialog::setText(const QString& name)
{
    m_text->setText(name);
}

void TInfoOtevritDialog::start()
{
    m_animace->start();
    show();
    raise();
    repaint();
}

void TInfoOtevritDialog::setProgress(int value)
{
    m_indikator->setValue(value);
    m_indikator->repaint();
}

int TInfoOtevritDialog::progress() const
{
    return m_indikator->value();
}

void TInfoOtevritDialog::finish()
{
    m_animace->stop();
    close();
}

void TInfoOtevritDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_sluzby.playSound(QStringLiteral("Info.wav"));
}

void TInfoOtevritDialog::closeEvent(QCloseEvent* event)
{
    m_guard.leave();
    QWidget::closeEvent(event);
}

void TInfoOtevritDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
