#pragma once

#include "ReportLayout.h"

#include <QDate>
#include <QHash>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>

namespace report {

// One element as it lands on a page: its box in millimetres from the top-left
// corner of the paper, with the text it prints already resolved.
struct PlacedElement final
{
    QString name;
    ElementKind kind = ElementKind::Text;
    QRectF box;
    QString text;
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    int rotation = 0; // degrees counter-clockwise
    QImage picture;
};

struct Page final
{
    int number = 1;
    QList<PlacedElement> elements;

    // The first element of that name on the page, or null.
    const PlacedElement* find(const QString& name) const;
    QList<const PlacedElement*> findAll(const QString& name) const;
};

struct LaidOutReport final
{
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF pageSize;
    QList<Page> pages;
};

// The rows a report walks, read by row number so that nobody's cursor moves.
class DataSet
{
public:
    virtual ~DataSet() = default;
    virtual int rowCount() const = 0;
    virtual QString text(int row, const QString& field) const = 0;
};

// A field of one record, in the form the table shows it.
using RecordReader = std::function<QString(const QString& field)>;

class PageWalker;

// Where a page of a report begins: the row whose band comes first, and
// whether that row's group header was already printed at the foot of the
// page before.
struct PageStart final
{
    int row = 0;
    bool groupHeaderDone = false;
};

// A report whose pages are laid out when they are asked for: a long list
// keeps only where each page begins, so that its preview shows the first
// page at once and printing holds one page at a time. The data set and the
// bound records it was prepared from are read again for every page asked
// for, so they must stay until the report is gone.
class PagedReport final
{
public:
    PagedReport() = default;
    // A report whose pages are all laid out already.
    explicit PagedReport(LaidOutReport laidOut);

    QPageLayout::Orientation orientation() const { return m_orientation; }
    QSizeF pageSize() const { return m_pageSize; }
    int pageCount() const;
    // The page at `index` (0-based); an empty page outside the report.
    Page page(int index) const;

private:
    friend class ReportEngine;

    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QSizeF m_pageSize;
    std::shared_ptr<const QList<Page>> m_pages;
    std::shared_ptr<const PageWalker> m_walker;
    QList<PageStart> m_starts;
};

// Lays a report out page by page: the page header on top of every page, the
// page footer at the foot of every page including the last, group headers on
// a change of their field and the detail band once per row of the data set,
// or once when there is none.
class ReportEngine final
{
public:
    struct Hooks
    {
        // Runs when a run is prepared; false stops it (the reason is the
        // hook's to tell).
        std::function<bool()> beforePrint;
        std::function<void()> afterPrint;
        std::function<void()> afterPreview;
    };

    explicit ReportEngine(ReportLayout layout = {});

    ReportLayout& layout() { return m_layout; }
    const ReportLayout& layout() const { return m_layout; }
    void setLayout(ReportLayout layout) { m_layout = std::move(layout); }

    void setDataSet(const DataSet* data) { m_data = data; }
    // Field elements whose source is `source` read their text from `reader`.
    void bind(const QString& source, RecordReader reader);
    void setToday(const QDate& today) { m_today = today; }
    Hooks& hooks() { return m_hooks; }

    // Runs the before-print hook and lays out every page; empty when the hook
    // refused.
    std::optional<LaidOutReport> run();
    // Runs the before-print hook and finds where each page begins, laying out
    // none; empty when the hook refused. Later changes to the layout or the
    // bindings do not reach the prepared report.
    std::optional<PagedReport> prepare();
    // The printing or the preview of a run has finished.
    void printed();
    void previewed();

    // The height in millimetres that `text` takes in `font`, wrapped to `width`.
    static qreal textHeight(const FontSpec& font, qreal width, const QString& text);

private:
    std::shared_ptr<const PageWalker> walker() const;

    ReportLayout m_layout;
    const DataSet* m_data = nullptr;
    QHash<QString, RecordReader> m_sources;
    QDate m_today;
    Hooks m_hooks;
};

} // namespace report
