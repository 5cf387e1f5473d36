#pragma once

#include <QWidget>

// A horizontal bar filled from the left in a gradient that runs from blue at
// the empty end to red at the full end, so a nearly full carrier looks red.
class TGradProgress final : public QWidget
{
    Q_OBJECT

public:
    explicit TGradProgress(QWidget* parent = nullptr);

    int maximum() const { return m_maximum; }
    int position() const { return m_position; }
    void setRange(int maximum, int position);

    // The filled share, 0 to 1. A position beyond the maximum fills the bar.
    double fraction() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_maximum = 0;
    int m_position = 0;
};
