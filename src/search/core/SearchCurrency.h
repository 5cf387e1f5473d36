#pragma once

#include "SearchCriteria.h"
#include "Status.h"

#include <QString>

namespace search {

// Which database the auxiliary table holds in which shape: the keys Pomocna
// (per carrier) and Pomocna1 (per track) of section Kontrola of the program
// settings, "0" when that copy is not current, else its slot "1"-"4". At most
// one of them names a slot, because a build overwrites the only table.
class SearchCurrency final
{
public:
    explicit SearchCurrency(QString programIniPath);

    static QString keyOf(Shape shape);

    // A missing key is never current.
    bool isCurrent(Shape shape, int slot) const;
    // The slot whose copy the table holds in that shape, 0 for none.
    int slot(Shape shape) const;

    // Before a build overwrites the table neither copy can be trusted; if the
    // build fails, both stay so.
    Status beginBuild() const;
    // A search build that ran to its end. A slot outside 1-4 marks nothing.
    Status markBuilt(Shape shape, int slot) const;
    // A report filled the table with a copy of its own (under a kind filter,
    // by performer): neither search may take it for a copy of its database.
    Status markReportCopy() const;
    // The per-track copy was made under the kind choice of its time; another
    // choice changes which tracks belong in it.
    Status kindChoiceChanged() const;
    // At the end of a run and when the settings are restored.
    Status markAllStale() const;

private:
    Status write(Shape shape, int value) const;

    QString m_path;
};

} // namespace search
