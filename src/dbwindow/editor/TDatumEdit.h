#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QFrame;
class QLineEdit;
class QToolButton;

// A date typed in the short date form or chosen from a drop-down calendar. The
// editor may be empty: a carrier need not have an acquisition date. A typed
// text that is not a date stays as typed; the table refuses it when the
// record is saved.
class TDatumEdit final : public QWidget
{
    Q_OBJECT

public:
    explicit TDatumEdit(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // Invalid while the editor is empty or holds no date.
    QDate date() const;
    void setDate(const QDate& date);

    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* dropButton() const { return m_button; }
    QCalendarWidget* calendar() const { return m_calendar; }
    bool isCalendarShown() const;
    void showCalendar();

    QString format() const;
    // The editor is wide enough for every date of its locale.
    QSize sizeHint() const override;

signals:
    // The user typed or chose a date.
    void textEdited(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createCalendar();
    void choose(const QDate& date);
    QString longestDate() const;

    QLineEdit* m_edit = nullptr;
    QToolButton* m_button = nullptr;
    QFrame* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
};
