#include "LabelLayouts.h"

#include "LabelElements.h"

namespace labels {

// The folded cassette card, read left to right: flap (15.1-30.4), spine
// (30.4-42.6), front (42.6-109.3) and the inner panel with the track list
// (109.3-176.2), side A in its lower half, side B in the upper one.
report::ReportLayout tiskMCLayout()
{
    const QString brand = QStringLiteral("Kavona Design '99");
    QList<report::Element> e{
        rectangle("QRShape2", {15.1, 10.8, 161.1, 101.1}),
        vline("QRShape3", 30.4, 10.8, 111.9),
        vline("QRShape4", 42.6, 10.8, 111.9),
        vline("QRShape5", 109.3, 10.8, 111.9),
        hline("QRShape1", 0.8, 187.9, 115.8),
        rotatedCaption("QRAngledLabel3", brand, {26.5, 51.9, 3.2, 20.9}, arial(8)),
        caption("QRLabel1", brand, {31.5, 11.6, 10.1, 2.4}, times(4)),
        field("I2", "INTERPRET", {31.0, 15.9, 5.6, 88.1}, arial(14, true), Qt::AlignLeft, true),
        field("J2", "NAZEV", {37.8, 15.9, 4.5, 88.1}, arial(12), Qt::AlignLeft, true),
        rectangle("QRShape7", {31.2, 105.6, 10.8, 5.0}),
        field("C1", "CISLO", {31.5, 105.8, 10.1, 4.5}, times(10, true), Qt::AlignHCenter),
        field("I1", "INTERPRET", {44.2, 13.8, 63.8, 6.1}, times(14, true), Qt::AlignHCenter),
        field("J1", "NAZEV", {44.2, 20.1, 63.8, 5.3}, times(12), Qt::AlignHCenter),
        picture("QRImage1", {45.0, 36.0, 61.6, 72.0}),
        rotatedCaption("QRAngledLabel1", QStringLiteral("Strana A"), {112.2, 91.8, 4.5, 16.9},
                       arial(12, true)),
        rotatedCaption("QRAngledLabel2", QStringLiteral("Strana B"), {112.2, 40.2, 4.5, 17.7},
                       arial(12, true)),
        hline("QRShape6", 112.2, 173.8, 61.8),
    };
    for (int i = 1; i <= 30; ++i) {
        const bool sideA = i <= 15;
        const qreal left = 119.1 + 3.44 * (sideA ? i - 1 : i - 16);
        e.append(field(QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                       {left, sideA ? 73.0 : 22.2, 3.2, 36.2}, arial(8), Qt::AlignLeft, true));
        e.append(field(QStringLiteral("T%1").arg(i), QStringLiteral("C%1").arg(i),
                       {left, sideA ? 64.6 : 13.8, 3.2, 6.6}, arial(8), Qt::AlignLeft, true));
    }
    return singleBand(QStringLiteral("TiskMCDialog"), QPageLayout::Portrait, 119.3, e);
}

} // namespace labels
