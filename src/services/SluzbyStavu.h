#pragma once

#include <QString>

class Status;

// The main window's indicators and enabling, as a dialog uses them.
class SluzbyStavu
{
public:
    virtual ~SluzbyStavu() = default;

    // The activity indicators "SBO1" ... "SBO10" of panel 2 and the slot images
    // "SBD1" ... "SBD4" of panel 3.
    virtual void setIndicator(const QString& name, bool visible) = 0;
    virtual bool isIndicatorVisible(const QString& name) const = 0;

    // While a dialog is up, neither the main window nor the figure reacts.
    virtual void setMainEnabled(bool enabled) = 0;
    virtual void setAssistantEnabled(bool enabled) = 0;

    // A command item by its name ("MS4", "TD1", "UD10", "MU8"); the main window
    // may enable it again by its own rules.
    virtual void setCommandAvailable(const QString& name, bool available) = 0;
    // A toolbar ("DatabazeL"), a side-bar page ("LookOutPage1") or a main menu
    // ("MenuSoubor") as a whole.
    virtual void setPartEnabled(const QString& name, bool enabled) = 0;

    // Closes the main window the way the user does; its exit sequence decides.
    virtual void closeMain() = 0;

    // A failure that nothing else reports, told to the user in the program's
    // message balloon.
    virtual void reportError(const Status& status) = 0;

protected:
    SluzbyStavu() = default;
    SluzbyStavu(const SluzbyStavu&) = default;
    SluzbyStavu& operator=(const SluzbyStavu&) = default;
};
