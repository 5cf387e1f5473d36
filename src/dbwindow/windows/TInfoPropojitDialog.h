#pragma once

#include "DialogGuard.h"

#include <QWidget>

class QLabel;
class TGradientPruh;
class TKopirovaniAnimace;

// The progress window of a link update between the loan register and the
// address books: what is being done, a file-copy animation and a bar from 0
// to 100. A new one is made for each update; it disables the main window
// from its creation and frees itself when it is closed.
class TInfoPropojitDialog final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kSize{300, 128};

    explicit TInfoPropojitDialog(HlavniSluzby& sluzby);
    ~TInfoPropojitDialog() override;

    // Shows the window with its text, starts the animation and paints at once.
    void start(const QString& text);
    void setProgress(int value);
    int progress() const;
    QString text() const;
    // Stops the animation and closes the window.
    void finish();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createContents();

    HlavniSluzby& m_sluzby;
    DialogGuard m_guard;
    TKopirovaniAnimace* m_animace = nullptr;
    QLabel* m_text = nullptr;
    TGradientPruh* m_indikator = nullptr;
};
