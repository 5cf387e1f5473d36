#include "BulkWriter.h"
#include "CarrierGenerator.h"
#include "CodePage.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "Data.h"
#include "TableScan.h"
#include "TestProgramFolder.h"

#include <QBuffer>
#include <QTest>

namespace {

const QString kHeader = QStringLiteral("CISLO,DRUH,NAZEV,ZANR,POZNAMKA,DATUM1,C1,C2");

QString tablePath(const TestProgramFolder& program, int slot)
{
    return tablefiles::dbfPath(program.folder().dataFolder(), layouts::carrierTableOfSlot(slot));
}

QByteArray exported(const QString& path)
{
    TableScan scan(path, QStringLiteral("CISLO"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (Status s = csvexport::write(scan, &buffer); !s)
        qWarning() << s.toString();
    return buffer.data();
}

int recordCount(const QString& path)
{
    TableScan scan(path);
    return scan.count();
}

// Carriers a spreadsheet round trip most easily spoils, after sample ones.
void fillAwkward(const QString& path)
{
    BulkWriter writer;
    QVERIFY(writer.openForAppend(path));
    const QList<QMap<QString, QString>> rows = {
        {{"CISLO", "900"},
         {"DRUH", "Datové CD"},
         {"NAZEV", "Příliš žluťoučký kůň, \"úpěl\" ďábelské ódy"},
         {"POZNAMKA", "první řádek\r\ndruhý; s čárkou, a \"uvozovkami\""},
         {"DATUM", "2026-01-31"},
         {"C1", "12.5"},
         {"CELKEM", "12.5"}},
        {{"CISLO", "901"},
         {"DRUH", "LP"},
         {"NAZEV", "Bez čísel a dat"},
         {"DATUM", "2001-02-03"},
         {"CELKEM", "0"}},
        {{"CISLO", "902.5"},
         {"DRUH", "MC"},
         {"INTERPRET", "Čechomor"},
         {"DATUM", "1999-12-31"},
         {"DATUM1", "1998-07-04"},
         {"C1", "3.45"},
         {"C2", "4.30"},
         {"CELKEM", "8.15"}},
    };
    for (const auto& row : rows) {
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            QVERIFY(writer.setFieldValueText(it.key(), it.value()));
        QVERIFY(writer.append());
    }
    QVERIFY(writer.finish());
}

void createOptional(const TestProgramFolder& program, int slot)
{
    QVERIFY(tablefiles::recreateFromTemplate(program.folder().templateFolder(),
                                             program.folder().dataFolder(),
                                             layouts::carrierTableOfSlot(slot)));
}

Status importInto(const QString& path, const QByteArray& bytes, CsvImport* import = nullptr)
{
    CsvImport local(path, QDate(2026, 12, 10));
    CsvImport* used = import ? import : &local;
    Status s = used->read(bytes);
    return s ? used->write() : s;
}

} // namespace

class TestCsvExchange : public QObject
{
    Q_OBJECT

private slots:
    void exportImportExportKeepsEveryByte();
    void badRowsWriteNothing_data();
    void badRowsWriteNothing();
    void everyBadRowIsNamed();
    void clashingEvidenceNumbers_data();
    void clashingEvidenceNumbers();
    void missingNumbersGetTheNextFree();
    void olderSpreadsheetFileIsReadAsWindows1250();
};

void TestCsvExchange::exportImportExportKeepsEveryByte()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    {
        BulkWriter writer;
        QVERIFY(writer.openForAppend(tablePath(program, 1)));
        CarrierGenerator generator(7);
        QVERIFY(generator.fill(&writer, nullptr, QStringLiteral("AS"), 1, 200));
        QVERIFY(writer.finish());
    }
    fillAwkward(tablePath(program, 1));
    createOptional(program, 2);

    const QByteArray first = exported(tablePath(program, 1));
    QVERIFY(first.contains("\"první řádek\r\ndruhý; s čárkou, a \"\"uvozovkami\"\"\""));
    QVERIFY(first.contains(",2026-01-31,,"));
    QVERIFY(importInto(tablePath(program, 2), first));
    QCOMPARE(recordCount(tablePath(program, 2)), 203);
    QCOMPARE(exported(tablePath(program, 2)), first);
}

void TestCsvExchange::badRowsWriteNothing_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown kind") << "1,Kazeta,Název,,,,,"
                                  << "druh nosiče „Kazeta“";
    QTest::newRow("no kind") << "1,,Název,,,,,"
                             << "chybí druh nosiče";
    QTest::newRow("unknown genre") << "1,LP,Název,Polka,,,,"
                                   << "žánr „Polka“";
    QTest::newRow("number") << "1x,LP,Název,,,,,"
                            << "Evidenční číslo: „1x“ není číslo";
    QTest::newRow("track number") << "1,LP,Název,,,,3:45,"
                                  << "C1: „3:45“ není číslo";
    QTest::newRow("too many decimals") << "1,LP,Název,,,,3.456,"
                                       << "C1: hodnota 3.456";
    QTest::newRow("date") << "1,LP,Název,,,31.2.2020,,"
                          << "Datum pořízení: „31.2.2020“ není datum";
    QTest::newRow("width") << "1,LP," + QString(51, QLatin1Char('x')) + ",,,,,"
                           << "Název: text je delší než 50 znaků";
    QTest::newRow("code page") << "1,LP,Název ☺,,,,,"
                               << "Název: znak „☺“";
    QTest::newRow("extra values") << "1,LP,Název,,,,,,navíc"
                                  << "má víc hodnot (9) než záhlaví sloupců (8)";
}

