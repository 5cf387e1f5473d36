#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

class ProgramFolder;
class QMdiSubWindow;
class TDataModule1;
struct BalloonRule;

// What the main window offers every dialog: its status-bar indicators, the
// enabling of itself and of the assistant figure while a dialog is up, the
// balloon placement beside the figure, the event sounds, and the data. Dialogs
// reach the main window only through this, never through its members.
class HlavniSluzby
{
public:
    virtual ~HlavniSluzby() = default;

    virtual const ProgramFolder& programFolder() const = 0;
    virtual TDataModule1* dataModule() const = 0;

    // The activity indicators "SBO1" ... "SBO10" of panel 2 and the slot images
    // "SBD1" ... "SBD4" of panel 3.
    virtual void setIndicator(const QString& name, bool visible) = 0;
    virtual bool isIndicatorVisible(const QString& name) const = 0;

    // While a dialog is up, neither the main window nor the figure reacts.
    virtual void setMainEnabled(bool enabled) = 0;
    virtual void setAssistantEnabled(bool enabled) = 0;

    // Shows the assistant figure when the suite settings say it is not on the
    // screen, makes room for a balloon of `dialogSize` and returns its position.
    virtual QPoint placeBalloon(const BalloonRule& rule, const QSize& dialogSize) = 0;
    virtual void showAssistant() = 0;

    // An event sound by its file name ("Dialog.wav"); silence when missing.
    virtual void playSound(const QString& fileName) = 0;

    // The slot 1-4 of the active database window, 0 when none is open.
    virtual int activeDatabaseSlot() const = 0;

    // A database window joins the document area, still hidden; it shows itself.
    virtual void addDocumentWindow(QMdiSubWindow* window) = 0;
    // The database window of slot 1-4, or null while that database is not open.
    virtual QMdiSubWindow* documentWindow(int slot) const = 0;

    // A command item by its name ("MS4", "TD1", "UD10", "MU8"); the main window
    // may enable it again by its own rules.
    virtual void setCommandAvailable(const QString& name, bool available) = 0;
    // A toolbar ("DatabazeL"), a side-bar page ("LookOutPage1") or a main menu
    // ("MenuSoubor") as a whole.
    virtual void setPartEnabled(const QString& name, bool enabled) = 0;

    // Closes the main window the way the user does; its exit sequence decides.
    virtual void closeMain() = 0;
};
