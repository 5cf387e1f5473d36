#include "ReportEngine.h"

#include <QFontMetricsF>
#include <QLocale>

namespace report {

namespace {
// Text is measured at printer resolution, so that what fits on paper is
// decided the same way on every screen.
constexpr qreal kMeasureDpi = 1200;
constexpr qreal kMmPerInch = 25.4;

bool isOffBand(const Element& element, const Band& band, qreal bandWidth)
{
    const QRectF area(0, 0, bandWidth, band.height);
    const QRectF box = element.box;
    // A line has no extent across itself; it prints while it lies on the band.
    return box.right() < area.left() || box.left() > area.right() || box.bottom() < area.top() ||
           box.top() > area.bottom();
}
} // namespace

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

struct ReportEngine::Cursor
{
    LaidOutReport report;
    qreal y = 0;      // the top of the next band, from the paper's top edge
    qreal bottom = 0; // where the page footer begins
    QString group;
    bool groupStarted = false;
};

ReportEngine::ReportEngine(ReportLayout layout) : m_layout(std::move(layout)) {}

void ReportEngine::bind(const QString& source, RecordReader reader)
{
    m_sources.insert(source, std::move(reader));
}

std::optional<LaidOutReport> ReportEngine::run()
{
    if (m_hooks.beforePrint && !m_hooks.beforePrint())
        return std::nullopt;
    return layOut();
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
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(kMeasureDpi / kMmPerInch * 1000);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(font.toFont(), &device);
    const qreal scale = kMeasureDpi / kMmPerInch;
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, width * scale, 1e6), Qt::TextWordWrap,
                                               text.isEmpty() ? " " : text);
    return needed.height() / scale;
}

LaidOutReport ReportEngine::layOut() const
{
    Cursor cursor;
    cursor.report.orientation = m_layout.orientation;
    cursor.report.pageSize = m_layout.pageSize();
    startPage(cursor);
    const Band* detail = m_layout.band(BandKind::Detail);
    const Band* group = m_layout.band(BandKind::GroupHeader);
    const int rows = m_data ? m_data->rowCount() : 1;
    for (int row = 0; row < rows; ++row) {
        if (group && m_data) {
            const QString value = m_data->text(row, group->groupField);
            if (!cursor.groupStarted || value != cursor.group)
                placeBand(cursor, *group, row);
            cursor.group = value;
            cursor.groupStarted = true;
        }
        if (detail)
            placeBand(cursor, *detail, m_data ? row : -1);
    }
    finishPage(cursor);
    return cursor.report;
}

void ReportEngine::startPage(Cursor& cursor) const
{
    Page page;
    page.number = int(cursor.report.pages.size()) + 1;
    cursor.report.pages.append(page);
    cursor.y = m_layout.margins.top();
    const Band* footer = m_layout.band(BandKind::PageFooter);
    cursor.bottom = m_layout.pageSize().height() - m_layout.margins.bottom() -
                    (footer ? bandHeight(*footer, -1) : 0);
    if (const Band* header = m_layout.band(BandKind::PageHeader))
        placeBand(cursor, *header, -1);
}

void ReportEngine::finishPage(Cursor& cursor) const
{
    if (const Band* footer = m_layout.band(BandKind::PageFooter)) {
        cursor.y = cursor.bottom;
        placeBand(cursor, *footer, -1);
    }
}

qreal ReportEngine::bandHeight(const Band& band, int row) const
{
    qreal height = band.height;
    for (const Element& e : band.elements) {
        if (!e.grows || isOffBand(e, band, m_layout.bandWidth()))
            continue;
        const qreal needed = textHeight(e.font, e.box.width(), resolve(e, row, 0));
        height = std::max(height, e.box.top() + std::max(needed, e.box.height()));
    }
    return height;
}

qreal ReportEngine::headerHeight() const
{
    const Band* header = m_layout.band(BandKind::PageHeader);
    return header ? bandHeight(*header, -1) : 0;
}

void ReportEngine::placeBand(Cursor& cursor, const Band& band, int row) const
{
    const qreal height = bandHeight(band, row);
    const bool pageBand = band.kind == BandKind::PageHeader || band.kind == BandKind::PageFooter;
    const qreal pageTop = m_layout.margins.top();
    // A band that does not fit goes to the next page, unless it is alone on a
    // fresh page already, where it prints as far as the page allows.
    if (!pageBand && cursor.y + height > cursor.bottom + 1e-6 &&
        cursor.y > pageTop + headerHeight() + 1e-6) {
        finishPage(cursor);
        startPage(cursor);
    }
    Page& page = cursor.report.pages.last();
    const QPointF origin(m_layout.margins.left(), cursor.y);
    for (const Element& e : band.elements) {
        if (isOffBand(e, band, m_layout.bandWidth()))
            continue;
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
                std::max(e.box.height(), textHeight(e.font, e.box.width(), placed.text)));
        page.elements.append(placed);
    }
    cursor.y += height;
}

QString ReportEngine::resolve(const Element& element, int row, int page) const
{
    switch (element.kind) {
    case ElementKind::Text:
        return element.text;
    case ElementKind::Field:
        if (element.source.isEmpty())
            return m_data && row >= 0 ? m_data->text(row, element.text) : QString();
        if (auto reader = m_sources.find(element.source); reader != m_sources.end())
            return (*reader)(element.text);
        return {};
    case ElementKind::PageNumber:
        return QString::number(page);
    case ElementKind::Date:
        return QLocale().toString(m_today.isValid() ? m_today : QDate::currentDate(),
                                  QLocale::ShortFormat);
    default:
        return {};
    }
}

} // namespace report
