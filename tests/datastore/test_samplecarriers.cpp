#include "CarrierGenerator.h"
#include "FileBytes.h"
#include "KillAtWrite.h"
#include "TTable.h"
#include "TableFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The values of `field` in the records where `filter` holds.
QStringList valuesWhere(const QString& folder, const QString& table, const QString& field,
                        const QString& filter)
{
    TTable t;
    t.setDatabaseName(folder);
    t.setTableName(table);
    if (!t.setFilter(filter) || !t.setFiltered(true) || !t.open())
        return {QStringLiteral("<%1 not opened>").arg(table)};
    QStringList values;
    for ((void)t.first(); !t.isEmpty(); (void)t.next()) {
        values.append(t.fieldText(field));
        if (t.eof())
            break;
    }
    return values;
}

} // namespace

class TestSampleCarriers : public QObject
{
    Q_OBJECT

private slots:
    // Wherever the tool is stopped, a carrier marked as lent finds its loan card.
    void lentCarrierAlwaysHasItsLoanCard()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(tablefiles::create(folder, layouts::carrier("AudioS"), ".dbt", ".mdx"));
        QVERIFY(tablefiles::create(folder, layouts::loanRegister(), ".dbt", ".mdx"));
        const QStringList files = {folder + "AudioS.dbf", folder + "Pujcovna.dbf"};
        const QByteArray emptyCarriers = readAll(files[0]);
        const QByteArray emptyLoans = readAll(files[1]);
        const auto work = [&folder] {
            TTable carriers;
            TTable loans;
            carriers.setDatabaseName(folder);
            carriers.setTableName("AudioS.dbf");
            loans.setDatabaseName(folder);
            loans.setTableName("Pujcovna.dbf");
            if (!carriers.open() || !loans.open())
                _exit(3);
            _exit(CarrierGenerator(5).fill(&carriers, &loans, "AS", 1, 16) ? 0 : 4);
        };
        qsizetype mostLent = 0;
        for (int n = 1;; ++n) {
            writeAll(files[0], emptyCarriers);
            writeAll(files[1], emptyLoans);
            for (const QString& copy : QDir(folder).entryList({"*.poskozeno"}))
                QFile::remove(folder + copy);
            const bool killed = killedAtWrite(files, n, work);
            const QStringList lent =
                valuesWhere(folder, "AudioS.dbf", "CISLO", QStringLiteral("PUJCENO = 'Půjčeno'"));
            const QStringList cards =
                valuesWhere(folder, "Pujcovna.dbf", "ID", QStringLiteral("PROGRAM = 'AS'"));
            for (const QString& number : lent)
                QVERIFY2(cards.contains(number),
                         qPrintable(
                             QStringLiteral("carrier %1 after %2 writes").arg(number).arg(n - 1)));
            mostLent = std::max(mostLent, lent.size());
            if (!killed)
                break;
            QVERIFY2(n < 400, "the tool never finished");
        }
        QVERIFY(mostLent > 0);
    }
};

QTEST_GUILESS_MAIN(TestSampleCarriers)
#include "test_samplecarriers.moc"
