#pragma once

#include "ReportLayout.h"

namespace report {

// Gives `element` room for `text` on one line: a box narrower than the text
// widens to the right, or about its centre when centred, never past the band.
void widenToText(Element& element, const QString& text, qreal bandWidth);

// Every caption of the layout that reads across prints whole on its line, as
// the report's own texts are meant to; what is still too long for the band
// wraps.
void fitCaptions(ReportLayout& layout);

} // namespace report
