#include "ListChoice.h"

#include "KindChoice.h"
#include "TableScan.h"

namespace {

QString trimmed(const TableScan& record, const QString& field)
{
    return record.fieldText(field).trimmed();
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
