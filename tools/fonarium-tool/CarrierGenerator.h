#pragma once

#include "Status.h"

#include <QDate>
#include <QRandomGenerator>
#include <QString>

class BulkWriter;
class TTable;

// Fills carrier databases with varied, realistic Czech carriers for demos,
// benchmarks and support: every kind, genres, 0-30 tracks, notes, and some
// carriers lent with a matching loan card.
class CarrierGenerator final
{
public:
    // Where the generated rows go: values are locale-free (numbers with a
    // point, dates as yyyy-MM-dd).
    class Rows
    {
    public:
        virtual ~Rows() = default;
        virtual Status begin() = 0;
        virtual Status set(const QString& field, const QString& value) = 0;
        virtual Status end() = 0;
    };

    explicit CarrierGenerator(quint32 seed);

    // Appends `count` carriers numbered from `firstNumber` to a bulk writer of
    // a carrier table; lent ones also get a card in the loan register's writer
    // (may be null).
    Status fill(BulkWriter* carriers, BulkWriter* loans, const QString& programCode,
                int firstNumber, int count);
    // The same through open table objects, one post per carrier, as a user
    // typing them would.
    Status fill(TTable* carriers, TTable* loans, const QString& programCode, int firstNumber,
                int count);

private:
    Status fillRows(Rows& carriers, Rows* loans, const QString& programCode, int firstNumber,
                    int count);
    Status addCarrier(Rows& carriers, Rows* loans, const QString& programCode, int number);
    Status addTracks(Rows& carriers, const QString& kind);
    Status addLoan(Rows& loans, const QString& programCode, const QString& number);
    QString pick(const QStringList& list);
    QString title();
    QString trackValue(const QString& kind);

    QRandomGenerator m_random;
    QDate m_today; // taken once a fill: reading the clock costs more than a row
};
