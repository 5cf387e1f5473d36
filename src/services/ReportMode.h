#pragma once

#include <QString>

#include <optional>

// A report is previewed on the screen ("N", náhled) or printed ("T", tisk).
enum class ReportMode
{
    Preview,
    Print
};

namespace reportmode {

// The letter the report windows pass on: "N" or "T".
QString letter(ReportMode mode);
// The mode of a letter, upper or lower case; nothing for any other text.
std::optional<ReportMode> fromLetter(const QString& letter);

} // namespace reportmode
