#include "ListForm.h"

#include "CaptionFit.h"
#include "ListLayouts.h"

#include <QDate>
#include <QLocale>

namespace {

// Off the band to the left: the element does not print at all.
constexpr qreal kOffBand = -1000;

void moveLeft(report::ReportLayout& layout, const char* name, qreal left)
{
    if (report::Element* e = layout.element(QString::fromLatin1(name)))
        e->box.moveLeft(left);
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

void fitToday(report::ReportLayout& layout, const QString& name)
{
    if (report::Element* e = layout.element(name))
        report::widenToText(*e, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
                            layout.bandWidth());
}

} // namespace lists
