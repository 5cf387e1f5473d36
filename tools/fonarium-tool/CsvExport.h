#pragma once

#include "Status.h"

class QTextStream;
class TTable;

// Writes every record of an open table as CSV in its current index order, with
// the field names as the first line. Fields holding a comma, a quote or a line
// break are quoted. Numbers have a decimal point and dates are yyyy-MM-dd,
// whatever the user's locale.
Status writeCsv(TTable* table, QTextStream& out);
