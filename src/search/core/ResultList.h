#pragma once

#include "ResultTree.h"
#include "SearchCriteria.h"
#include "Status.h"

class TTable;

namespace search {

// The result tree of a criterion, from the auxiliary table at `path`: one
// pass, one path for each row whose key field is not empty, then sorted
// unless the criterion keeps the order of its index (evidence numbers
// ascending by value).
Status fillResults(const Criterion& criterion, const QString& path, ResultTree* tree);

// Moves the carrier table of a database window to the carrier an entry leads
// to: for the number search the carrier with that evidence number, for the
// title search the first carrier in title order whose title is exactly the
// entry's, otherwise the carrier with the entry's number and title. The
// table keeps its index and filter. When no carrier that the window shows
// matches (it was changed, deleted or filtered away since the copy was made),
// the table stays where it was and the message says so.
Status showCarrier(TTable& table, const QString& code, const ResultTree::Target& target);

} // namespace search
