#pragma once

#include <QPixmap>
#include <QWidget>

// A status-bar picture that keeps its colours while the main window is
// disabled, which is exactly when a dialog shows its indicator.
class TIndikator final : public QWidget
{
    Q_OBJECT

public:
    TIndikator(const QPixmap& picture, QWidget* parent = nullptr);

    const QPixmap& picture() const { return m_picture; }
    QSize sizeHint() const override { return m_picture.deviceIndependentSize().toSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
