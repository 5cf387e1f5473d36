#pragma once

#include <QLabel>

// The loan mark: "Půjčeno" in red while the carrier is lent, in grey
// otherwise. A click on it opens the loan card.
class TPujcenoLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit TPujcenoLabel(QWidget* parent = nullptr);

    void setLent(bool lent);
    bool isLent() const { return m_lent; }

    static QColor lentColour() { return {255, 0, 0}; }
    static QColor notLentColour() { return {128, 128, 128}; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_lent = false;
    bool m_pressed = false;
};
