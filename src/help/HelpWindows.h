#pragma once

#include <QObject>

#include <memory>

class HlavniSluzby;
class TipStepper;
class TNapovedaDialog;
class TTipyDialog;
class TUvitaniDialog;

// The help windows of the program, created once and shown and hidden for the
// whole run: the tips window, the welcome balloon and the help balloon, with
// the tip stepper they share with the main window's tips toolbar. The main
// window creates one object of this class and calls its commands; the windows
// reach the main window only through `HlavniSluzby`.
//
// The windows have no parent: the main window disables itself while they are
// up, which must not disable them.
class HelpWindows final : public QObject
{
    Q_OBJECT

public:
    explicit HelpWindows(HlavniSluzby& sluzby, QObject* parent = nullptr);
    ~HelpWindows() override;

    // The windows are made one by one, each at its place in the program's
    // creation order: the welcome balloon, the help balloon, the tips window.
    void createUvitani();
    void createNapoveda();
    void createTipy();
    // All three at once, for callers that do not count the steps.
    void createAll();

    // The main window's first showing: opens the tips table (the toolbar's
    // tip line follows `tipStepper()`), then shows the tips window, or the
    // welcome balloon and the figure, as the settings say.
    void presentAtStart();

    // "Zobrazit &Tipy dne...".
    void showTips();
    // F1, "Nápo&věda pro Fonarium 2000" and the help button of the window bar.
    void showHelp();
    // For the assistant figure's double click.
    void showWelcomeFromFigure();
    // "&Elektronický manuál" and EM1; does nothing unless the manual is installed.
    bool startManual();
    // Whether EM and EM1 are enabled.
    bool isManualInstalled() const;

    TipStepper& tipStepper() const { return *m_stepper; }
    TTipyDialog* tipyDialog() const { return m_tipy.get(); }
    TUvitaniDialog* uvitaniDialog() const { return m_uvitani.get(); }
    TNapovedaDialog* napovedaDialog() const { return m_napoveda.get(); }

private:
    HlavniSluzby& m_sluzby;
    TipStepper* m_stepper;
    std::unique_ptr<TNapovedaDialog> m_napoveda;
    std::unique_ptr<TUvitaniDialog> m_uvitani;
    std::unique_ptr<TTipyDialog> m_tipy;
};
