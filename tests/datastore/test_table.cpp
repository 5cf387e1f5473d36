#include "TableFixture.h"

#include "FilterExpression.h"
#include "TDataModule1.h"
#include "TDataSource.h"
#include "TTable.h"

#include <QSignalSpy>
#include <QTest>

using Row = TableFixture::Row;

namespace {

Row carrier(const QString& number, const QString& kind, const QString& title,
            const QString& performer = {})
{
    return {{"CISLO", number}, {"DRUH", kind}, {"NAZEV", title}, {"INTERPRET", performer}};
}

QList<Row> threeCarriers()
{
    return {carrier("30", "LP", "Řeka"), carrier("10", "Audio CD", "Cesta"),
            carrier("20", "MC", "Hora")};
}

void step(TTable& table, const QString& name)
{
    if (name == "next")
        QVERIFY(table.next());
    else if (name == "prior")
        QVERIFY(table.prior());
    else if (name == "first")
        QVERIFY(table.first());
    else if (name == "last")
        QVERIFY(table.last());
}

} // namespace

class TestTable : public QObject
{
    Q_OBJECT

private slots:
    void navigationFlags_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("bof");
        QTest::addColumn<bool>("eof");
        QTest::newRow("open") << QStringList{} << "10" << true << false;
        QTest::newRow("next") << QStringList{"next"} << "20" << false << false;
        QTest::newRow("last") << QStringList{"last"} << "30" << false << true;
        QTest::newRow("next on last stays") << QStringList{"last", "next"} << "30" << false << true;
        QTest::newRow("prior on first stays") << QStringList{"prior"} << "10" << true << false;
        QTest::newRow("first after last") << QStringList{"last", "first"} << "10" << true << false;
        QTest::newRow("prior from last") << QStringList{"last", "prior"} << "20" << false << false;
        QTest::newRow("next twice")
            << QStringList{"first", "next", "next"} << "30" << false << false;
    }

    void navigationFlags()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, number);
        QFETCH(bool, bof);
        QFETCH(bool, eof);
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        for (const QString& name : steps)
            step(table, name);
        QCOMPARE(table.fieldText("CISLO"), number);
        QCOMPARE(table.bof(), bof);
        QCOMPARE(table.eof(), eof);
    }

    void emptyTableHasBothFlags()
    {
        TableFixture fixture;
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.open());
        QVERIFY(table.bof() && table.eof());
        QVERIFY(table.next());
        QVERIFY(table.prior());
        QVERIFY(table.last());
        QVERIFY(table.bof() && table.eof());
        QCOMPARE(table.fieldText("NAZEV"), QString());
        const Status s = table.deleteRecord();
        QVERIFY(!s);
        QVERIFY(!s.message().isEmpty());
    }

    void postPlacesRecordByIndex()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        QVERIFY(TableFixture::append(table, carrier("15", "LP", "Anděl")));
        QCOMPARE(table.fieldText("CISLO"), QString("15"));
        QCOMPARE(table.recNo(), 1);
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"10", "15", "20", "30"}));

        // Changing the key of a record moves it to its new place.
        QVERIFY(table.first());
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("CISLO", "25"));
        QVERIFY(table.post());
        QCOMPARE(table.fieldText("CISLO"), QString("25"));
        QCOMPARE(table.recNo(), 2);
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"15", "20", "25", "30"}));
    }

    void textIndexesSortCzech()
    {
        TableFixture fixture(QStringLiteral("AudioI"));
        fixture.fill({carrier("1", "LP", "Chata", "Zdena"), carrier("2", "LP", "Hora", "Adam"),
                      carrier("3", "LP", "Čáp", "Adam"), carrier("4", "LP", "Cesta", "Zdena"),
                      carrier("5", "LP", "Ábel", "Bára")});
        TTable table;
        fixture.setUp(table, "NAZEV");
        QVERIFY(table.open());
        QCOMPARE(TableFixture::column(table, "NAZEV"),
                 (QStringList{"Ábel", "Cesta", "Čáp", "Hora", "Chata"}));
        QVERIFY(table.setIndex("INTERJMENO"));
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"3", "2", "5", "4", "1"}));
        QVERIFY(!table.setIndex("NEEXISTUJE"));
        QCOMPARE(table.indexName(), QString("INTERJMENO"));
    }

    void insertAndCancel()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        QVERIFY(table.next());
        QVERIFY(table.insert());
        QCOMPARE(table.state(), TTable::State::Insert);
        QCOMPARE(table.fieldText("CISLO"), QString());
        QVERIFY(table.setFieldText("CISLO", "99"));
        table.cancel();
        QCOMPARE(table.state(), TTable::State::Browse);
        QCOMPARE(table.fieldText("CISLO"), QString("20"));
        QCOMPARE(table.recordCount(), 3);

        // Edit, then cancel, restores the stored values.
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("NAZEV", "Jiná"));
        QCOMPARE(table.fieldText("NAZEV"), QString("Jiná"));
        table.cancel();
        QCOMPARE(table.fieldText("NAZEV"), QString("Hora"));
    }

    void insertWhileEditing()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        // A modified record is saved before the new one starts...
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("NAZEV", "Změněno"));
        QVERIFY(table.insert());
        table.cancel();
        QVERIFY(table.first());
        QCOMPARE(table.fieldText("NAZEV"), QString("Změněno"));
        // ...an unmodified one is simply dropped.
        QVERIFY(table.insert());
        QVERIFY(table.insert());
        table.cancel();
        QCOMPARE(table.recordCount(), 3);
    }

    void editOnEmptyTableInserts()
    {
        TableFixture fixture;
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.open());
        QVERIFY(table.edit());
        QCOMPARE(table.state(), TTable::State::Insert);
        QVERIFY(!TTable().setFieldText("CISLO", "1"));
    }

    void navigationPostsModifiedRecord()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("NAZEV", "Nová cesta"));
        QVERIFY(table.next());
        QCOMPARE(table.state(), TTable::State::Browse);
        QVERIFY(table.first());
        QCOMPARE(table.fieldText("NAZEV"), QString("Nová cesta"));

        // So does switching the filter on.
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("NAZEV", "Filtrovaná cesta"));
        QVERIFY(table.setFiltered(true));
        QCOMPARE(table.state(), TTable::State::Browse);
        QCOMPARE(table.fieldText("NAZEV"), QString("Filtrovaná cesta"));
    }

    void unknownIndexFallsBackToPhysicalOrder()
    {
        TableFixture fixture;
        fixture.fill(threeCarriers());
        TTable table;
        fixture.setUp(table, "PRIJMENI");
        QVERIFY(table.open());
        QCOMPARE(table.warnings().size(), 1);
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"30", "10", "20"}));
    }

    void deleteMovesToNextOrPrevious()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        QVERIFY(table.next());
        QVERIFY(table.deleteRecord());
        QCOMPARE(table.fieldText("CISLO"), QString("30"));
        QVERIFY(table.deleteRecord());
        QCOMPARE(table.fieldText("CISLO"), QString("10"));
        QVERIFY(table.deleteRecord());
        QVERIFY(table.isEmpty());
        QVERIFY(table.bof() && table.eof());
        table.close();
        QVERIFY(table.open());
        QVERIFY(table.isEmpty());
    }

    void deletedRecordsStayHidden()
    {
        TableFixture fixture;
        fixture.fill(threeCarriers());
        {
            TTable table;
            fixture.setUp(table);
            QVERIFY(table.open());
            QVERIFY(table.findKey("20"));
            QVERIFY(table.deleteRecord());
        }
        TTable table;
        fixture.setUp(table, "NAZEV");
        QVERIFY(table.open());
        QCOMPARE(TableFixture::column(table, "NAZEV"), (QStringList{"Cesta", "Řeka"}));
    }

    void numbersInDisplayForm_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("value");
        QTest::newRow("whole") << "CISLO"
                               << "99999"
                               << "99999"
                               << "99999";
        QTest::newRow("comma") << "CISLO"
                               << "12,75"
                               << "12,75"
                               << "12.75";
        QTest::newRow("point") << "DELKA"
                               << "12.5"
                               << "12,5"
                               << "12.5";
        QTest::newRow("four decimals") << "CISLO"
                                       << ",1234"
                                       << "0,1234"
                                       << "0.1234";
        QTest::newRow("negative") << "CISLO"
                                  << "-9999"
                                  << "-9999"
                                  << "-9999";
        QTest::newRow("trailing zeros") << "C1"
                                        << "3,40"
                                        << "3,4"
                                        << "3.4";
        QTest::newRow("empty") << "C1"
                               << ""
                               << ""
                               << "";
        QTest::newRow("blank") << "DELKA"
                               << "  "
                               << ""
                               << "";
        QTest::newRow("total") << "CELKEM"
                               << "350,75"
                               << "350,75"
                               << "350.75";
        QTest::newRow("date") << "DATUM1"
                              << "9.12.2026"
                              << "09.12.2026"
                              << "2026-12-09";
        QTest::newRow("iso date") << "DATUM"
                                  << "2001-02-03"
                                  << "03.02.2001"
                                  << "2001-02-03";
        QTest::newRow("no date") << "DATUM"
                                 << ""
                                 << ""
                                 << "";
    }

    void numbersInDisplayForm()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, value);
        TableFixture fixture;
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.open());
        QVERIFY(table.insert());
        QVERIFY(table.setFieldText(field, typed));
        QVERIFY(table.post());
        table.close();
        QVERIFY(table.open());
        QCOMPARE(table.fieldText(field), shown);
        QCOMPARE(table.fieldValueText(field), value);
    }

    void refusedValuesChangeNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("too large") << "CISLO"
                                   << "12345678901";
        QTest::newRow("too many decimals") << "C1"
                                           << "3,456";
        QTest::newRow("not a number") << "DELKA"
                                      << "abc";
        QTest::newRow("two separators") << "DELKA"
                                        << "1,2,3";
        QTest::newRow("bad date") << "DATUM1"
                                  << "31.02.2020";
        QTest::newRow("text too long") << "NAZEV" << QString(51, 'x');
        QTest::newRow("not in code page") << "NAZEV"
                                          << "Smile \u263A";
        QTest::newRow("unknown field") << "NEZNAME"
                                       << "1";
    }

    void refusedValuesChangeNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, {carrier("7", "LP", "Původní")}));
        QVERIFY(table.edit());
        const QString before = table.fieldText(field);
        const Status s = table.setFieldText(field, typed);
        QVERIFY(!s);
        QVERIFY(!s.message().isEmpty());
        QCOMPARE(table.fieldText(field), before);
        QCOMPARE(table.isModified(), false);
    }

    void blanksOfText()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, {carrier("1", "LP", "   Odsazený název   ")}));
        QCOMPARE(table.fieldText("NAZEV"), QString("   Odsazený název"));
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("POZNAMKA", "První řádek\r\nDruhý řádek"));
        QVERIFY(table.post());
        QCOMPARE(table.fieldText("POZNAMKA"), QString("První řádek\nDruhý řádek"));
        QCOMPARE(table.fieldValueText("POZNAMKA"), QString("První řádek\r\nDruhý řádek"));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("all kinds") << "DRUH <> ' '" << QStringList{"1", "2", "3", "5"};
        QTest::newRow("one kind") << "DRUH = 'LP'" << QStringList{"2", "5"};
        QTest::newRow("kind and genre") << "DRUH = 'LP' and ZANR = 'Rock'" << QStringList{"5"};
        QTest::newRow("case-sensitive") << "DRUH = 'lp'" << QStringList{};
        QTest::newRow("trailing blanks") << "NAZEV = 'Rock''n''roll   '" << QStringList{"3"};
        QTest::newRow("doubled apostrophe")
            << filterTerm("NAZEV", "Rock'n'roll") << QStringList{"3"};
        QTest::newRow("lone apostrophes") << "NAZEV = 'Rock'n'roll'" << QStringList{"3"};
        QTest::newRow("apostrophe before and")
            << "NAZEV = 'Rock'n'roll' and DRUH <> ' '" << QStringList{"3"};
        QTest::newRow("non-blank performer") << "INTERPRET <> ' '" << QStringList{"1", "2"};
        QTest::newRow("leading blank matters") << "INTERPRET = 'Beta'" << QStringList{"2"};
    }

    void filters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, numbers);
        TableFixture fixture;
        QList<Row> rows = {carrier("1", "Audio CD", "Alfa", "Alfa"),
                           carrier("2", "LP", "Beta", "Beta"), carrier("3", "MC", "Rock'n'roll"),
                           carrier("4", "", "Bez druhu"), carrier("5", "LP", "Gama", " ")};
        rows[4]["ZANR"] = "Rock";
        rows[0]["INTERPRET"] = " Beta";
        fixture.fill(rows);
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.setFilter(filter));
        QVERIFY(table.setFiltered(true));
        QVERIFY(table.open());
        QCOMPARE(TableFixture::column(table, "CISLO"), numbers);
    }

    void filterStaysWithTableObject()
    {
        TableFixture fixture;
        fixture.fill({carrier("1", "LP", "A"), carrier("2", "", "B"), carrier("3", "MC", "C")});
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.setFilter("DRUH <> ' '"));
        QVERIFY(table.open());
        QCOMPARE(table.recordCount(), 3); // filtering is off until switched on
        QVERIFY(table.setFiltered(true));
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"1", "3"}));
        QVERIFY(table.setFilter("DRUH = 'MC'")); // takes effect at once
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"3"}));
        table.close();
        QVERIFY(table.open());
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"3"}));
        QVERIFY(!table.setFilter("DRUH = "));
        QCOMPARE(table.filter(), QString("DRUH = 'MC'"));
        QVERIFY(table.setFiltered(false));
        QCOMPARE(table.recordCount(), 3);
    }

    void postedRecordHiddenByFilter()
    {
        TableFixture fixture;
        fixture.fill({carrier("1", "LP", "A"), carrier("3", "LP", "C")});
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.setFilter("DRUH = 'LP'"));
        QVERIFY(table.setFiltered(true));
        QVERIFY(table.open());
        QVERIFY(TableFixture::append(table, carrier("2", "MC", "B")));
        QCOMPARE(table.recordCount(), 2);
        QCOMPARE(table.fieldText("CISLO"), QString("3"));
    }

    void findKeyAndNearest()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        QVERIFY(table.findKey("20"));
        QCOMPARE(table.fieldText("NAZEV"), QString("Hora"));
        QVERIFY(!table.findKey("25"));
        QCOMPARE(table.fieldText("NAZEV"), QString("Hora")); // position stays
        QVERIFY(table.first());
        QVERIFY(!table.gotoKey());
        table.findNearest("25");
        QCOMPARE(table.fieldText("CISLO"), QString("30"));
        table.findNearest("5");
        QCOMPARE(table.fieldText("CISLO"), QString("10"));
        table.findNearest("99");
        QCOMPARE(table.fieldText("CISLO"), QString("30"));

        QVERIFY(table.setIndex("NAZEV"));
        QVERIFY(table.findKey("Řeka"));
        QCOMPARE(table.fieldText("CISLO"), QString("30"));
        QVERIFY(!table.findKey("řeka"));
        table.findNearest("D");
        QCOMPARE(table.fieldText("NAZEV"), QString("Hora"));
        QVERIFY(table.first());
        QVERIFY(table.findKey("Cesta"));
        QVERIFY(table.last());
        QVERIFY(table.gotoKey());
        QCOMPARE(table.fieldText("NAZEV"), QString("Cesta"));
    }

    void bookmarks()
    {
        TableFixture fixture;
        TTable table;
        QVERIFY(fixture.openFilled(table, threeCarriers()));
        QVERIFY(table.next());
        const TTable::Bookmark mark = table.bookmark();
        QVERIFY(table.last());
        QVERIFY(table.setIndex("NAZEV"));
        QVERIFY(table.gotoBookmark(mark));
        QCOMPARE(table.fieldText("CISLO"), QString("20"));
        QVERIFY(table.deleteRecord());
        QVERIFY(!table.gotoBookmark(mark));
    }

    void notifications()
    {
        TableFixture fixture;
        fixture.fill(threeCarriers());
        TTable table;
        fixture.setUp(table);
        TDataSource source;
        source.setDataSet(&table);
        QSignalSpy moved(&table, &TTable::cursorMoved);
        QSignalSpy state(&table, &TTable::stateChanged);
        QSignalSpy shown(&source, &TDataSource::dataChanged);
        QVERIFY(table.open());
        QCOMPARE(state.count(), 1);
        QVERIFY(table.next());
        QVERIFY(moved.count() >= 2);
        const int before = shown.count();
        source.setEnabled(false);
        QVERIFY(table.next());
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("NAZEV", "X"));
        QCOMPARE(shown.count(), before);
        source.setEnabled(true);
        QCOMPARE(shown.count(), before + 1);
        table.cancel();
        QCOMPARE(shown.count(), before + 2);
        QCOMPARE(state.count(), 3);
    }

    void dataModuleTables_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("filter");
        const QString carriers = "DRUH <> ' '";
        QTest::newRow("Table1") << 1 << "AudioS.dbf"
                                << "CISLO" << carriers;
        QTest::newRow("Table2") << 2 << "Audio1.dbf"
                                << "CISLO" << carriers;
        QTest::newRow("Table3") << 3 << "Audio2.dbf"
                                << "CISLO" << carriers;
        QTest::newRow("Table4") << 4 << "Audio3.dbf"
                                << "CISLO" << carriers;
        QTest::newRow("Table5") << 5 << "AudioI.dbf"
                                << "CISLO"
                                << "";
        QTest::newRow("Table6") << 6 << "TipyA.dbf"
                                << ""
                                << "";
        QTest::newRow("Table7") << 7 << "Pujcovna.dbf"
                                << "ID"
                                << "";
        QTest::newRow("Table8") << 8 << "Adresar1.dbf"
                                << "PRIJMENI"
                                << "";
        QTest::newRow("Table9") << 9 << "Adresar2.dbf"
                                << "PRIJMENI"
                                << "";
    }

    void dataModuleTables()
    {
        QFETCH(int, number);
        QFETCH(QString, file);
        QFETCH(QString, index);
        QFETCH(QString, filter);
        TDataModule1 module("/data/");
        TTable* table = module.table(number);
        QVERIFY(table);
        QCOMPARE(table->objectName(), QString("Table%1").arg(number));
        QCOMPARE(module.dataSource(number)->objectName(), QString("DataSource%1").arg(number));
        QCOMPARE(module.dataSource(number)->dataSet(), table);
        QCOMPARE(table->tableName(), file);
        QCOMPARE(table->databaseName(), QString("/data/"));
        QCOMPARE(table->indexName(), index);
        QCOMPARE(table->filter(), filter);
        QVERIFY(!table->filtered());
        QVERIFY(!table->isActive());
        QCOMPARE(module.slotTable(number), number <= 4 ? table : nullptr);
    }

    void postedRecordIsInTheFileAtOnce()
    {
        TableFixture fixture;
        TTable writer;
        fixture.setUp(writer);
        QVERIFY(writer.open());
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(TableFixture::append(writer, carrier(QString::number(i), "LP", "Deska")));
            // Another reader sees every posted record while the writer keeps the table open.
            TTable reader;
            fixture.setUp(reader);
            QVERIFY(reader.open());
            QCOMPARE(reader.recordCount(), i);
            QVERIFY(reader.warnings().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestTable)
#include "test_table.moc"
