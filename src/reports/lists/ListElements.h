#pragma once

#include "LabelElements.h"

// Short forms for the lists, on top of those of the labels: every list is set
// in Times New Roman, and its header and footer carry the date and the page.
namespace lists {

using labels::caption;
using labels::field;
using labels::hline;

inline report::FontSpec times(qreal size, bool bold = false, bool italic = false)
{
    return {QStringLiteral("Times New Roman"), size, bold, italic};
}

// A caption the report sets before each run; it widens with its text.
inline report::Element runCaption(const QString& name, QRectF box, report::FontSpec font,
                                  Qt::Alignment align = Qt::AlignLeft)
{
    report::Element e = caption(name, QString(), box, std::move(font), align);
    e.grows = true;
    return e;
}

inline report::Element systemData(const QString& name, report::ElementKind kind, QRectF box,
                                  report::FontSpec font)
{
    report::Element e = caption(name, QString(), box, std::move(font));
    e.kind = kind;
    return e;
}

} // namespace lists
