#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace search {

// The two shapes of the auxiliary table: one row per carrier, or one row per
// non-empty track of each carrier.
enum class Shape
{
    PerCarrier,
    PerTrack
};

// One key of the search dialog: what it offers, which copy it needs and how
// its result list is built from that copy.
struct Criterion
{
    QString code;  // "1"-"7", the code the result list reads
    QString label; // the line of the search dialog
    QString hint;
    QString heading;   // the heading of the builder window and the result list
    int topOffset = 0; // the builder stands this far below the search dialog's top
    Shape shape = Shape::PerCarrier;
    QString index;      // the index of the auxiliary table the list walks
    QString keyField;   // rows where it is empty give no entry
    QStringList path;   // the levels of the entry, from the top
    bool sorted = true; // false: the entries keep the index order
};

// The seven keys in the order the search dialog lists them; that order is not
// the order of the codes.
const QList<Criterion>& criteria();
const Criterion* criterion(const QString& code);

} // namespace search
