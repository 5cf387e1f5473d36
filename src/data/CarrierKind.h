#pragma once

#include <QString>

#include <optional>

// The five kinds of sound carrier, as the DRUH field stores them.
enum class CarrierKind
{
    AudioCd,
    Mp3Cd,
    DataCd,
    Lp,
    Mc
};

namespace carrierkind {

// Every kind, in the order the lists offer them.
constexpr CarrierKind all[] = {CarrierKind::AudioCd, CarrierKind::Mp3Cd, CarrierKind::DataCd,
                               CarrierKind::Lp, CarrierKind::Mc};

// The text stored in DRUH and shown to the user ("Datové CD").
QString text(CarrierKind kind);

// The kind a stored text names; nothing for an empty or hand-typed text.
std::optional<CarrierKind> parse(const QString& text);

// Tracks of an audio CD, an LP and a cassette are lengths in minutes and
// seconds; those of a data or MP3 CD are file sizes in megabytes.
bool isTimed(CarrierKind kind);
bool isCompactDisc(CarrierKind kind);

} // namespace carrierkind
