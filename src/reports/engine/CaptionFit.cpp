#include "CaptionFit.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>

namespace report {

namespace {
constexpr qreal kMeasureDpi = 1200;
constexpr qreal kMmPerInch = 25.4;

qreal textWidth(const FontSpec& font, const QString& text)
{
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(kMeasureDpi / kMmPerInch * 1000);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(font.toFont(), &device);
    // A little air, so that rounding on another device never wraps the line.
    return metrics.horizontalAdvance(text) / (kMeasureDpi / kMmPerInch) + 0.3;
}
} // namespace

void widenToText(Element& element, const QString& text, qreal bandWidth)
{
    const qreal needed = textWidth(element.font, text);
    if (needed <= element.box.width() || element.box.left() < 0)
        return;
    const qreal width = std::min(needed, bandWidth);
    const qreal centre = element.box.center().x();
    qreal left = element.alignment & Qt::AlignHCenter ? centre - width / 2 : element.box.left();
    left = std::clamp(left, 0.0, bandWidth - width);
    element.box = QRectF(left, element.box.top(), width, element.box.height());
}

void fitCaptions(ReportLayout& layout)
{
    for (Band& band : layout.bands) {
        for (Element& e : band.elements) {
            // A rotated caption runs along the height of its box, on one line already.
            if (e.kind == ElementKind::Text && !e.rotated && !e.text.isEmpty())
                widenToText(e, e.text, layout.bandWidth());
        }
    }
}

} // namespace report
