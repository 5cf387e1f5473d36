#include "CarrierTotal.h"

#include "CarrierKind.h"

#include "FieldCodec.h"

#include <optional>

namespace {

// A typed value in hundredths. The separator may be the locale's, a point or a
// comma; more than two decimals cannot be a length or a size of a track.
std::optional<qint64> hundredths(const QString& typed, QChar localePoint, Status* error)
{
    if (typed.trimmed().isEmpty())
        return 0;
    const auto parsed = fieldcodec::parseDecimal(typed, localePoint);
    // Twelve digits are far beyond any carrier and far below an overflow.
    if (!parsed || parsed->whole.size() > 12) {
        *error = Status::error(QStringLiteral("„%1“ není platné číslo.").arg(typed.trimmed()));
        return std::nullopt;
    }
    if (parsed->fraction.size() > 2) {
        *error =
            Status::error(QStringLiteral("Hodnota %1 má příliš mnoho desetinných míst (nejvýše 2).")
                              .arg(typed.trimmed()));
        return std::nullopt;
    }
    const qint64 value = parsed->whole.toLongLong() * 100 +
                         parsed->fraction.leftJustified(2, QLatin1Char('0')).toLongLong();
    return parsed->negative ? -value : value;
}

// Sizes are written as the table shows a stored number, without trailing
// zeros. Minutes keep both digits of the seconds: 2,1 would read as 2:01.
QString withPoint(qint64 hundredths, const QLocale& locale, bool minutes)
{
    const bool negative = hundredths < 0;
    const qint64 magnitude = negative ? -hundredths : hundredths;
    QString text = (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100);
    QString decimals = QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    while (!minutes && decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    if (!decimals.isEmpty())
        text += locale.decimalPoint() + decimals;
    return text;
}

// Whole minutes and seconds of every track as the save command splits them: the
// whole part is the largest whole number not above the value, the seconds are
// what is left, so 9,55 gives 9 and 55.
qint64 audioTotal(const QList<qint64>& values)
{
    qint64 minutes = 0;
    qint64 seconds = 0;
    for (const qint64 value : values) {
        const qint64 whole = value >= 0 ? value / 100 : -((-value + 99) / 100);
        minutes += whole;
        seconds += value - whole * 100;
    }
    // A negative whole part leaves the seconds positive: -2 min and 70 s is
    // -50 s, written -0,50, so minutes and seconds share one sign.
    const qint64 total = minutes * 60 + seconds;
    const qint64 magnitude = total < 0 ? -total : total;
    const qint64 written = magnitude / 60 * 100 + magnitude % 60;
    return total < 0 ? -written : written;
}

} // namespace

bool CarrierTotal::isAudioKind(const QString& kind)
{
    const auto known = carrierkind::parse(kind);
    return known && carrierkind::isTimed(*known);
}

bool CarrierTotal::isDataKind(const QString& kind)
{
    const auto known = carrierkind::parse(kind);
    return known && !carrierkind::isTimed(*known);
}

CarrierTotal::Result CarrierTotal::compute(const QString& kind, const QStringList& tracks,
                                           const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    QList<qint64> values;
    for (const QString& track : tracks) {
        Status error;
        const auto value = hundredths(track, point.isEmpty() ? QChar('.') : point.at(0), &error);
        if (!value)
            return {error, {}};
        values.append(*value);
    }
    if (isDataKind(kind)) {
        qint64 sum = 0;
        for (const qint64 value : values)
            sum += value;
        return {Status::ok(), withPoint(sum, locale, false)};
    }
    if (isAudioKind(kind))
        return {Status::ok(), withPoint(audioTotal(values), locale, true)};
    return {Status::ok(), {}};
}
