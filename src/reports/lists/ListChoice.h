#pragma once

#include <QString>

class TableScan;

// What a list is made for: the kind item ticked in the Nástroje menu ("N0",
// "NO1" ... "NO5") and the genre item of the alphabetical list ("D0",
// "DR1" ... "DR29"). The header of a list tells this choice, and the same
// choice decides which carriers are listed, so the two always agree.
struct ListChoice
{
    QString kindItem = QStringLiteral("N0");
    QString genreItem = QStringLiteral("D0");

    // Data and MP3 discs carry no performer and no genre; their lists ignore
    // the genre.
    bool withoutPerformer() const;
    // The kind a carrier must be of; any kind but none for "N0".
    bool acceptsKind(const TableScan& record) const;
    // The kind and, where it applies, the genre.
    bool acceptsKindAndGenre(const TableScan& record) const;

    // The kind after "Použitý výběr :": "MC nosič", "Všechny nosiče"; the
    // performer list writes "všechny nosiče" for all kinds.
    QString kindCaption(bool performerList = false) const;
    // The genre before it: "Rock", "Všechny druhy", "Bez omezení".
    QString genreCaption() const;
};
