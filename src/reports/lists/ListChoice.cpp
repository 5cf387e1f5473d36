#include "ListChoice.h"

#include "KindChoice.h"
#include "ListLayouts.h"
#include "ReportLayout.h"
#include "TableScan.h"

#include <QDate>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>

namespace {

// Off the band to the left: the element does not print at all.
constexpr qreal kOffBand = -1000;
constexpr qreal kMeasureDpi = 1200;
constexpr qreal kMmPerInch = 25.4;

QString trimmed(const TableScan& record, const QString& field)
{
    return record.fieldText(field).trimmed();
}

qreal textWidth(const report::FontSpec& font, const QString& text)
{
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(kMeasureDpi / kMmPerInch * 1000);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(font.toFont(), &device);
    // A little air, so that rounding on another device never wraps the line.
    return metrics.horizontalAdvance(text) / (kMeasureDpi / kMmPerInch) + 0.5;
}

void moveLeft(report::ReportLayout& layout, const char* name, qreal left)
{
    if (report::Element* e = layout.element(QString::fromLatin1(name)))
        e->box.moveLeft(left);
}

} // namespace

bool ListChoice::withoutPerformer() const
{
    return kindItem == QLatin1String("NO2") || kindItem == QLatin1String("NO5");
}

bool ListChoice::acceptsKind(const TableScan& record) const
{
    const QString kind = KindChoice::kindOf(kindItem);
    const QString value = trimmed(record, QStringLiteral("DRUH"));
    return kind.isEmpty() ? !value.isEmpty() : value == kind;
}

bool ListChoice::acceptsKindAndGenre(const TableScan& record) const
{
    if (!acceptsKind(record))
        return false;
    const QString genre = KindChoice::genreOf(genreItem);
    return withoutPerformer() || genre.isEmpty() ||
           trimmed(record, QStringLiteral("ZANR")) == genre;
}

QString ListChoice::kindCaption(bool performerList) const
{
    if (kindItem == QLatin1String("NO3"))
        return QStringLiteral("LP nosič");
    if (kindItem == QLatin1String("NO4"))
        return QStringLiteral("MC nosič");
    const QString kind = KindChoice::kindOf(kindItem);
    if (!kind.isEmpty())
        return kind;
    return performerList ? QStringLiteral("všechny nosiče") : QStringLiteral("Všechny nosiče");
}

QString ListChoice::genreCaption() const
{
    if (withoutPerformer())
        return QStringLiteral("Bez omezení");
    const QString genre = KindChoice::genreOf(genreItem);
    return genre.isEmpty() ? QStringLiteral("Všechny druhy") : genre;
}

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
    report::Element* e = layout.element(name);
    if (!e)
        return;
    const qreal centre = e->box.center().x();
    e->text = text;
    const qreal needed = textWidth(e->font, text);
    if (needed <= e->box.width())
        return;
    const qreal width = std::min(needed, layout.bandWidth());
    qreal left = e->alignment & Qt::AlignHCenter ? centre - width / 2 : e->box.left();
    left = std::clamp(left, 0.0, layout.bandWidth() - width);
    e->box = QRectF(left, e->box.top(), width, e->box.height());
}

void fitToday(report::ReportLayout& layout, const QString& name)
{
    report::Element* e = layout.element(name);
    if (!e)
        return;
    const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    e->box.setWidth(std::max(e->box.width(), textWidth(e->font, today)));
}

} // namespace lists
