#include "ListElements.h"
#include "ListLayouts.h"

namespace lists {

QList<report::Element> carrierRows()
{
    const report::FontSpec plain = times(10);
    const report::FontSpec bold = times(10, true);
    return {
        caption("QRLabel15", QStringLiteral(" - "), {0.8, 0.0, 2.9, 5.0}, plain),
        field("N1", "NAZEV", {4.2, 0.0, 77.3, 5.0}, bold),
        caption("QRLabel2", QStringLiteral("Interpret :"),
                {PerformerPlaces::performerCaption, 0.0, 14.0, 5.0}, plain),
        field("I1", "INTERPRET", {PerformerPlaces::performer, 0.0, 57.4, 5.0}, bold),
        caption("QRLabel1", QStringLiteral("Číslo nosiče :"), {156.6, 0.0, 19.1, 5.0}, plain),
        field("NO1", "CISLO", {176.7, 0.0, 11.1, 5.0}, bold),
        caption("QRLabel6", QStringLiteral("Druh nosiče :"), {4.2, 6.9, 19.1, 5.0}, plain),
        field("D2", "DRUH", {24.3, 6.9, 37.3, 5.0}, plain),
        caption("QRLabel10", QStringLiteral("Hudební žánr :"),
                {PerformerPlaces::genreCaption, 6.9, 20.6, 5.0}, plain),
        field("Z1", "ZANR", {PerformerPlaces::genre, 6.9, 34.9, 5.0}, plain),
        caption("QRLabel13", QStringLiteral("Datum pořízení :"), {143.4, 6.9, 23.0, 5.0}, plain),
        field("D1", "DATUM1", {167.2, 6.9, 20.6, 5.0}, plain),
        caption("QRLabel11", QStringLiteral("Poznámka :"), {4.2, 12.2, 15.9, 5.0}, plain),
        // A long note wraps inside its box and is cut at the box's bottom.
        field("P1", "POZNAMKA", {21.2, 12.2, 166.4, 11.4}, plain),
    };
}

report::Band listFooter()
{
    const report::FontSpec small = times(8);
    return {
        report::BandKind::PageFooter,
        6.3,
        {caption("QRLabel3", QStringLiteral("Strana :"), {1.6, 0.8, 10.0, 4.5}, small),
         systemData("QRSysData1", report::ElementKind::PageNumber, {11.9, 0.8, 10.0, 4.5}, small),
         caption("QRLabel4", QStringLiteral("Kavona Design '99"), {166.7, 0.8, 23.3, 4.5}, small)},
        {}};
}

} // namespace lists
