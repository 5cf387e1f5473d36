#include "ReportPainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace report {

namespace {
constexpr qreal kMmPerInch = 25.4;
// Outlines, folds and cut lines: thin, yet visible on any printer.
constexpr qreal kLineWidthMm = 0.2;
constexpr int kPdfDpi = 1200;

QPageLayout pageLayoutOf(const LaidOutReport& report)
{
    return QPageLayout(QPageSize(QPageSize::A4), report.orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}
} // namespace

void ReportPainter::paintPage(QPainter& painter, const Page& page, qreal dotsPerMm,
                              const QPointF& offset)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(offset * dotsPerMm);
    for (const PlacedElement& element : page.elements)
        paintElement(painter, element, dotsPerMm);
    painter.restore();
}

void ReportPainter::paintElement(QPainter& painter, const PlacedElement& element, qreal dotsPerMm)
{
    const QRectF box(element.box.topLeft() * dotsPerMm, element.box.size() * dotsPerMm);
    QPen pen(Qt::black);
    pen.setWidthF(kLineWidthMm * dotsPerMm);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
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
        paintText(painter, element, box);
        break;
    }
}

// Text wraps inside its fixed box and what does not fit is cut off there. A
// fixed caption is the report's own and prints whole; text reading up a
// spine or a column stays on one line, as there is room for one only.
void ReportPainter::paintText(QPainter& painter, const PlacedElement& element, const QRectF& box)
{
    if (element.text.isEmpty())
        return;
    painter.save();
    painter.setFont(element.font.toFont());
    if (element.kind != ElementKind::Text)
        painter.setClipRect(box);
    QRectF frame(QPointF(0, 0), box.size());
    int flags = int(element.alignment);
    if (element.rotation == 90) {
        // Reads upwards: the line starts at the bottom edge of the box.
        painter.translate(box.bottomLeft());
        painter.rotate(-90);
        frame = QRectF(0, 0, box.height(), box.width());
        flags |= Qt::TextSingleLine | Qt::TextDontClip;
    } else {
        painter.translate(box.topLeft());
        flags |= Qt::TextWordWrap;
    }
    painter.drawText(frame, flags, element.text);
    painter.restore();
}

bool ReportPainter::paint(QPagedPaintDevice& device, const LaidOutReport& report,
                          const QPointF& offset, int from, int to,
                          const std::function<bool(int page)>& progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal dotsPerMm = device.logicalDpiX() / kMmPerInch;
    const int first = from > 0 ? from : 1;
    const int last = to > 0 ? std::min<int>(to, report.pages.size()) : int(report.pages.size());
    for (int number = first; number <= last; ++number) {
        if (progress && !progress(number)) {
            painter.end();
            return false;
        }
        if (number > first)
            device.newPage();
        paintPage(painter, report.pages.at(number - 1), dotsPerMm, offset);
    }
    return painter.end();
}

bool ReportPainter::writePdf(const LaidOutReport& report, const QString& path,
                             const QPointF& offset)
{
    QPdfWriter writer(path);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(pageLayoutOf(report));
    writer.setCreator(QStringLiteral("Fonarium 2000"));
    return paint(writer, report, offset);
}

QImage ReportPainter::renderPage(const LaidOutReport& report, int index, qreal dpi,
                                 const QPointF& offset)
{
    const qreal dotsPerMm = dpi / kMmPerInch;
    const QSize size = (report.pageSize * dotsPerMm).toSize();
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerMm * 1000);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    if (index < 0 || index >= report.pages.size())
        return image;
    QPainter painter(&image);
    paintPage(painter, report.pages.at(index), dotsPerMm, offset);
    return image;
}

} // namespace report
