#pragma once

#include <QLine>
#include <QList>
#include <QWidget>

// Red strike lines laid over an entry that cannot be chosen: one line, two
// pixels high, through the middle of each of its text lines. The lines let
// the mouse through to the entry beneath.
class TPreskrtnuti final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kThickness = 2;
    static QColor colour();

    explicit TPreskrtnuti(QWidget* parent = nullptr);

    // Each line runs from its start to its end at the height of its middle.
    void setLines(const QList<QLine>& lines);
    const QList<QLine>& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QLine> m_lines;
};
