#include "TableFixture.h"

#include "TTable.h"
#include "TableScan.h"

#include <QSignalSpy>
#include <QTest>

using Row = TableFixture::Row;

namespace {

Row carrier(const QString& number, const QString& kind, const QString& title,
            const QString& performer = {})
{
    return {{"CISLO", number}, {"DRUH", kind}, {"NAZEV", title}, {"INTERPRET", performer}};
}

// Titles whose Czech order differs from the order of their code points.
QList<Row> czechCarriers()
{
    return {carrier("1", "LP", "Chata"),   carrier("2", "MC", "Cesta"),
            carrier("3", "LP", "Hora"),    carrier("4", "Audio CD", "Čaj"),
            carrier("5", "LP", "Žito"),    carrier("6", "MC", "Zima"),
            carrier("7", "LP", "Řeka"),    carrier("8", "Audio CD", "Rok"),
            carrier("9", "LP", "chalupa"), carrier("10", "MC", "Šum")};
}

QStringList scanColumn(TableScan& scan, const QString& field)
{
    QStringList values;
    while (scan.next())
        values.append(scan.fieldText(field));
    return values;
}

} // namespace

class TestTableScan : public QObject
{
    Q_OBJECT

private slots:
    // The scan yields what a table object with the same index and filter shows.
    void orderAndFilter_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("physical") << ""
                                  << "" << QStringList{"Chata", "Cesta", "Hora", "Čaj",     "Žito",
                                                       "Zima",  "Řeka",  "Rok",  "chalupa", "Šum"};
        QTest::newRow("czech title order")
            << "NAZEV"
            << "" << QStringList{"Cesta", "Čaj",  "Hora", "chalupa", "Chata",
                                 "Rok",   "Řeka", "Šum",  "Zima",    "Žito"};
        QTest::newRow("numbers by value") << "CISLO"
                                          << "DRUH = 'MC'" << QStringList{"Cesta", "Zima", "Šum"};
        QTest::newRow("filtered title order")
            << "NAZEV"
            << "DRUH = 'LP'" << QStringList{"Hora", "chalupa", "Chata", "Řeka", "Žito"};
        QTest::newRow("two terms") << "NAZEV"
                                   << "DRUH <> 'LP' and DRUH <> 'MC'" << QStringList{"Čaj", "Rok"};
        QTest::newRow("nothing matches") << "NAZEV"
                                         << "DRUH = 'Datové CD'" << QStringList{};
    }

    void orderAndFilter()
    {
        QFETCH(QString, index);
        QFETCH(QString, filter);
        QFETCH(QStringList, titles);
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, czechCarriers()));
        QVERIFY(table.setIndex(index));
        QVERIFY(table.setFilter(filter));
        QVERIFY(table.setFiltered(!filter.isEmpty()));
        QCOMPARE(TableFixture::column(table, "NAZEV"), titles);

        TableScan byPath(fixture.dbfPath(), index, filter);
        QVERIFY2(byPath.status(), qPrintable(byPath.status().toString()));
        QCOMPARE(byPath.count(), titles.size());
        QCOMPARE(scanColumn(byPath, "NAZEV"), titles);
        TableScan ofTable(table);
        QCOMPARE(scanColumn(ofTable, "NAZEV"), titles);
    }

    // Windows keep their cursor, filter, index and the record being typed
    // while a build or a report walks the same table.
    void leavesTableObjectAlone()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, czechCarriers()));
        QVERIFY(table.setIndex("NAZEV"));
        QVERIFY(table.setFilter("DRUH = 'LP'"));
        QVERIFY(table.setFiltered(true));
        QVERIFY(table.next());
        QVERIFY(table.next());
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("NAZEV", "Rozepsaný"));
        const TTable::Bookmark mark = table.bookmark();
        const int position = table.recNo();
        QSignalSpy moved(&table, &TTable::cursorMoved);
        QSignalSpy changed(&table, &TTable::recordChanged);
        QSignalSpy state(&table, &TTable::stateChanged);

        TableScan same(table);
        QCOMPARE(same.count(), 5);
        while (same.next())
            QVERIFY(!same.fieldText("NAZEV").isEmpty());
        TableScan other(table.filePath(), "CISLO");
        QCOMPARE(other.count(), 10);
        QVERIFY(other.next());

        QCOMPARE(moved.count() + changed.count() + state.count(), 0);
        QCOMPARE(table.state(), TTable::State::Edit);
        QVERIFY(table.isModified());
        QCOMPARE(table.fieldText("NAZEV"), QString("Rozepsaný"));
        QCOMPARE(table.recNo(), position);
        QCOMPARE(table.bookmark().record, mark.record);
        QCOMPARE(table.indexName(), QString("NAZEV"));
        QCOMPARE(table.filter(), QString("DRUH = 'LP'"));
        QVERIFY(table.filtered());
        QVERIFY(table.post());
        QCOMPARE(table.fieldText("NAZEV"), QString("Rozepsaný"));
    }

    void fieldFormsAndRecordNumbers()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(
            table, {{{"CISLO", "7"}, {"DELKA", "74,5"}, {"DATUM", "3.2.2001"}, {"NAZEV", "Léto"}},
                    carrier("8", "LP", "Smazaný"),
                    carrier("9", "LP", "Zbývá")}));
        QVERIFY(table.next());
        QVERIFY(table.deleteRecord());
        TableScan scan(fixture.dbfPath(), "", "", QLocale(QLocale::Czech, QLocale::CzechRepublic));
        QCOMPARE(scan.count(), 2);
        QVERIFY(scan.next());
        QCOMPARE(scan.recordNumber(), 0);
        QCOMPARE(scan.fieldText("delka"), table.locale().toString(74.5));
        QCOMPARE(scan.fieldValueText("DELKA"), QString("74.5"));
        QCOMPARE(scan.fieldValueText("DATUM"), QString("2001-02-03"));
        QCOMPARE(scan.fieldText("DATUM"), QString("03.02.2001"));
        QCOMPARE(scan.fieldText("NAZEV"), QString("Léto"));
        QVERIFY(scan.next());
        QCOMPARE(scan.recordNumber(), 2);
        QCOMPARE(scan.fieldText("NAZEV"), QString("Zbývá"));
        QVERIFY(!scan.next());
        QVERIFY(scan.fieldText("NAZEV").isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("filter");
        QTest::newRow("missing file") << "Nic.dbf"
                                      << ""
                                      << "";
        QTest::newRow("unknown index") << "AudioS.dbf"
                                       << "OBAL"
                                       << "";
        QTest::newRow("unknown filter field") << "AudioS.dbf"
                                              << ""
                                              << "OBAL = 'x'";
        QTest::newRow("broken filter") << "AudioS.dbf"
                                       << ""
                                       << "DRUH = ";
    }

    void refusals()
    {
        QFETCH(QString, file);
        QFETCH(QString, index);
        QFETCH(QString, filter);
        TableFixture fixture;
        fixture.fill({carrier("1", "LP", "Jedna")});
        TableScan scan(fixture.folder() + file, index, filter);
        QCOMPARE(scan.count(), 0);
        QVERIFY(!scan.next());
        QVERIFY(!scan.status());
        QVERIFY(!scan.status().message().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTableScan)
#include "test_tablescan.moc"
