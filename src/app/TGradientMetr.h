#pragma once

#include <QProgressBar>

// A progress bar whose filled part runs from white to red on a black ground,
// without a percentage.
class TGradientMetr final : public QProgressBar
{
    Q_OBJECT

public:
    explicit TGradientMetr(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
