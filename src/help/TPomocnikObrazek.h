#pragma once

#include <QBitmap>
#include <QImage>
#include <QWidget>

// The picture of the assistant: a cheerful gramophone record with a face, one
// hand waving. It fills the figure window, whose shape follows its outline.
class TPomocnikObrazek final : public QWidget
{
    Q_OBJECT

public:
    explicit TPomocnikObrazek(QWidget* parent = nullptr);

    static QSize pictureSize() { return {104, 104}; }
    // The picture on a transparent ground, at the given device pixel ratio.
    static QImage picture(qreal devicePixelRatio = 1.0);
    // Set where the picture is opaque, at one pixel per logical pixel.
    static QBitmap outline();
    // The colour the window shows where the picture's soft edge lets it through.
    static QColor edgeColour();

protected:
    void paintEvent(QPaintEvent* event) override;
};
