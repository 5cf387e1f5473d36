#include "LabelLayouts.h"

#include "LabelElements.h"

namespace labels {

// The CD tray inlay: a spine at each side (19.1-25.3 and 163.1-170.2) and
// 30 track titles in two columns between them; no lengths, no picture.
report::ReportLayout tiskCD2Layout()
{
    QList<report::Element> e{
        rectangle("QRShape1", {19.1, 12.7, 151.1, 116.9}),
        vline("QRShape2", 25.3, 12.7, 129.6),
        vline("QRShape3", 163.1, 12.7, 129.6),
        field("J1", "NAZEV", {20.1, 14.8, 4.0, 42.9}, arial(10), Qt::AlignLeft, true),
        field("J2", "NAZEV", {164.0, 14.8, 4.0, 42.9}, arial(10), Qt::AlignLeft, true),
        field("I1", "INTERPRET", {20.1, 59.3, 4.5, 59.5}, arial(12, true), Qt::AlignLeft, true),
        field("I2", "INTERPRET", {164.0, 59.3, 4.5, 59.5}, arial(12, true), Qt::AlignLeft, true),
        rectangle("QRShape4", {19.8, 120.1, 4.5, 8.7}),
        rectangle("QRShape5", {164.3, 120.1, 4.5, 8.7}),
        field("C1", "CISLO", {20.6, 121.4, 3.2, 6.1}, arial(8), Qt::AlignLeft, true),
        field("C2", "CISLO", {164.8, 121.4, 3.2, 6.1}, arial(8), Qt::AlignLeft, true),
        field("I3", "INTERPRET", {27.5, 14.8, 133.6, 7.1}, times(18, true), Qt::AlignHCenter),
        field("J3", "NAZEV", {27.5, 21.2, 133.6, 7.1}, times(16), Qt::AlignHCenter),
        vline("QRShape6", 94.2, 31.8, 127.5),
    };
    for (int i = 1; i <= 30; ++i) {
        const bool left = i <= 15;
        const qreal top = 34.1 + 6.35 * (left ? i - 1 : i - 16);
        e.append(field(QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                       {left ? 27.5 : 97.4, top, 64.0, 4.5}, times(8)));
    }
    return singleBand(QStringLiteral("TiskCD2Dialog"), QPageLayout::Portrait, 144.7, e);
}

} // namespace labels
