#pragma once

#include "BalloonRule.h"
#include "ProgramFolder.h"

#include <QPoint>
#include <QWidget>

class Status;
class TPomocnikObrazek;
class TZvuky;

// The assistant figure: a small borderless picture that stays above all
// windows and that the balloon dialogs point at. Showing it writes Pomocnik
// = "1" to the suite settings, closing it writes "0", so the next run knows
// whether it was on the screen. The program only hides it; the user closes it.
class TPomocnikDialog final : public QWidget
{
    Q_OBJECT

public:
    // Sounds go through `zvuky`, shared with the other windows so that a new
    // sound cuts off the one playing; without it the figure keeps its own.
    explicit TPomocnikDialog(const QString& programFolder, TZvuky* zvuky = nullptr,
                             QWidget* parent = nullptr);

    // Makes room for a balloon of `dialogSize` by the rule of its caller, moving
    // the figure home when the balloon would not fit, and returns where the
    // balloon goes.
    QPoint placeBalloon(const BalloonRule& rule, const QSize& dialogSize);

    // The screen area the figure lives in.
    QRect screenArea() const;

    // Where the figure stands on the screen, and moving it there. The figure
    // has no frame, so this is its own rectangle. The frame the window system
    // reports would lag behind: a window manager that has just taken the
    // figure in still reports the empty frame it put it in, as small as 1 x 1.
    QRect standing() const { return geometry(); }
    void standAt(const QPoint& topLeft);

signals:
    void doubleClicked();
    // Whether the figure is on the screen could not be stored for the next start.
    void settingsNotWritten(const Status& status);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void createPicture();
    void writeShown(bool shown);

    ProgramFolder m_folder;
    TZvuky* m_zvuky;
    TPomocnikObrazek* m_obrazek = nullptr;
    // Where the pointer holds the figure while the window system cannot drag it.
    QPoint m_dragOffset;
    bool m_dragging = false;
};
