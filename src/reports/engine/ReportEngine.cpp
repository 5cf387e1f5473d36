#include "ReportEngine.h"

#include <QFontMetricsF>
#include <QLocale>

#include <vector>

namespace report {

namespace {
// Text is measured at printer resolution, so that what fits on paper is
// decided the same way on every screen.
constexpr qreal kMeasureDpi = 1200;
constexpr qreal kMmPerInch = 25.4;
// Heights summed from millimetres are compared with this much slack.
constexpr qreal kSlack = 1e-6;

bool isOffBand(const Element& element, const Band& band, qreal bandWidth)
{
    const QRectF area(0, 0, bandWidth, band.height);
    const QRectF box = element.box;
    // A line has no extent across itself; it prints while it lies on the band.
    return box.right() < area.left() || box.left() > area.right() || box.bottom() < area.top() ||
           box.top() > area.bottom();
}

// Wrapped text measured at printer resolution. Setting up the metrics of a
// font costs far more than measuring with them, and a long list measures the
// same few fonts thousands of times, so each font is set up once.
class TextMeasure final
{
public:
    TextMeasure() : m_device(1, 1, QImage::Format_Mono)
    {
        const int dotsPerMetre = qRound(kMeasureDpi / kMmPerInch * 1000);
        m_device.setDotsPerMeterX(dotsPerMetre);
        m_device.setDotsPerMeterY(dotsPerMetre);
    }

    qreal height(const FontSpec& font, qreal width, const QString& text)
    {
        const qreal scale = kMeasureDpi / kMmPerInch;
        const QRectF needed = metrics(font).boundingRect(
            QRectF(0, 0, width * scale, 1e6), Qt::TextWordWrap, text.isEmpty() ? " " : text);
        return needed.height() / scale;
    }

private:
    const QFontMetricsF& metrics(const FontSpec& font)
    {
        for (const auto& [known, metrics] : m_metrics) {
            if (known == font)
                return metrics;
        }
        m_metrics.emplace_back(font, QFontMetricsF(font.toFont(), &m_device));
        return m_metrics.back().second;
    }

    QImage m_device;
    std::vector<std::pair<FontSpec, QFontMetricsF>> m_metrics;
};

// A band as the walk uses it: the elements that print, and which of them
// may make the band taller.
struct PreparedBand
{
    Band band;
    QList<Element> printed;
    QList<int> growing; // indexes into `printed`
};

PreparedBand prepared(const Band& band, qreal bandWidth)
{
    PreparedBand p{band, {}, {}};
    for (const Element& e : band.elements) {
        if (isOffBand(e, band, bandWidth))
            continue;
        if (e.grows)
            p.growing.append(int(p.printed.size()));
        p.printed.append(e);
    }
    return p;
}
} // namespace

// Lays out a report page by page from a fixed copy of its layout and
// bindings: the same walk finds where pages begin (placing nothing) and lays
// out any one page from where it begins.
class PageWalker final
{
public:
    PageWalker(const ReportLayout& layout, const DataSet* data,
               QHash<QString, RecordReader> sources, const QDate& today);

    QPageLayout::Orientation orientation() const { return m_orientation; }
    QSizeF pageSize() const { return m_pageSize; }

    // Walks the page numbered `number` that begins at `start`, placing its
    // elements on `page` when there is one; where the next page begins, or
    // nothing when this one is the last.
    std::optional<PageStart> walk(const PageStart& start, int number, Page* page) const;
    QList<PageStart> paginate() const;

private:
    const PreparedBand* find(BandKind kind) const;
    qreal bandHeight(const PreparedBand& band, int row) const;
    void place(Page& page, const PreparedBand& band, qreal y, int row) const;
    QString resolve(const Element& element, int row, int page) const;

