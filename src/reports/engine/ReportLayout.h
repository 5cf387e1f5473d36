#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>

// A report declared as data: its page, its bands and the elements placed in
// them, every distance in millimetres. The engine lays out pages from this;
// nothing about a report's look lives in painting code.
namespace report {

enum class ElementKind
{
    Text,       // a fixed caption
    Field,      // a field of a bound record, in its display form
    Rectangle,  // a thin outline
    HLine,      // from box.left() over box.width() at box.top()
    VLine,      // from box.top() over box.height() at box.left()
    Picture,    // stretched to its box
    PageNumber, // the number of the page it is printed on
    Date        // today in the short date format
};

struct FontSpec final
{
    QString family; // as the layout names it: "Arial", "Times New Roman"
    qreal pointSize = 10;
    bool bold = false;
    bool italic = false;

    // The font that prints it: the two classic families map to the
    // metric-compatible Liberation fonts so that text keeps its width.
    QFont toFont() const;

    bool operator==(const FontSpec&) const = default;
};

struct Element final
{
    QString name;
    ElementKind kind = ElementKind::Text;
    QRectF box;     // left, top, width, height from the band's top-left corner
    QString text;   // the caption, or the field name of a Field
    QString source; // the bound record a Field reads; empty: the report's data set
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Turned 90° counter-clockwise, reading upwards from the bottom edge.
    bool rotated = false;
    // Grows downwards with its text instead of cutting it.
    bool grows = false;
    QImage picture; // a Picture's content, given before the run
};

enum class BandKind
{
    PageHeader,
    GroupHeader,
    Detail,
    PageFooter
};

struct Band final
{
    BandKind kind = BandKind::Detail;
    qreal height = 0;
    QList<Element> elements;
    // A group header prints whenever the value of this field changes.
    QString groupField;
};

struct ReportLayout final
{
    QString name;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};
    QList<Band> bands;

    static QSizeF a4(QPageLayout::Orientation orientation);
    QSizeF pageSize() const { return a4(orientation); }
    // The width of every band: the page between the side margins.
    qreal bandWidth() const;

    Band* band(BandKind kind);
    const Band* band(BandKind kind) const;
    // An element of any band by its name, or null.
    Element* element(const QString& name);
    const Element* element(const QString& name) const;
};

} // namespace report
