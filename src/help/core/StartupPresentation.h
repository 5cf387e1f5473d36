#pragma once

#include "ProgramFolder.h"

#include <QString>

// What the program shows at start-up and when the tips window closes: the
// tips window, the welcome balloon, the assistant figure. The decisions follow
// the settings alone, so they are kept apart from the windows that carry them
// out.
//
//   Fonarium2000.ini [Zobrazit] Tipy    1: the tips window opens at start-up
//   Fonarium2000.ini [Kontrola] Tipy    "1" once the tips window was closed in this run
//   Korvex.ini       [Nastaveni] Pomocnik "1": the figure was on the screen at the last exit
//   Korvex.ini       [Nastaveni] Uvitani  "1": the welcome balloon greets the user
class Status;

class StartupPresentation final
{
public:
    struct Steps
    {
        bool tips = false;
        bool welcome = false;
        bool assistant = false;

        bool operator==(const Steps&) const = default;
    };

    explicit StartupPresentation(const ProgramFolder& folder);

    // Decided when the main window is first shown.
    static Steps atStart(int tipy, const QString& pomocnik, const QString& uvitani);
    // Decided when the tips window closes; only the first closing of a run
    // carries the presentation on.
    static Steps afterTipsClosed(const QString& kontrolaTipy, const QString& pomocnik,
                                 const QString& uvitani);

    // Reads the settings and decides. A run starts with the tips window not
    // yet closed, even when the last run ended without resetting the mark.
    // A mark that cannot be written is told through `written`.
    Steps start(Status* written = nullptr) const;
    // Stores the tips window's check box, decides and marks the tips window
    // as closed in this run.
    Steps tipsClosed(bool showTipsAtStart, Status* written = nullptr) const;

    // Whether the tips window opens at start-up; a missing key means yes, as a
    // new program folder has it.
    bool tipsAtStart() const;

private:
    QString pomocnik() const;
    QString uvitani() const;

    ProgramFolder m_folder;
};
