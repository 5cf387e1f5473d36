#pragma once

#include "Status.h"

#include <QRandomGenerator>
#include <QString>

class TTable;

// Fills carrier databases with varied, realistic Czech carriers for demos,
// benchmarks and support: every kind, genres, 0-30 tracks, notes, and some
// carriers lent with a matching loan card.
class CarrierGenerator final
{
public:
    explicit CarrierGenerator(quint32 seed);

    // Appends `count` carriers numbered from `firstNumber` to an open carrier
    // table; lent ones also get a card in the open loan register (may be null).
    Status fill(TTable* carriers, TTable* loans, const QString& programCode, int firstNumber,
                int count);

private:
    Status addCarrier(TTable* carriers, TTable* loans, const QString& programCode, int number);
    Status addTracks(TTable* carriers, const QString& kind);
    Status addLoan(TTable* loans, const QString& programCode, const QString& number);
    QString pick(const QStringList& list);
    QString title();
    QString trackValue(const QString& kind);

    QRandomGenerator m_random;
};
