#pragma once

#include <optional>

class QPrinter;
class QWidget;

// The platform's printer set-up dialog behind a seam: tests give the answer
// the user would have given and no window comes up.
class PrinterSetup final
{
public:
    // Lets the user choose a printer and its settings for `printer`; true when
    // confirmed, in which case `printer` holds the choice.
    static bool exec(QPrinter* printer, QWidget* parent);

    // The next exec() returns `answer` at once without showing anything.
    static void setNextAnswer(std::optional<bool> answer);
    // How many dialogs would have come up since the last call.
    static int takeShownCount();

private:
    static std::optional<bool>& nextAnswer();
    static int& shownCount();
};
