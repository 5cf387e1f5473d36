#include "KindLayout.h"

#include "CarrierKind.h"

std::optional<KindLayout> KindLayout::of(const QString& kind)
{
    const QString title = QStringLiteral("Název skladby");
    const QString time = QStringLiteral("Čas");
    const QString minutes = QStringLiteral("min.");
    if (kind.isEmpty())
        return none();
    const auto known = carrierkind::parse(kind);
    if (!known)
        return std::nullopt;
    switch (*known) {
    case CarrierKind::AudioCd:
        return KindLayout{title, title, time, minutes, false, true, Fill::AudioCd};
    case CarrierKind::Lp:
    case CarrierKind::Mc:
        return KindLayout{title + QStringLiteral(" - strana A"),
                          title + QStringLiteral(" - strana B"),
                          time,
                          minutes,
                          false,
                          true,
                          *known == CarrierKind::Mc ? Fill::Mc : Fill::None};
    case CarrierKind::DataCd:
    case CarrierKind::Mp3Cd: {
        const QString file = QStringLiteral("Název souboru/programu");
        return KindLayout{file,  file,      QStringLiteral("Vel."), QStringLiteral("MB"), true,
                          false, Fill::Data};
    }
    }
    return std::nullopt;
}
