#include "TDatumEdit.h"

#include "FieldCodec.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

TDatumEdit::TDatumEdit(QWidget* parent) : QWidget(parent)
{
    m_edit = new QLineEdit(this);
    m_edit->setMaxLength(10);
    m_button = new QToolButton(this);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::textEdited, this, &TDatumEdit::textEdited);
    connect(m_button, &QToolButton::clicked, this, &TDatumEdit::showCalendar);
    createCalendar();
}

void TDatumEdit::createCalendar()
{
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::Box);
    m_calendar = new QCalendarWidget(m_popup);
    m_calendar->setObjectName(QStringLiteral("Kalendar"));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QCalendarWidget::activated, this, &TDatumEdit::choose);
    connect(m_calendar, &QCalendarWidget::clicked, this, &TDatumEdit::choose);
}

QString TDatumEdit::format() const
{
    return fieldcodec::dateFormat(locale());
}

QString TDatumEdit::text() const
{
    return m_edit->text();
}

void TDatumEdit::setText(const QString& text)
{
    m_edit->setText(text);
}

QDate TDatumEdit::date() const
{
    return locale().toDate(m_edit->text().trimmed(), format());
}

void TDatumEdit::setDate(const QDate& date)
{
    m_edit->setText(date.isValid() ? locale().toString(date, format()) : QString());
}

bool TDatumEdit::isCalendarShown() const
{
    return m_popup->isVisible();
}

void TDatumEdit::showCalendar()
{
    if (!isEnabled())
        return;
    const QDate shown = date().isValid() ? date() : QDate::currentDate();
    m_calendar->setSelectedDate(shown);
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    m_calendar->setFocus();
}

void TDatumEdit::choose(const QDate& date)
{
    // A click is followed by an activation when it was a double click.
    if (!m_popup->isVisible())
        return;
    m_popup->hide();
    setDate(date);
    m_edit->setFocus();
    emit textEdited(m_edit->text());
}

void TDatumEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int button = height();
    m_edit->setGeometry(0, 0, width() - button, height());
    m_button->setGeometry(width() - button, 0, button, height());
}

void TDatumEdit::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_popup->hide();
}
