#pragma once

#include <QTimer>
#include <QWidget>

// A sheet of paper that flies in an arc from one folder to another, again and
// again, for as long as files are being prepared.
class TKopirovaniAnimace final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFrames = 24;

    explicit TKopirovaniAnimace(QWidget* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void advance();
    void paintFolder(QPainter& painter, const QRectF& place) const;
    void paintSheet(QPainter& painter, const QPointF& centre, qreal tilt) const;

    QTimer m_timer;
    int m_frame = 0;
};
