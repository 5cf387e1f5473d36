#pragma once

#include "Status.h"

#include <QStringList>

#include <functional>

class QIODevice;
class TableScan;

// Writes the records a scan yields, in its order, as UTF-8 CSV: a header of
// the field names, then one record a line. Numbers have a decimal point and
// dates are yyyy-MM-dd whatever the user's locale, notes keep their line
// breaks; lines end with CR LF. A byte-order mark first lets spreadsheets
// recognise UTF-8 without asking.
namespace csvexport {

struct Options
{
    bool byteOrderMark = false;
};

// Fills the values of the next record; false after the last one.
using NextRecord = std::function<bool(QStringList* values)>;

// Any source of records; `written` tells how many went out.
Status write(const QStringList& header, const NextRecord& next, QIODevice* out,
             Options options = {}, int* written = nullptr);
// The records a scan yields, every field as its value text.
Status write(TableScan& scan, QIODevice* out, Options options = {}, int* written = nullptr);

} // namespace csvexport
