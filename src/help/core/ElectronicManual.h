#pragma once

#include "ProgramFolder.h"

#include <QString>

// The electronic manual of the program family: an outside launcher in the
// program folder that opens the program's start page. Neither belongs to this
// program; the manual counts as installed while both files are there. Names
// are matched without regard to letter case, and the launcher may come
// without its ".exe".
class ElectronicManual final
{
public:
    explicit ElectronicManual(const ProgramFolder& folder);

    // The start page relative to the program folder, as the launcher expects it.
    static QString startPage();

    // The launcher's path, or empty when it is not there.
    QString launcher() const;
    // The start page's path, or empty when it is not there.
    QString page() const;
    bool isInstalled() const;

    // Starts the launcher with the start page as its parameter and the program
    // folder as its working directory, and does not wait for it. Does nothing
    // when either file is missing. Returns whether the launcher was started.
    bool start() const;

private:
    ProgramFolder m_folder;
};