void TestCsvExchange::badRowsWriteNothing()
{
    QFETCH(QString, row);
    QFETCH(QString, reason);
    TestProgramFolder program;
    QVERIFY(program.isValid());
    const QString good = QStringLiteral("2,Audio CD,Dobrý,Rock,,1.2.2003,3.10,");
    const QByteArray file = (kHeader + "\n" + good + "\n" + row + "\n").toUtf8();
    CsvImport import(tablePath(program, 1));
    const Status s = importInto(tablePath(program, 1), file, &import);
    QVERIFY(!s);
    QVERIFY2(s.message().contains(QStringLiteral("Řádek 3: ") + reason), qPrintable(s.message()));
    QCOMPARE(import.badRows().size(), 1);
    QCOMPARE(recordCount(tablePath(program, 1)), 0);
}

// A file from a spreadsheet, quoted values over several lines included: each
// message line points at the line where the bad row starts.
void TestCsvExchange::everyBadRowIsNamed()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    const QByteArray file = "CISLO,DRUH,NAZEV,POZNAMKA,DATUM1\r\n"
                            "1,LP,A,\"dva\r\nřádky\",\r\n"
                            "2,Kazeta,B,,\r\n"
                            "3,LP,C,,2020-13-01\r\n"
                            "\r\n"
                            "4,MC,D,\"tři\nřádky\n\",\r\n"
                            "5,LP,E,,x\r\n";
    CsvImport import(tablePath(program, 1));
    const Status s = importInto(tablePath(program, 1), file, &import);
    QVERIFY(!s);
    QList<int> lines;
    for (const CsvImport::BadRow& bad : import.badRows())
        lines.append(bad.line);
    QCOMPARE(lines, (QList<int>{4, 5, 10}));
    QCOMPARE(recordCount(tablePath(program, 1)), 0);
}

void TestCsvExchange::clashingEvidenceNumbers_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("reason");
    QTest::newRow("in the database") << "7,LP,A,,,,,\n"
                                     << "Řádek 2: evidenční číslo 7 už v databázi je";
    QTest::newRow("written otherwise") << "7.00,LP,A,,,,,\n"
                                       << "Řádek 2: evidenční číslo 7 už v";
    QTest::newRow("earlier row") << "8,LP,A,,,,,\n8,MC,B,,,,,\n"
                                 << "Řádek 3: evidenční číslo 8 už má řádek 2";
}

void TestCsvExchange::clashingEvidenceNumbers()
{
    QFETCH(QString, rows);
    QFETCH(QString, reason);
    TestProgramFolder program;
    QVERIFY(program.isValid());
    QVERIFY(importInto(tablePath(program, 1), (kHeader + "\n7,LP,Stávající,,,,,\n").toUtf8()));
    const Status s = importInto(tablePath(program, 1), (kHeader + "\n" + rows).toUtf8());
    QVERIFY(!s);
    QVERIFY2(s.message().contains(reason), qPrintable(s.message()));
    QCOMPARE(recordCount(tablePath(program, 1)), 1);
}

void TestCsvExchange::missingNumbersGetTheNextFree()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    QVERIFY(importInto(tablePath(program, 1), (kHeader + "\n5,LP,A,,,,,\n").toUtf8()));
    QVERIFY(importInto(tablePath(program, 1),
                       (kHeader + "\n,LP,B,,,,,\n12,MC,C,,,,,\n,LP,D,,,,,\n").toUtf8()));
    TableScan scan(tablePath(program, 1), QStringLiteral("CISLO"));
    QStringList numbers;
    while (scan.next())
        numbers << scan.fieldValueText(QStringLiteral("CISLO")) + ':' +
                       scan.fieldValueText(QStringLiteral("NAZEV"));
    QCOMPARE(numbers, (QStringList{"5:A", "12:C", "13:B", "14:D"}));
}

void TestCsvExchange::olderSpreadsheetFileIsReadAsWindows1250()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    const QString text = QStringLiteral(
        "Evidenční číslo :;Druh nosiče;Název;Žánr;Poznámka;Datum pořízení:;C1;C2;Sloupec navíc\r\n"
        "3;Audio CD;Kytice – Žluťoučký kůň;Lidové písně;\"řádek; první\r\nřádek druhý\";"
        "4. 5. 1999;3,50;2,20;cokoli\r\n");
    const auto bytes = CodePage::forLanguageDriver(CodePage::kWindows1250).encode(text);
    QVERIFY(bytes);
    CsvImport import(tablePath(program, 1), QDate(2026, 12, 10));
    QVERIFY(importInto(tablePath(program, 1), *bytes, &import));
    QVERIFY(import.wasWindows1250());
    QCOMPARE(import.ignoredColumns(), QStringList{"Sloupec navíc"});
    TableScan scan(tablePath(program, 1));
    QVERIFY(scan.next());
    const auto value = [&scan](const char* field) {
        return scan.fieldValueText(QString::fromLatin1(field));
    };
    QCOMPARE(value("NAZEV"), QStringLiteral("Kytice – Žluťoučký kůň"));
    QCOMPARE(value("ZANR"), QStringLiteral("Lidové písně"));
    QCOMPARE(value("POZNAMKA"), QStringLiteral("řádek; první\r\nřádek druhý"));
    QCOMPARE(value("DATUM1"), QStringLiteral("1999-05-04"));
    QCOMPARE(value("DATUM"), QStringLiteral("2026-12-10"));
    QCOMPARE(value("C1"), QStringLiteral("3.5"));
    QCOMPARE(value("CELKEM"), QStringLiteral("6.1"));
}

QTEST_GUILESS_MAIN(TestCsvExchange)
#include "test_csvexchange.moc"
