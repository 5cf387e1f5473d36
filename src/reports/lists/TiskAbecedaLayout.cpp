#include "ListElements.h"
#include "ListLayouts.h"

namespace lists {

// The alphabetical list: one carrier per band, by title. The header tells the
// genre and the kind the list was made for after "Použitý výběr :".
report::ReportLayout tiskAbecedaLayout()
{
    const report::FontSpec small = times(8);
    report::ReportLayout layout;
    layout.name = QStringLiteral("TiskAbecedaDialog");
    layout.bands.append(
        {report::BandKind::PageHeader,
         15.6,
         {caption("QRLabel5", QStringLiteral("Abecední seznam nosičů"), {57.7, 0.3, 74.9, 8.5},
                  times(20, true)),
          caption("QRLabel8", QStringLiteral("Aktuální satav ze dne :"), {1.6, 8.5, 28.0, 4.5},
                  small),
          systemData("QRSysData2", report::ElementKind::Date, {30.4, 8.5, 8.2, 4.5}, small),
          caption("QRLabel7", QStringLiteral("Použitý výběr :"), {117.5, 8.5, 19.1, 4.5}, small),
          runCaption("QRLabel9", {137.1, 8.5, 24.1, 4.5}, small, Qt::AlignHCenter),
          caption("QRLabel14", QStringLiteral("-"), {162.5, 8.5, 1.3, 4.5}, small),
          runCaption("QRLabel12", {164.6, 8.5, 24.1, 4.5}, small, Qt::AlignHCenter)},
         {}});
    layout.bands.append({report::BandKind::Detail, kAbecedaFullBand, carrierRows(), {}});
    layout.bands.append(listFooter());
    return layout;
}

} // namespace lists
