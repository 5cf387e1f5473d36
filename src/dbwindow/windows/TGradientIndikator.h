#pragma once

#include <QProgressBar>

// A progress bar without text whose filled part runs from white at its left
// end to red at the point reached, on the light-yellow ground of the window.
class TGradientIndikator final : public QProgressBar
{
    Q_OBJECT

public:
    explicit TGradientIndikator(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
