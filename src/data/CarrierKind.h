#pragma once

#include <QLocale>
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

// A length in minutes as users type and read it, with both digits of the
// seconds: the table shows the stored 2.1 as "2,1", which reads as 2:01, and
// this gives "2,10". A text that is no length comes back as it is.
QString minuteText(const QString& shown, const QLocale& locale);

// A field of a carrier of the kind stored as `kind`, as the program shows it:
// the track lengths, the total and a carrier length with seconds of a timed
// kind as minute texts, every other field as the table shows it.
QString shownValue(const QString& kind, const QString& field, const QString& shown,
                   const QLocale& locale);

} // namespace carrierkind
