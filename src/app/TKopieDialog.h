#pragma once

#include "TBublina.h"

class QTimer;
class TOfficeButton;

// The warning a second copy of the program shows beside the assistant figure
// before it ends. It blinks between two pinks so it is not overlooked.
class TKopieDialog final : public TBublina
{
    Q_OBJECT

public:
    static constexpr QSize kSize{320, 97};
    static constexpr int kBlinkMs = 500;
    static QColor firstColour(); // the colour it starts with
    static QColor secondColour();

    explicit TKopieDialog(QWidget* parent = nullptr);

signals:
    // "Ok", Enter or Esc.
    void confirmed();
    // However it went away.
    void dismissed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createContents();
    void blink();

    QTimer* m_timer;
};
