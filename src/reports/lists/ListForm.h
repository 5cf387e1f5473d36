#pragma once

#include "ReportLayout.h"

// Changes a list makes to its fresh form before each run.
namespace lists {

// Moves the performer, the genre and their captions off the carrier rows, or
// puts them back in their places.
void showPerformerAndGenre(report::ReportLayout& layout, bool shown);

// A caption the run sets (the genre, the kind, the performer).
void setCaption(report::ReportLayout& layout, const QString& name, const QString& text);

// Every caption prints whole on its line: a box narrower than its text widens
// to the right, or about its centre when centred, never past the band; what
// is still too long wraps and its band grows. The date is given room for
// today in the same way.
void fitCaptions(report::ReportLayout& layout);
void fitToday(report::ReportLayout& layout, const QString& name);

} // namespace lists
