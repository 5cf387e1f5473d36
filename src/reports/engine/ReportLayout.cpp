#include "ReportLayout.h"

namespace report {

QFont FontSpec::toFont() const
{
    QFont font;
    QStringList families{family};
    if (family == QLatin1String("Times New Roman"))
        families = {QStringLiteral("Liberation Serif"), family};
    else if (family == QLatin1String("Arial"))
        families = {QStringLiteral("Liberation Sans"), family};
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Printed boxes are measured in millimetres; hinting would move glyphs to
    // the pixels of whatever device draws them.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QSizeF ReportLayout::a4(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

qreal ReportLayout::bandWidth() const
{
    return pageSize().width() - margins.left() - margins.right();
}

Band* ReportLayout::band(BandKind kind)
{
    for (Band& b : bands) {
        if (b.kind == kind)
            return &b;
    }
    return nullptr;
}

const Band* ReportLayout::band(BandKind kind) const
{
    return const_cast<ReportLayout*>(this)->band(kind);
}

Element* ReportLayout::element(const QString& name)
{
    for (Band& b : bands) {
        for (Element& e : b.elements) {
            if (e.name == name)
                return &e;
        }
    }
    return nullptr;
}

const Element* ReportLayout::element(const QString& name) const
{
    return const_cast<ReportLayout*>(this)->element(name);
}

} // namespace report
