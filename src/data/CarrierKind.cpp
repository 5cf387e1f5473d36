#include "CarrierKind.h"

#include "FieldCodec.h"

namespace carrierkind {

QString text(CarrierKind kind)
{
    switch (kind) {
    case CarrierKind::AudioCd:
        return QStringLiteral("Audio CD");
    case CarrierKind::Mp3Cd:
        return QStringLiteral("Audio MP3 CD");
    case CarrierKind::DataCd:
        return QStringLiteral("Datové CD");
    case CarrierKind::Lp:
        return QStringLiteral("LP");
    case CarrierKind::Mc:
        return QStringLiteral("MC");
    }
    return {};
}

std::optional<CarrierKind> parse(const QString& stored)
{
    for (const CarrierKind kind : all) {
        if (stored == text(kind))
            return kind;
    }
    return std::nullopt;
}

bool isTimed(CarrierKind kind)
{
    return kind == CarrierKind::AudioCd || kind == CarrierKind::Lp || kind == CarrierKind::Mc;
}

bool isCompactDisc(CarrierKind kind)
{
    return kind == CarrierKind::AudioCd || kind == CarrierKind::Mp3Cd ||
           kind == CarrierKind::DataCd;
}

QString minuteText(const QString& shown, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    const auto parsed =
        fieldcodec::parseDecimal(shown, point.isEmpty() ? QLatin1Char('.') : point.at(0));
    if (!parsed || parsed->fraction.size() > 2 || shown.trimmed().isEmpty())
        return shown;
    return (parsed->negative ? QStringLiteral("-") : QString()) +
           (parsed->whole.isEmpty() ? QStringLiteral("0") : parsed->whole) + point +
           parsed->fraction.leftJustified(2, QLatin1Char('0'));
}

QString shownValue(const QString& kind, const QString& field, const QString& shown,
                   const QLocale& locale)
{
    const auto known = parse(kind);
    if (!known || !isTimed(*known))
        return shown;
    bool track = false;
    if (field.startsWith(QLatin1Char('C')) && field.size() <= 3) {
        const int n = QStringView(field).mid(1).toInt(&track);
        track = track && n >= 1 && n <= 30;
    }
    if (track || field == QLatin1String("CELKEM"))
        return minuteText(shown, locale);
    // The carrier's length takes five characters: whole minutes stay as they
    // are, so that there is room to type.
    if (field == QLatin1String("DELKA") && shown.contains(locale.decimalPoint()))
        return minuteText(shown, locale);
    return shown;
}

} // namespace carrierkind
