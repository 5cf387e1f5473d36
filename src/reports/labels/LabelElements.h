#pragma once

#include "ReportLayout.h"

// Short forms for declaring label elements, so that a layout reads like the
// table of boxes it was measured from: left, top, width, height in mm.
namespace labels {

inline report::FontSpec arial(qreal size, bool bold = false)
{
    return {QStringLiteral("Arial"), size, bold, false};
}

inline report::FontSpec times(qreal size, bool bold = false)
{
    return {QStringLiteral("Times New Roman"), size, bold, false};
}

inline report::Element caption(const QString& name, const QString& text, QRectF box,
                               report::FontSpec font, Qt::Alignment align = Qt::AlignLeft)
{
    report::Element e;
    e.name = name;
    e.kind = report::ElementKind::Text;
    e.box = box;
    e.text = text;
    e.font = std::move(font);
    e.alignment = align | Qt::AlignTop;
    return e;
}

inline report::Element rotatedCaption(const QString& name, const QString& text, QRectF box,
                                      report::FontSpec font)
{
    report::Element e = caption(name, text, box, std::move(font));
    e.rotated = true;
    return e;
}

// A field of the carrier; the label binds it to its table before each run.
inline report::Element field(const QString& name, const QString& fieldName, QRectF box,
                             report::FontSpec font, Qt::Alignment align = Qt::AlignLeft,
                             bool rotated = false)
{
    report::Element e = caption(name, fieldName, box, std::move(font), align);
    e.kind = report::ElementKind::Field;
    e.rotated = rotated;
    return e;
}

inline report::Element rectangle(const QString& name, QRectF box)
{
    report::Element e;
    e.name = name;
    e.kind = report::ElementKind::Rectangle;
    e.box = box;
    return e;
}

inline report::Element hline(const QString& name, qreal fromX, qreal toX, qreal y)
{
    report::Element e;
    e.name = name;
    e.kind = report::ElementKind::HLine;
    e.box = QRectF(fromX, y, toX - fromX, 0);
    return e;
}

inline report::Element vline(const QString& name, qreal x, qreal fromY, qreal toY)
{
    report::Element e;
    e.name = name;
    e.kind = report::ElementKind::VLine;
    e.box = QRectF(x, fromY, 0, toY - fromY);
    return e;
}

inline report::Element picture(const QString& name, QRectF box)
{
    report::Element e;
    e.name = name;
    e.kind = report::ElementKind::Picture;
    e.box = box;
    return e;
}

inline report::ReportLayout singleBand(const QString& name, QPageLayout::Orientation orientation,
                                       qreal height, QList<report::Element> elements)
{
    report::ReportLayout layout;
    layout.name = name;
    layout.orientation = orientation;
    layout.margins = QMarginsF(10, 10, 10, 10);
    layout.bands.append({report::BandKind::Detail, height, std::move(elements), {}});
    return layout;
}

} // namespace labels
