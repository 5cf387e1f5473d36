#include "LabelLayouts.h"

#include "LabelElements.h"

namespace labels {

// The CD booklet, landscape: the inside page with 26 tracks and their
// lengths on the left (19.1-140.2), the front cover on the right (140.2-261.1).
report::ReportLayout tiskCD1Layout()
{
    QList<report::Element> e{
        rectangle("QRShape2", {19.1, 10.6, 242.0, 120.1}),
        vline("QRShape3", 140.2, 10.6, 130.6),
        field("I1", "INTERPRET", {141.3, 14.8, 118.8, 8.5}, times(20, true), Qt::AlignHCenter),
        field("J1", "NAZEV", {141.3, 23.3, 118.8, 8.5}, times(18), Qt::AlignHCenter),
        picture("QRImage1", {144.5, 33.1, 112.4, 93.4}),
        caption("QRLabel1", QStringLiteral("Kavona Design '99"), {245.0, 127.0, 15.1, 2.9},
                times(6)),
    };
    for (int i = 1; i <= 26; ++i) {
        const qreal top = 15.1 + 4.23 * (i - 1);
        e.append(field(QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                       {29.6, top, 94.2, 4.5}, times(8)));
        e.append(field(QStringLiteral("T%1").arg(i), QStringLiteral("C%1").arg(i),
                       {127.0, top, 9.5, 4.5}, times(8)));
    }
    return singleBand(QStringLiteral("TiskCD1Dialog"), QPageLayout::Landscape, 144.7, e);
}

} // namespace labels
