#include "TJmenoDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "OptionalDatabases.h"
#include "TOfficeButton.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

namespace {
const QColor kSilver(0xc0, 0xc0, 0xc0);
const QString kPrompt = QStringLiteral("Zadejte nový název volitelné databáze č. ");
constexpr int kCaptionHeight = 18;
} // namespace

TJmenoDialog::TJmenoDialog(HlavniSluzby& sluzby, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_guard(sluzby, QStringLiteral("SBO4"))
{
    setObjectName(QStringLiteral("JmenoDialog"));
    setWindowTitle(QStringLiteral("Volitelná databáze"));
    setHint(this, QStringLiteral("Editace uživatelské databáze"));
    setFixedSize(kSize);
    setFont(classicFont());
    QPalette silver = palette();
    silver.setColor(QPalette::Window, kSilver);
    // The default grey of disabled text would vanish on silver while the warning is up.
    silver.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    silver.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    setPalette(silver);
    setAutoFillBackground(true);
    createContents();
    createButtons();
}

void TJmenoDialog::createContents()
{
    auto* prompt = new QLabel(kPrompt, this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->adjustSize();
    prompt->move(10, kCaptionHeight + 12);
    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("Label2"));
    m_number->setFont(classicFont(true));
    m_number->setGeometry(prompt->geometry().right() + 1, prompt->y(), 20, prompt->height());
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setGeometry(10, kCaptionHeight + 34, 270, 21);
    // Enter in the field reaches the dialog, which answers it as "Ok".
}

void TJmenoDialog::createButtons()
{
    auto* ok = new TOfficeButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Ok"));
    setHint(ok, QStringLiteral("Vytvoří databázi a uzavře dialogové okno"));
    ok->setGeometry(290, kCaptionHeight + 8, 72, 23);
    connect(ok, &TOfficeButton::clicked, this, &TJmenoDialog::ok);
    auto* storno = new TOfficeButton(QStringLiteral("Storno"), this);
    storno->setObjectName(QStringLiteral("Storno"));
    setHint(storno, QStringLiteral("Uzavře dialogové okno bez vytvoření databáze"));
    storno->setGeometry(290, kCaptionHeight + 36, 72, 23);
    connect(storno, &TOfficeButton::clicked, this, &TJmenoDialog::hide);
    for (TOfficeButton* button : {ok, storno}) {
        button->setFont(classicFont());
        button->setButtonColor(kSilver);
    }
}

void TJmenoDialog::ask(int optional, const QString& name)
{
    m_number->setText(QString::number(optional));
    m_edit->setText(name);
    m_edit->selectAll();
    if (const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen())
        move(where->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_edit->setFocus();
}

int TJmenoDialog::optional() const
{
    return m_number->text().toInt();
}

void TJmenoDialog::ok()
{
    const QString name = m_edit->text();
    // A name of blanks would leave an entry that cannot be seen.
    if (name.trimmed().isEmpty() || name == OptionalDatabases::notCreatedName()) {
        emit nameMissing();
        return;
    }
    const int k = optional();
    const Status s = OptionalDatabases(m_sluzby.programFolder()).create(k, name);
    hide();
    if (s)
        emit named(k);
    else
        emit failed(s);
}

void TJmenoDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_guard.enter();
}

void TJmenoDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        m_guard.leave();
}

void TJmenoDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ok();
        break;
    case Qt::Key_Escape:
        hide();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TJmenoDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    // A raised silver frame with the caption in a strip along the top.
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::white);
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    const QRect strip(3, 3, width() - 6, kCaptionHeight);
    QLinearGradient navy(strip.topLeft(), strip.topRight());
    navy.setColorAt(0, QColor(0x00, 0x00, 0x80));
    navy.setColorAt(1, QColor(0x10, 0x84, 0xd0));
    painter.fillRect(strip, navy);
    painter.setPen(Qt::white);
    painter.setFont(classicFont(true));
    painter.drawText(strip.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
}
