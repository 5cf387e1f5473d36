#pragma once

#include "ReportLayout.h"

// The three carrier lists, each declared in its own file with the boxes it was
// measured with. Data-bound elements carry their field name and read the
// rows the list was given.
namespace lists {

// Where the performer, the genre and their captions stand on the carrier rows.
struct PerformerPlaces
{
    static constexpr qreal performerCaption = 83.3; // QRLabel2
    static constexpr qreal performer = 97.6;        // I1
    static constexpr qreal genreCaption = 63.0;     // QRLabel10
    static constexpr qreal genre = 84.1;            // Z1
};

// The detail band of the alphabetical list: short one row, full three.
constexpr qreal kAbecedaShortBand = 6.35;
constexpr qreal kAbecedaFullBand = 24.34;
// The selected carrier: its three rows, then with the track section.
constexpr qreal kVybranyShortBand = 24.08;
constexpr qreal kVybranyFullBand = 131.23;

report::ReportLayout tiskAbecedaLayout();
report::ReportLayout tiskInterpretLayout();
report::ReportLayout tiskAbeceda1Layout();

// The rows 1 to 3 of a carrier, shared by the alphabetical list and the
// selected carrier.
QList<report::Element> carrierRows();
// "Strana :", the page number and the brand at the foot of every list page.
report::Band listFooter();

} // namespace lists
