#pragma once

class QTextStream;
class TTable;

// Writes every record of an open table as CSV in its current index order, with
// the field names as the first line. Fields holding a comma, a quote or a line
// break are quoted.
void writeCsv(TTable* table, QTextStream& out);
