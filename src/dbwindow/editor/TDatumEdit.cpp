#include "TDatumEdit.h"

#include "FieldCodec.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TDatumEdit::TDatumEdit(QWidget* parent) : QWidget(parent)
{
    m_edit = new QLineEdit(this);
    m_edit->setMaxLength(longestDate().size());
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

// The longest date the short form writes: month and weekday names differ in
// length, and a form with names ("30 Jun 2000") is longer than ten characters.
QString TDatumEdit::longestDate() const
{
    QString longest;
    const QFontMetrics metrics(m_edit ? m_edit->font() : font());
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            const QString text = locale().toString(QDate(2000, month, day), format());
            if (text.size() > longest.size() ||
                (text.size() == longest.size() &&
                 metrics.horizontalAdvance(text) > metrics.horizontalAdvance(longest)))
                longest = text;
        }
    }
    return longest;
}

QSize TDatumEdit::sizeHint() const
{
    const QFontMetrics metrics(m_edit->font());
    const int height = m_edit->sizeHint().height();
    // Frame and text margins of the line editor, then the drop-down button.
    const int text = metrics.horizontalAdvance(longestDate() + QLatin1Char('0'));
    return {text + 2 * m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4 + height,
            height};
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
    if (event->type() == QEvent::LocaleChange)
        m_edit->setMaxLength(longestDate().size());
}
