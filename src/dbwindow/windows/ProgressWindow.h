#pragma once

#include "DialogGuard.h"
#include "DialogLook.h"
#include "Status.h"

#include <QList>
#include <QWidget>

#include <functional>

class HlavniSluzby;
class QLabel;
class TGradientPruh;

// A small frameless window that shows how far a long piece of work has got:
// a text and a bar that steps through the positions of the work's phases, or
// follows a count of steps. While it is up, its indicator stands in the status bar and
// the main window does not react; it announces itself with its sound and
// frees itself when it closes. What differs between the progress windows is
// given to the constructor; a derived window adds its picture above the text.
class ProgressWindow : public QWidget
{
    Q_OBJECT

public:
    struct Phase
    {
        int position;
        QString text; // empty: the text stays as it was
    };
    struct Setup
    {
        QString name;      // the window's object name
        QString indicator; // the status-bar indicator shown while it is up
        QString sound;     // played when it appears
        QSize size;
        QList<Phase> phases;
        bool disablesAssistant = false;
        // Where the text and the bar stand; empty: centred at the bottom.
        QRect textBox;
        QRect barBox;
        QFont textFont = classicFont(true);
        Qt::Alignment textAlignment = Qt::AlignCenter;
    };

    // The information window most work shows: indicator SBO3, the sound
    // "Info.wav", and phases at `positions` that keep the text as it is.
    static Setup informationSetup(const QString& name, const QSize& size,
                                  std::initializer_list<int> positions = {});

    ~ProgressWindow() override;

    void setText(const QString& text);
    QString text() const;

    // Shows the window in front and paints it at once: the work that follows
    // keeps the event loop busy.
    void start();
    // Moves the bar. It is painted, and the window system given the picture,
    // only when the fill grows by a pixel: a build may take a million steps.
    void setProgress(int value);
    int progress() const;
    // The bar runs from 0 to 100 unless the work counts its own steps.
    void setMaximum(int maximum);
    int maximum() const;
    // The next phase of the work: the bar moves to its position, its text
    // replaces the shown one. Past the last phase nothing moves.
    void nextPhase();
    int phaseIndex() const { return m_phase; }

    // Closes the window and gives the main window back; more calls do nothing.
    void finish();
    bool isFinished() const { return m_finished; }

    // Starts, runs the work and finishes whatever the work returns.
    Status run(const std::function<Status()>& work);

protected:
    ProgressWindow(HlavniSluzby& sluzby, Setup setup);

    // Where the text and the bar begin; a derived window paints above it.
    int contentTop() const;
    // Lets the window system show what was painted; the user's input waits.
    void catchUp();
    virtual void started() {}
    virtual void stopped() {}

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createContents();

    HlavniSluzby& m_sluzby;
    const Setup m_setup;
    DialogGuard m_guard;
    QLabel* m_text = nullptr;
    TGradientPruh* m_indikator = nullptr;
    int m_phase = -1;
    int m_paintedFill = -1;
    bool m_finished = false;
};
