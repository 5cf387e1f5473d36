#pragma once

#include "IniFile.h"
#include "Status.h"

#include <QString>

// The program INI file by what its keys mean: which databases are open, which
// database the auxiliary search table holds a copy of, the chosen picture
// and the shown bars. The file is read and written on every call, byte for
// byte as IniFile keeps it; flags are written as "1" and "0".
class ProgramSettings final
{
public:
    // The two builds of the auxiliary table, each with its own currency flag.
    enum class SearchBuild
    {
        Pomocna,
        Pomocna1
    };

    explicit ProgramSettings(QString programIniPath);

    const QString& path() const { return m_ini.path(); }

    // Otevreni/Databaze1 ... Databaze4.
    bool isDatabaseOpen(int slot) const;
    [[nodiscard]] Status setDatabaseOpen(int slot, bool open) const;

    // Kontrola/Pomocna and Kontrola/Pomocna1: the slot 1-4 whose copy the
    // auxiliary table holds in that shape, 0 for none; anything else reads as 0.
    int searchCopy(SearchBuild build) const;
    [[nodiscard]] Status setSearchCopy(SearchBuild build, int slot) const;
    // The carriers of database `slot` changed: neither copy of it is current.
    [[nodiscard]] Status forgetSearchCopies(int slot) const;

    // Obrazek/Obrazek: the picture chosen for the front labels, empty for none.
    QString picturePath() const;
    [[nodiscard]] Status setPicturePath(const QString& path) const;

    // Zobrazit/<key>: a bar ("Standardni", "PanelOutlook") or the tips window at
    // start-up ("Tipy") is shown.
    bool isViewShown(const QString& key) const;
    [[nodiscard]] Status setViewShown(const QString& key, bool shown) const;

    // What belongs to one run only, put back by the exit sequence: no database
    // open, neither search build current, no picture, the tips not yet shown.
    // Every key is tried; the first failure is returned.
    [[nodiscard]] Status resetRunKeys() const;

private:
    IniFile m_ini;
};
