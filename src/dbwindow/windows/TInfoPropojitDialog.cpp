#include "TInfoPropojitDialog.h"

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

TInfoPropojitDialog::TInfoPropojitDialog(HlavniSluzby& sluzby)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_guard(sluzby, QStringLiteral("SBO3"))
{
    setObjectName(QStringLiteral("InfoPropojitDialog"));
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

TInfoPropojitDialog::~TInfoPropojitDialog()
{
    m_guard.leave();
}

void TInfoPropojitDialog::createContents()
{
    m_animace = new TKopirovaniAnimace(this);
    m_animace->move((width() - m_animace->width()) / 2, 8);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label2"));
    m_text->setFont(classicFont(true));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setGeometry(10, 78, width() - 20, 18);
    m_indikator = new TGradientPruh(kGround, QColor(0x80, 0x80, 0x80), this);
    m_indikator->setObjectName(QStringLiteral("Indikator"));
    m_indikator->setGeometry(14, 102, width() - 28, 14);
}

void TInfoPropojitDialog::start(const QString& text)
{
    m_text->setText(text);
    m_animace->start();
    show();
    raise();
    repaint();
}

void TInfoPropojitDialog::setProgress(int value)
{
    m_indikator->setValue(value);
    m_indikator->repaint();
}

int TInfoPropojitDialog::progress() const
{
    return m_indikator->value();
}

QString TInfoPropojitDialog::text() const
{
    return m_text->text();
}

void TInfoPropojitDialog::finish()
{
    m_animace->stop();
    close();
}

void TInfoPropojitDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_sluzby.playSound(QStringLiteral("Info.wav"));
}

void TInfoPropojitDialog::closeEvent(QCloseEvent* event)
{
    m_guard.leave();
    QWidget::closeEvent(event);
}

void TInfoPropojitDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
