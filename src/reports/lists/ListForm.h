#pragma once

#include "ReportLayout.h"

// Changes a list makes to its fresh form before each run.
namespace lists {

// Moves the performer, the genre and their captions off the carrier rows, or
// puts them back in their places.
void showPerformerAndGenre(report::ReportLayout& layout, bool shown);

// A caption the run sets (the genre, the kind, the performer).
void setCaption(report::ReportLayout& layout, const QString& name, const QString& text);

// The date is given room for today as captions are (report::fitCaptions).
void fitToday(report::ReportLayout& layout, const QString& name);

} // namespace lists