    QPageLayout::Orientation m_orientation;
    QSizeF m_pageSize;
    QMarginsF m_margins;
    std::vector<PreparedBand> m_bands;
    const PreparedBand* m_header = nullptr;
    const PreparedBand* m_group = nullptr;
    const PreparedBand* m_detail = nullptr;
    const PreparedBand* m_footer = nullptr;
    const DataSet* m_data;
    QHash<QString, RecordReader> m_sources;
    QString m_today;
    mutable TextMeasure m_measure;
    qreal m_headerHeight = 0;
    qreal m_footerHeight = 0;
};

PageWalker::PageWalker(const ReportLayout& layout, const DataSet* data,
                       QHash<QString, RecordReader> sources, const QDate& today)
    : m_orientation(layout.orientation), m_pageSize(layout.pageSize()), m_margins(layout.margins),
      m_data(data), m_sources(std::move(sources)),
      m_today(
          QLocale().toString(today.isValid() ? today : QDate::currentDate(), QLocale::ShortFormat))
{
    m_bands.reserve(layout.bands.size());
    for (const Band& band : layout.bands)
        m_bands.push_back(prepared(band, layout.bandWidth()));
    m_header = find(BandKind::PageHeader);
    m_group = find(BandKind::GroupHeader);
    m_detail = find(BandKind::Detail);
    m_footer = find(BandKind::PageFooter);
    // Page bands read no row, so their height is the same on every page.
    m_headerHeight = m_header ? bandHeight(*m_header, -1) : 0;
    m_footerHeight = m_footer ? bandHeight(*m_footer, -1) : 0;
}

const PreparedBand* PageWalker::find(BandKind kind) const
{
    for (const PreparedBand& b : m_bands) {
        if (b.band.kind == kind)
            return &b;
    }
    return nullptr;
}

QList<PageStart> PageWalker::paginate() const
{
    QList<PageStart> starts{PageStart{}};
    while (const std::optional<PageStart> next = walk(starts.last(), int(starts.size()), nullptr))
        starts.append(*next);
    return starts;
}

std::optional<PageStart> PageWalker::walk(const PageStart& start, int number, Page* page) const
{
    if (page) {
        page->number = number;
        if (m_header)
            place(*page, *m_header, m_margins.top(), -1);
    }
    const qreal firstBand = m_margins.top() + m_headerHeight;
    const qreal bottom = m_pageSize.height() - m_margins.bottom() - m_footerHeight;
    qreal y = firstBand;
    // A band that does not fit goes to the next page, unless it is alone on a
    // fresh page already, where it prints as far as the page allows.
    const auto fits = [&](qreal height) {
        return y + height <= bottom + kSlack || y <= firstBand + kSlack;
    };
    std::optional<PageStart> next;
    const int rows = m_data ? m_data->rowCount() : 1;
    std::optional<QString> previous; // the group of the row before
    for (int row = start.row; row < rows && !next; ++row) {
        const bool groupHeaderDone = row == start.row && start.groupHeaderDone;
        if (m_group && m_data && !groupHeaderDone) {
            const QString& field = m_group->band.groupField;
            if (row > 0 && !previous)
                previous = m_data->text(row - 1, field);
            QString value = m_data->text(row, field);
            const bool changed = row == 0 || value != *previous;
            previous = std::move(value);
            if (changed) {
                const qreal height = bandHeight(*m_group, row);
                if (!fits(height)) {
                    next = PageStart{row, false};
                    break;
                }
                if (page)
                    place(*page, *m_group, y, row);
                y += height;
            }
        }
        if (m_detail) {
            const int dataRow = m_data ? row : -1;
            const qreal height = bandHeight(*m_detail, dataRow);
            if (!fits(height)) {
                next = PageStart{row, true};
                break;
            }
            if (page)
                place(*page, *m_detail, y, dataRow);
            y += height;
        }
    }
    if (page && m_footer)
        place(*page, *m_footer, bottom, -1);
    return next;
}

qreal PageWalker::bandHeight(const PreparedBand& band, int row) const
{
    qreal height = band.band.height;
    for (int index : band.growing) {
        const Element& e = band.printed.at(index);
        const qreal needed = m_measure.height(e.font, e.box.width(), resolve(e, row, 0));
        height = std::max(height, e.box.top() + std::max(needed, e.box.height()));
    }
    return height;
}

void PageWalker::place(Page& page, const PreparedBand& band, qreal y, int row) const
{
    const QPointF origin(m_margins.left(), y);
    for (const Element& e : band.printed) {
        PlacedElement placed;
        placed.name = e.name;
        placed.kind = e.kind;
        placed.box = e.box.translated(origin);
        placed.text = resolve(e, row, page.number);
        placed.font = e.font;
        placed.alignment = e.alignment;
        placed.rotation = e.rotated ? 90 : 0;
        placed.picture = e.picture;
        if (e.grows)
            placed.box.setHeight(
                std::max(e.box.height(), m_measure.height(e.font, e.box.width(), placed.text)));
        page.elements.append(std::move(placed));
    }
}

QString PageWalker::resolve(const Element& element, int row, int page) const
{
    switch (element.kind) {
    case ElementKind::Text:
        return element.text;
    case ElementKind::Field:
        if (element.source.isEmpty())
            return m_data && row >= 0 && row < m_data->rowCount() ? m_data->text(row, element.text)
                                                                  : QString();
        if (auto reader = m_sources.find(element.source); reader != m_sources.end())
            return (*reader)(element.text);
        return {};
    case ElementKind::PageNumber:
        return QString::number(page);
    case ElementKind::Date:
        return m_today;
    default:
        return {};
    }
}

const PlacedElement* Page::find(const QString& name) const
{
    for (const PlacedElement& e : elements) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

QList<const PlacedElement*> Page::findAll(const QString& name) const
{
    QList<const PlacedElement*> found;
    for (const PlacedElement& e : elements) {
        if (e.name == name)
            found.append(&e);
    }
    return found;
}

PagedReport::PagedReport(LaidOutReport laidOut)
    : m_orientation(laidOut.orientation), m_pageSize(laidOut.pageSize),
      m_pages(std::make_shared<const QList<Page>>(std::move(laidOut.pages)))
{
}

int PagedReport::pageCount() const
{
    return m_pages ? int(m_pages->size()) : int(m_starts.size());
}

Page PagedReport::page(int index) const
{
    if (m_pages)
        return m_pages->value(index);
    Page page;
    if (m_walker && index >= 0 && index < m_starts.size())
        m_walker->walk(m_starts.at(index), index + 1, &page);
    return page;
}

ReportEngine::ReportEngine(ReportLayout layout) : m_layout(std::move(layout)) {}

void ReportEngine::bind(const QString& source, RecordReader reader)
{
    m_sources.insert(source, std::move(reader));
}

std::shared_ptr<const PageWalker> ReportEngine::walker() const
{
    return std::make_shared<const PageWalker>(m_layout, m_data, m_sources, m_today);
}

std::optional<LaidOutReport> ReportEngine::run()
{
    if (m_hooks.beforePrint && !m_hooks.beforePrint())
        return std::nullopt;
    const std::shared_ptr<const PageWalker> pages = walker();
    LaidOutReport report;
    report.orientation = pages->orientation();
    report.pageSize = pages->pageSize();
    std::optional<PageStart> start = PageStart{};
    while (start) {
        Page page;
        start = pages->walk(*start, int(report.pages.size()) + 1, &page);
        report.pages.append(std::move(page));
    }
    return report;
}

std::optional<PagedReport> ReportEngine::prepare()
{
    if (m_hooks.beforePrint && !m_hooks.beforePrint())
        return std::nullopt;
    PagedReport report;
    report.m_walker = walker();
    report.m_orientation = report.m_walker->orientation();
    report.m_pageSize = report.m_walker->pageSize();
    report.m_starts = report.m_walker->paginate();
    return report;
}

void ReportEngine::printed()
{
    if (m_hooks.afterPrint)
        m_hooks.afterPrint();
}

void ReportEngine::previewed()
{
    if (m_hooks.afterPreview)
        m_hooks.afterPreview();
}

qreal ReportEngine::textHeight(const FontSpec& font, qreal width, const QString& text)
{
    return TextMeasure().height(font, width, text);
}

} // namespace report
