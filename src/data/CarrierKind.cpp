#include "CarrierKind.h"

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

} // namespace carrierkind
