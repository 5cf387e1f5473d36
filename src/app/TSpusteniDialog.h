#pragma once

#include <QWidget>

class TGradientPruh;

// The splash window shown while the program creates its windows: the
// program's name and version over a light-yellow panel and the bar that tells
// how far the start has got.
class TSpusteniDialog final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kSize{339, 288};

    explicit TSpusteniDialog(QWidget* parent = nullptr);

    // Shows the window and returns once it is on the screen (or after a second
    // on a window system that never says so).
    void showPainted();

    // Paints at once: there is no event loop yet while the program starts.
    void setProgress(int value);
    int progress() const;

    void centreOnScreen();

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createTexts();
    void createMetr();

    TGradientPruh* m_metr = nullptr;
    bool m_painted = false;
};
