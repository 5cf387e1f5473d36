#include "ListElements.h"
#include "ListLayouts.h"

namespace lists {

namespace {

// Two columns of fifteen tracks, a title and its length each.
void addTracks(QList<report::Element>& e)
{
    const report::FontSpec plain = times(10);
    for (int i = 1; i <= 30; ++i) {
        const bool left = i <= 15;
        const qreal top = 34.4 + 6.35 * (left ? i - 1 : i - 16);
        e.append(field(QStringLiteral("TA%1").arg(i), QStringLiteral("A%1").arg(i),
                       {left ? 3.2 : 100.5, top, 71.4, 5.0}, plain));
        e.append(field(QStringLiteral("TC%1").arg(i), QStringLiteral("C%1").arg(i),
                       {left ? 76.2 : 173.6, top, 13.2, 5.0}, plain));
    }
}

} // namespace

// The selected carrier: the rows of the alphabetical list, and in the full
// form its tracks below a line.
report::ReportLayout tiskAbeceda1Layout()
{
    const report::FontSpec small = times(8);
    const report::FontSpec plain = times(10);
    report::ReportLayout layout;
    layout.name = QStringLiteral("TiskAbeceda1Dialog");
    layout.bands.append(
        {report::BandKind::PageHeader,
         15.6,
         {caption("QRLabel5", QStringLiteral("Vybraný nosič"), {72.5, 0.3, 44.7, 8.5},
                  times(20, true)),
          caption("QRLabel8", QStringLiteral("Aktuální satav ze dne :"), {1.6, 8.5, 28.0, 4.5},
                  small),
          systemData("QRSysData2", report::ElementKind::Date, {30.4, 8.5, 8.2, 4.5}, small)},
         {}});
    QList<report::Element> detail = carrierRows();
    detail.append(hline("QRShape1", 0.8, 188.6, 26.6));
    detail.append(caption("QRLabel16", QStringLiteral("Název :"), {3.2, 28.0, 10.6, 5.0}, plain));
    detail.append(caption("QRLabel17", QStringLiteral("Název :"), {100.5, 28.0, 10.6, 5.0}, plain));
    detail.append(caption("QRLabel18", QStringLiteral("Délka :"), {76.2, 28.0, 9.8, 5.0}, plain));
    detail.append(caption("QRLabel19", QStringLiteral("Délka :"), {173.6, 28.0, 9.8, 5.0}, plain));
    addTracks(detail);
    layout.bands.append({report::BandKind::Detail, kVybranyFullBand, detail, {}});
    layout.bands.append(listFooter());
    return layout;
}

} // namespace lists
