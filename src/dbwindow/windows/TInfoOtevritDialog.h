#pragma once

#include "DialogGuard.h"

#include <QWidget>

class QLabel;
class TGradientPruh;
class TKopirovaniAnimace;

// The progress window shown while a database is being opened: the name of
// the database, a file-copy animation and a bar from 0 to 100. It disables
// the main window from its creation and frees itself when it is closed.
class TInfoOtevritDialog final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kSize{300, 128};

    explicit TInfoOtevritDialog(HlavniSluzby& sluzby);
    ~TInfoOtevritDialog() override;

    void setText(const QString& name);
    // Shows the window, starts the animation and paints at once.
    void start();
    // Moves the bar and paints it before the work goes on.
    void setProgress(int value);
    int progress() const;
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
