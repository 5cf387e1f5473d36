#pragma once

#include <QString>

#include <functional>

// What the report windows ask of the search: a copy of a database in the
// auxiliary table AudioI, made under the search's progress window, and the
// two pickers that offer the copy's performers and titles.
//
// A report's copy takes the carriers of the kind ticked in the Nástroje menu,
// whatever filter the database window has; it never counts as a search copy
// (Pomocna and Pomocna1 are 0 afterwards).
class ReportCopies
{
public:
    enum class Copy
    {
        Titles,     // one row per carrier with a title, header fields only
        Performers, // one row per carrier with a performer, header fields only
        Full        // one row per carrier with a title, tracks included
    };

    // The report to run for the entry the user confirmed: a performer or a
    // title, exactly as the copy holds it (empty after Enter on no entry).
    using Run = std::function<void(const QString& key)>;

    virtual ~ReportCopies() = default;

    // Rebuilds AudioI from the carrier table of `slot`. False when the copy
    // could not be made; the user has then been told why.
    virtual bool rebuildForReport(int slot, Copy copy) = 0;

    // The performer picker over the copy; `mode` 'N' names its confirm button
    // "Náhled", 'T' "Tisk". `run` is called after the picker closed.
    virtual void pickPerformer(QChar mode, Run run) = 0;
    // The title picker; `variant` '1' short, '2' full.
    virtual void pickTitle(QChar mode, QChar variant, Run run) = 0;

protected:
    ReportCopies() = default;
    ReportCopies(const ReportCopies&) = default;
    ReportCopies& operator=(const ReportCopies&) = default;
};
