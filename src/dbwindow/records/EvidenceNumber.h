#pragma once

#include "Status.h"

class TTable;

namespace evidencenumber {

// Refuses the record being edited in `edited` when another carrier of the
// same table file already has its evidence number: the loans, the search by
// number and the report of one carrier would all find that other carrier.
// The file is read through a table object of its own, so the cursor, index
// and filter of `edited` stay as they are. An empty number is not checked,
// and carriers that already share a number elsewhere in the file are left
// alone.
Status checkUnique(const TTable& edited);

} // namespace evidencenumber
