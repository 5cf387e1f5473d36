#include "ListForm.h"

#include "ListLayouts.h"

#include <QDate>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>

namespace {

// Off the band to the left: the element does not print at all.
constexpr qreal kOffBand = -1000;
constexpr qreal kMeasureDpi = 1200;
constexpr qreal kMmPerInch = 25.4;

qreal textWidth(const report::FontSpec& font, const QString& text)
{
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(kMeasureDpi / kMmPerInch * 1000);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(font.toFont(), &device);
    // A little air, so that rounding on another device never wraps the line.
    return metrics.horizontalAdvance(text) / (kMeasureDpi / kMmPerInch) + 0.3;
}

void moveLeft(report::ReportLayout& layout, const char* name, qreal left)
{
    if (report::Element* e = layout.element(QString::fromLatin1(name)))
        e->box.moveLeft(left);
}

void widen(report::Element& e, const QString& text, qreal bandWidth)
{
    const qreal needed = textWidth(e.font, text);
    if (needed <= e.box.width() || e.box.left() < 0)
        return;
    const qreal width = std::min(needed, bandWidth);
    const qreal centre = e.box.center().x();
    qreal left = e.alignment & Qt::AlignHCenter ? centre - width / 2 : e.box.left();
    left = std::clamp(left, 0.0, bandWidth - width);
    e.box = QRectF(left, e.box.top(), width, e.box.height());
}

} // namespace

namespace lists {

void showPerformerAndGenre(report::ReportLayout& layout, bool shown)
{
    moveLeft(layout, "QRLabel2", shown ? PerformerPlaces::performerCaption : kOffBand);
    moveLeft(layout, "I1", shown ? PerformerPlaces::performer : kOffBand);
    moveLeft(layout, "QRLabel10", shown ? PerformerPlaces::genreCaption : kOffBand);
    moveLeft(layout, "Z1", shown ? PerformerPlaces::genre : kOffBand);
}

void setCaption(report::ReportLayout& layout, const QString& name, const QString& text)
{
    if (report::Element* e = layout.element(name))
        e->text = text;
}

void fitCaptions(report::ReportLayout& layout)
{
    for (report::Band& band : layout.bands) {
        for (report::Element& e : band.elements) {
            if (e.kind == report::ElementKind::Text && !e.text.isEmpty())
                widen(e, e.text, layout.bandWidth());
        }
    }
}

void fitToday(report::ReportLayout& layout, const QString& name)
{
    if (report::Element* e = layout.element(name))
        widen(*e, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
              layout.bandWidth());
}

} // namespace lists
