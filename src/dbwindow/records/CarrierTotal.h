#pragma once

#include "Status.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The total length of a carrier's content, computed when the record is saved
// from the texts of its thirty track editors, exactly in hundredths (9,55 is 9
// and 55 hundredths, never 9.5499999).
//
// Audio CD, LP and MC tracks are minutes with the seconds in the two decimal
// places (3,45 is 3 minutes 45 seconds); their total is written the same way:
// 3,45 + 4,30 = 8,15. Data and MP3 CDs hold sizes in megabytes and are simply
// added up. Any other kind text, an empty one included, has no total.
class CarrierTotal final
{
public:
    struct Result
    {
        Status status;
        QString text; // in the locale's notation; empty when the kind has no total
    };

    static Result compute(const QString& kind, const QStringList& tracks, const QLocale& locale);

    static bool isAudioKind(const QString& kind);
    static bool isDataKind(const QString& kind);
};
