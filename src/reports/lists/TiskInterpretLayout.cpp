#include "ListElements.h"
#include "ListLayouts.h"

namespace lists {

// The performer list: a heading per performer, then a line per carrier.
report::ReportLayout tiskInterpretLayout()
{
    const report::FontSpec small = times(8);
    const report::FontSpec plain = times(10);
    const report::FontSpec italic = times(10, false, true);
    report::ReportLayout layout;
    layout.name = QStringLiteral("TiskInterpretDialog");
    layout.bands.append(
        {report::BandKind::PageHeader,
         19.8,
         {caption("QRLabel5", QStringLiteral("Abecední seznam interpretů"), {51.9, 0.3, 86.5, 8.5},
                  times(20, true)),
          runCaption("QRLabel9", {59.8, 8.5, 70.1, 6.6}, times(14, true), Qt::AlignHCenter),
          caption("QRLabel8", QStringLiteral("Aktuální satav ze dne :"), {1.6, 14.8, 28.0, 4.5},
                  small),
          systemData("QRSysData2", report::ElementKind::Date, {30.4, 14.8, 8.2, 4.5}, small),
          caption("QRLabel7", QStringLiteral("Použitý výběr :"), {145.0, 14.8, 19.1, 4.5}, small),
          runCaption("QRLabel10", {164.6, 14.8, 24.1, 4.5}, small, Qt::AlignHCenter)},
         {}});
    layout.bands.append({report::BandKind::GroupHeader,
                         7.9,
                         {caption("QRLabel6", QStringLiteral(" - "), {0.8, 0.0, 2.9, 5.0}, plain),
                          field("I1", "INTERPRET", {6.3, 0.0, 131.5, 6.1}, times(14, true))},
                         QStringLiteral("INTERPRET")});
    layout.bands.append(
        {report::BandKind::Detail,
         5.8,
         {field("N1", "NAZEV", {6.3, 0.0, 77.3, 5.0}, plain),
          caption("QRLabel2", QStringLiteral("Hudební žánr :"), {83.9, 0.0, 21.7, 5.0}, italic),
          field("D1", "ZANR", {105.8, 0.0, 50.5, 5.0}, plain),
          caption("QRLabel1", QStringLiteral("Číslo nosiče :"), {158.0, 0.0, 19.8, 5.0}, italic),
          field("NO1", "CISLO", {178.9, 0.0, 11.1, 5.0}, plain)},
         {}});
    layout.bands.append(listFooter());
    return layout;
}

} // namespace lists
