#include "ReportMode.h"

namespace reportmode {

QString letter(ReportMode mode)
{
    return mode == ReportMode::Print ? QStringLiteral("T") : QStringLiteral("N");
}

std::optional<ReportMode> fromLetter(const QString& letter)
{
    const QString upper = letter.trimmed().toUpper();
    if (upper == QLatin1String("N"))
        return ReportMode::Preview;
    if (upper == QLatin1String("T"))
        return ReportMode::Print;
    return std::nullopt;
}

} // namespace reportmode
