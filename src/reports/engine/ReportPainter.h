#pragma once

#include "ReportEngine.h"

class QFont;
class QPagedPaintDevice;
class QPainter;

namespace report {

class FontCache;

// Paints laid-out pages. Boxes are millimetres from the paper's corner;
// `offset` moves everything on the paper (a printer's own margins), and
// nothing is ever scaled to fit: a millimetre is a millimetre on any device.
class ReportPainter final
{
public:
    // Paints one page on a painter whose origin is the paper's corner and
    // whose device has `dotsPerMm` dots to the millimetre.
    static void paintPage(QPainter& painter, const Page& page, qreal dotsPerMm,
                          const QPointF& offset = {});

    // Every page on a paged device (a PDF writer, a printer set to full page);
    // the pages between `from` and `to` (1-based, inclusive), all when 0.
    // `progress` hears of each page before it is painted and may stop the run.
    // A page of a paged report is laid out just before it is painted and let
    // go after, so a long report never holds more than one page.
    static bool paint(QPagedPaintDevice& device, const PagedReport& report,
                      const QPointF& offset = {}, int from = 0, int to = 0,
                      const std::function<bool(int page)>& progress = {});
    static bool paint(QPagedPaintDevice& device, const LaidOutReport& report,
                      const QPointF& offset = {}, int from = 0, int to = 0,
                      const std::function<bool(int page)>& progress = {});

    // The report as a PDF file at `path`; false when the file cannot be
    // written or `progress` stopped it.
    static bool writePdf(const PagedReport& report, const QString& path, const QPointF& offset = {},
                         const std::function<bool(int page)>& progress = {});
    static bool writePdf(const LaidOutReport& report, const QString& path,
                         const QPointF& offset = {});

    // One page as a picture at `dpi` (the preview), white paper.
    static QImage renderPage(const PagedReport& report, int index, qreal dpi,
                             const QPointF& offset = {});
    static QImage renderPage(const LaidOutReport& report, int index, qreal dpi,
                             const QPointF& offset = {});

private:
    static void paintPage(QPainter& painter, const Page& page, qreal dotsPerMm,
                          const QPointF& offset, FontCache& fonts);
    static void paintElement(QPainter& painter, const PlacedElement& element, qreal dotsPerMm,
                             FontCache& fonts);
    static void paintText(QPainter& painter, const PlacedElement& element, const QRectF& box,
                          FontCache& fonts);
};

} // namespace report
