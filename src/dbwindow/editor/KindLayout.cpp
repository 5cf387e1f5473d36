#include "KindLayout.h"

std::optional<KindLayout> KindLayout::of(const QString& kind)
{
    const QString title = QStringLiteral("Název skladby");
    const QString time = QStringLiteral("Čas");
    const QString minutes = QStringLiteral("min.");
    if (kind.isEmpty())
        return none();
    if (kind == QLatin1String("Audio CD"))
        return KindLayout{title, title, time, minutes, false, true, Fill::AudioCd};
    if (kind == QLatin1String("LP") || kind == QLatin1String("MC"))
        return KindLayout{title + QStringLiteral(" - strana A"),
                          title + QStringLiteral(" - strana B"),
                          time,
                          minutes,
                          false,
                          true,
                          kind == QLatin1String("MC") ? Fill::Mc : Fill::None};
    if (kind == QStringLiteral("Datové CD") || kind == QLatin1String("Audio MP3 CD")) {
        const QString file = QStringLiteral("Název souboru/programu");
        return KindLayout{file,  file,      QStringLiteral("Vel."), QStringLiteral("MB"), true,
                          false, Fill::Data};
    }
    return std::nullopt;
}
