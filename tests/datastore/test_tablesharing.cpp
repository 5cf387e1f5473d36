#include "TableFixture.h"

#include "BulkWriter.h"
#include "DbfReader.h"
#include "TTable.h"

#include <QFile>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using Row = TableFixture::Row;

namespace {

Row carrier(const QString& number, const QString& kind, const QString& title)
{
    return {{"CISLO", number}, {"DRUH", kind}, {"NAZEV", title}};
}

// Another program appends carriers to the file while we have it open.
bool appendElsewhere(const QString& path, const QList<Row>& rows)
{
    const pid_t child = fork();
    if (child == 0) {
        BulkWriter writer;
        bool ok = bool(writer.openForAppend(path));
        for (const Row& row : rows) {
            for (auto it = row.cbegin(); ok && it != row.cend(); ++it)
                ok = bool(writer.setFieldValueText(it.key(), it.value()));
            ok = ok && writer.append();
        }
        _exit(ok && writer.finish() ? 0 : 1);
    }
    int status = 1;
    waitpid(child, &status, 0);
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void move(TTable& table, const QString& how)
{
    if (how == "first")
        QVERIFY(table.first());
    else if (how == "last")
        QVERIFY(table.last());
    else
        while (!table.eof())
            QVERIFY(table.next());
}

} // namespace

class TestTableSharing : public QObject
{
    Q_OBJECT

private slots:
    void grownByAnotherProgram_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("titles");
        const QStringList all{"Cesta", "Čaj", "Hora", "Chata", "Řeka", "Zima"};
        QTest::newRow("first") << "first"
                               << "" << all;
        QTest::newRow("last") << "last"
                              << "" << all;
        QTest::newRow("next past the end") << "next"
                                           << "" << all;
        QTest::newRow("filtered") << "first"
                                  << "DRUH = 'LP'" << QStringList{"Čaj", "Hora", "Řeka"};
    }

    // A sibling program's loan register grows while our window shows it.
    void grownByAnotherProgram()
    {
        QFETCH(QString, move);
        QFETCH(QString, filter);
        QFETCH(QStringList, titles);
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, {carrier("1", "LP", "Hora"), carrier("2", "MC", "Zima"),
                                           carrier("3", "MC", "Cesta")}));
        QVERIFY(table.setIndex("NAZEV"));
        QVERIFY(table.setFilter(filter));
        QVERIFY(table.setFiltered(!filter.isEmpty()));
        QVERIFY(table.first());
        const QString shown = table.fieldText("NAZEV");
        QVERIFY(appendElsewhere(
            fixture.dbfPath(),
            {carrier("4", "LP", "Řeka"), carrier("5", "MC", "Chata"), carrier("6", "LP", "Čaj")}));
        QCOMPARE(table.fieldText("NAZEV"), shown);
        ::move(table, move);
        QCOMPARE(TableFixture::column(table, "NAZEV"), titles);
        QCOMPARE(table.recordCount(), titles.size());

        // Our own post goes after the other program's records.
        QVERIFY(TableFixture::append(table, carrier("7", "LP", "Dálka")));
        table.close();
        QVERIFY(table.open());
        QCOMPARE(table.recordCount(), titles.size() + 1);
        QVERIFY(table.findKey("Řeka"));
        QCOMPARE(table.fieldText("CISLO"), QString("4"));
    }

    // Whatever another program does to the file, reading it never crashes;
    // the table shows what the file still holds.
    void cutOrReplacedByAnotherProgram_data()
    {
        QTest::addColumn<int>("keptBytes");
        QTest::addColumn<int>("records");
        QTest::newRow("cut to the header") << 0 << 0;
        QTest::newRow("cut inside the second record") << 3 << 1;
        QTest::newRow("replaced") << -1 << 3;
    }

    void cutOrReplacedByAnotherProgram()
    {
        QFETCH(int, keptBytes);
        QFETCH(int, records);
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, {carrier("1", "LP", "Hora"), carrier("2", "MC", "Zima"),
                                           carrier("3", "MC", "Cesta")}));
        QVERIFY(table.setIndex("NAZEV"));
        QVERIFY(table.next());
        DbfReader reader;
        QVERIFY(reader.open(fixture.dbfPath()));
        if (keptBytes >= 0) {
            QFile file(fixture.dbfPath());
            const int recordBytes = reader.recordLength() * (keptBytes ? 1 : 0) + keptBytes;
            QVERIFY(file.resize(reader.headerLength() + recordBytes));
        } else {
            TableFixture other;
            other.fill({carrier("9", "LP", "Jiná")});
            QFile::remove(fixture.dbfPath());
            QVERIFY(QFile::rename(other.dbfPath(), fixture.dbfPath()));
        }
        table.fieldText("NAZEV");
        QVERIFY(table.next());
        QVERIFY(table.prior());
        QVERIFY(table.first());
        QCOMPARE(table.recordCount(), records);
        for (const QString& title : TableFixture::column(table, "NAZEV"))
            QVERIFY(QStringList({"Hora", "Zima", "Cesta"}).contains(title));
    }

    // Records are read out of a map of the file; pages cut off it while we
    // hold the map must come back as missing records, not as a bus error.
    void readerSurvivesACutUnderItsMap()
    {
        QList<Row> carriers;
        for (int n = 1; n <= 40; ++n)
            carriers.append(carrier(QString::number(n), "LP", QStringLiteral("Deska %1").arg(n)));
        TableFixture fixture;
        fixture.fill(carriers);
        DbfReader reader;
        QVERIFY(reader.open(fixture.dbfPath()));
        QVERIFY(reader.record(39));
        QVERIFY(QFile(fixture.dbfPath()).resize(reader.headerLength() + reader.recordLength()));
        QVERIFY(reader.record(0));
        QCOMPARE(reader.record(0)[0], ' ');
        for (int r = 1; r < 40; ++r)
            QVERIFY2(!reader.record(r), qPrintable(QString::number(r)));
    }
};

QTEST_GUILESS_MAIN(TestTableSharing)
#include "test_tablesharing.moc"
