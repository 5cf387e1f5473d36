#include "TKopieDialog.h"

#include "TOfficeButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

QColor TKopieDialog::firstColour()
{
    return {242, 102, 155};
}

QColor TKopieDialog::secondColour()
{
    return {249, 181, 206};
}

TKopieDialog::TKopieDialog(QWidget* parent) : TBublina(kSize, 35, parent), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("KopieDialog"));
    setWindowTitle(QStringLiteral("Fonarium 2000"));
    setFill(firstColour());
    createContents();
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kBlinkMs);
    connect(m_timer, &QTimer::timeout, this, &TKopieDialog::blink);
}

void TKopieDialog::createContents()
{
    auto* title = new QLabel(QStringLiteral("Fonarium 2000"), this);
    title->setObjectName(QStringLiteral("Titulek"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* text =
        new QLabel(QStringLiteral("Pozor ! Již máte spuštěnu jednu kopii tohoto programu."), this);
    text->setObjectName(QStringLiteral("Text"));
    text->setWordWrap(true);
    auto* ok = new TOfficeButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setFixedSize(70, 22);
    connect(ok, &TOfficeButton::clicked, this, &TKopieDialog::confirmed);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(text, 1);
    bottom->addWidget(ok, 0, Qt::AlignBottom);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(title);
    column->addLayout(bottom, 1);
}

void TKopieDialog::showEvent(QShowEvent* event)
{
    TBublina::showEvent(event);
    m_timer->start();
}

void TKopieDialog::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    TBublina::hideEvent(event);
    if (!event->spontaneous())
        emit dismissed();
}

void TKopieDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        emit confirmed();
        break;
    default:
        TBublina::keyPressEvent(event);
    }
}

void TKopieDialog::blink()
{
    setFill(fill() == firstColour() ? secondColour() : firstColour());
}
