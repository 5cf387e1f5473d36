#pragma once

#include <QLabel>

// A line of the help topic list: plain text that turns blue and underlined
// under the pointer and reports a click of the left button.
class TOdkazLabel final : public QLabel
{
    Q_OBJECT

public:
    TOdkazLabel(const QString& text, QWidget* parent);

    // A click from code, as the mouse would give it.
    void click();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setLit(bool lit);
};
