#pragma once

#include "SearchCriteria.h"
#include "Status.h"

#include <QString>

class ProgramFolder;
class TTable;

namespace search {

// What a build shows while it works: a phase text and a bar. The bar holds a
// position above its maximum at the maximum.
class BuildProgress
{
public:
    virtual ~BuildProgress() = default;
    virtual void setPhase(const QString& text) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setPosition(int position) = 0;
};

// The carrier table a build copies, in the order and under the filter it is
// read: a per-carrier copy takes every carrier, a per-track copy only those
// the database window shows.
struct BuildSource
{
    QString path;
    QString index;
    QString filter;
    // A per-carrier copy takes the carriers where this field is not empty.
    QString keyField = QStringLiteral("NAZEV");
    // A per-carrier copy with every field of its carrier, tracks included.
    bool withTracks = false;

    static BuildSource of(const TTable& table, Shape shape);
};

inline const QString kPreparing = QStringLiteral("Probíhá příprava pomocné databáze");
inline const QString kSeparating = QStringLiteral("Probíhá separace dat");

// Rebuilds the auxiliary table AudioI of the data folder from its empty
// templates and copies the source into it in the given shape:
//  - per carrier, one row for each carrier with a title (or whatever the
//    source's key field is), read under the source's filter;
//  - per track, one row for each non-empty track title, all first tracks
//    first, then all second tracks, and so on, with A1 holding the title.
// Each row carries the title, genre, kind, number, lengths, performer, note,
// loan mark and dates of its carrier; nothing else, unless a per-carrier copy
// is asked for with its tracks.
//
// The source is only read, never through a table object, so a window showing
// it keeps its record, index and filter. The table AudioI must be closed.
// On failure the auxiliary table may be incomplete; the caller treats it as
// not current.
Status buildAuxiliaryTable(Shape shape, const ProgramFolder& folder, const BuildSource& source,
                           BuildProgress& progress);

} // namespace search
