#pragma once

#include "ReportLayout.h"

// The three carrier labels, each declared in its own file with the boxes it
// was measured with. Data-bound elements carry their field name and no table:
// the label binds them before every run.
namespace labels {

report::ReportLayout tiskMCLayout();
report::ReportLayout tiskCD1Layout();
report::ReportLayout tiskCD2Layout();

} // namespace labels
