#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// A magnifying glass that circles over a sheet of text, for as long as data
// are being searched through. The build runs on the window's own thread, so
// besides its timer the animation also moves on when the work reports
// progress, never faster than its frame interval.
class TNajitAnimace final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFrames = 16;
    static constexpr int kInterval = 70; // milliseconds per frame

    explicit TNajitAnimace(QWidget* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return m_running; }
    int frame() const { return m_frame; }
    // Called as the work goes on: the next frame when its time has come.
    void tick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void advance();

    QTimer m_timer;
    QElapsedTimer m_sinceFrame;
    int m_frame = 0;
    bool m_running = false;
};
