#include "ReportPainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <vector>

namespace report {

namespace {
constexpr qreal kMmPerInch = 25.4;
// Outlines, folds and cut lines: thin, yet visible on any printer.
constexpr qreal kLineWidthMm = 0.2;
constexpr int kPdfDpi = 1200;

// The part of a field's box that its text may ink: the lines whose baseline
// lies in the box. Of a line cut off below them not even the accents or the
// tops of its letters show.
QRectF wholeLines(const QRectF& box, const QFontMetricsF& metrics)
{
    const qreal step = metrics.lineSpacing();
    const int lines = std::max(0, int((box.height() - metrics.ascent()) / step)) + 1;
    return QRectF(box.topLeft(), QSizeF(box.width(), std::min(box.height(), lines * step)));
}

QPageLayout pageLayoutOf(const PagedReport& report)
{
    return QPageLayout(QPageSize(QPageSize::A4), report.orientation(), QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}
} // namespace

// The fonts a painting has used so far: a list prints thousands of elements
// in three or four fonts, and a QFont built afresh for each is resolved
// afresh by the painter.
class FontCache final
{
public:
    const QFont& font(const FontSpec& wanted)
    {
        for (const auto& [known, font] : m_fonts) {
            if (known == wanted)
                return font;
        }
        m_fonts.emplace_back(wanted, wanted.toFont());
        return m_fonts.back().second;
    }

private:
    std::vector<std::pair<FontSpec, QFont>> m_fonts;
};

void ReportPainter::paintPage(QPainter& painter, const Page& page, qreal dotsPerMm,
                              const QPointF& offset)
{
    FontCache fonts;
    paintPage(painter, page, dotsPerMm, offset, fonts);
}

void ReportPainter::paintPage(QPainter& painter, const Page& page, qreal dotsPerMm,
                              const QPointF& offset, FontCache& fonts)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(offset * dotsPerMm);
    // One pen and no brush for the whole page: every change of the painter's
    // state is written out again by a PDF writer, element after element.
    QPen pen(Qt::black);
    pen.setWidthF(kLineWidthMm * dotsPerMm);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const PlacedElement& element : page.elements)
        paintElement(painter, element, dotsPerMm, fonts);
    painter.restore();
}

void ReportPainter::paintElement(QPainter& painter, const PlacedElement& element, qreal dotsPerMm,
                                 FontCache& fonts)
{
    const QRectF box(element.box.topLeft() * dotsPerMm, element.box.size() * dotsPerMm);
    // Only the text of a field is cut at its box.
    const bool clipped = element.kind == ElementKind::Field && element.rotation == 0;
    if (!clipped && painter.hasClipping())
        painter.setClipping(false);
    switch (element.kind) {
    case ElementKind::Rectangle:
        painter.drawRect(box);
        break;
    case ElementKind::HLine:
        painter.drawLine(box.topLeft(), box.topRight());
        break;
    case ElementKind::VLine:
        painter.drawLine(box.topLeft(), box.bottomLeft());
        break;
    case ElementKind::Picture:
        if (!element.picture.isNull())
            painter.drawImage(box, element.picture);
        break;
    default:
        paintText(painter, element, box, fonts);
        break;
    }
}

// Text wraps inside its fixed box and what does not fit is cut off there. A
// fixed caption is the report's own and prints whole; text reading up a
// spine or a column stays on one line, as there is room for one only.
void ReportPainter::paintText(QPainter& painter, const PlacedElement& element, const QRectF& box,
                              FontCache& fonts)
{
    if (element.text.isEmpty())
        return;
    painter.setFont(fonts.font(element.font));
    int flags = int(element.alignment);
    if (element.rotation != 90) {
        if (element.kind != ElementKind::Text)
            painter.setClipRect(wholeLines(box, QFontMetricsF(painter.font(), painter.device())));
        painter.drawText(box, flags | Qt::TextWordWrap, element.text);
        return;
    }
    // Reads upwards: the line starts at the bottom edge of the box.
    painter.save();
    if (element.kind != ElementKind::Text)
        painter.setClipRect(box);
    painter.translate(box.bottomLeft());
    painter.rotate(-90);
    flags |= Qt::TextSingleLine | Qt::TextDontClip;
    painter.drawText(QRectF(0, 0, box.height(), box.width()), flags, element.text);
    painter.restore();
}

bool ReportPainter::paint(QPagedPaintDevice& device, const PagedReport& report,
                          const QPointF& offset, int from, int to,
                          const std::function<bool(int page)>& progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal dotsPerMm = device.logicalDpiX() / kMmPerInch;
    const int first = from > 0 ? from : 1;
    const int last = to > 0 ? std::min(to, report.pageCount()) : report.pageCount();
    FontCache fonts;
    for (int number = first; number <= last; ++number) {
        if (progress && !progress(number)) {
            painter.end();
            return false;
        }
        if (number > first)
            device.newPage();
        paintPage(painter, report.page(number - 1), dotsPerMm, offset, fonts);
    }
    return painter.end();
}

bool ReportPainter::paint(QPagedPaintDevice& device, const LaidOutReport& report,
                          const QPointF& offset, int from, int to,
                          const std::function<bool(int page)>& progress)
{
    return paint(device, PagedReport(report), offset, from, to, progress);
}

bool ReportPainter::writePdf(const PagedReport& report, const QString& path, const QPointF& offset,
                             const std::function<bool(int page)>& progress)
{
    QPdfWriter writer(path);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(pageLayoutOf(report));
    writer.setCreator(QStringLiteral("Fonarium 2000"));
    return paint(writer, report, offset, 0, 0, progress);
}

bool ReportPainter::writePdf(const LaidOutReport& report, const QString& path,
                             const QPointF& offset)
{
    return writePdf(PagedReport(report), path, offset);
}

QImage ReportPainter::renderPage(const PagedReport& report, int index, qreal dpi,
                                 const QPointF& offset)
{
    const qreal dotsPerMm = dpi / kMmPerInch;
    const QSize size = (report.pageSize() * dotsPerMm).toSize();
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerMm * 1000);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    if (index < 0 || index >= report.pageCount())
        return image;
    QPainter painter(&image);
    paintPage(painter, report.page(index), dotsPerMm, offset);
    return image;
}

QImage ReportPainter::renderPage(const LaidOutReport& report, int index, qreal dpi,
                                 const QPointF& offset)
{
    return renderPage(PagedReport(report), index, dpi, offset);
}

} // namespace report
