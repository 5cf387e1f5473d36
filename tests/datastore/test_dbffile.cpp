#include "FileBytes.h"
#include "KillAtWrite.h"
#include "TableFixture.h"

#include "CodePage.h"
#include "DbfFile.h"
#include "IndexFile.h"
#include "TTable.h"
#include "TableFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using Row = TableFixture::Row;

namespace {
quint32 le32(const QByteArray& bytes, int at)
{
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

quint16 le16(const QByteArray& bytes, int at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

Row titled(int number, const QString& title)
{
    return {{"CISLO", QString::number(number)}, {"DRUH", "LP"}, {"NAZEV", title}};
}

QStringList titlesOf(const QString& folder, const QString& base, QStringList* warnings = nullptr)
{
    TTable table;
    table.setDatabaseName(folder);
    table.setTableName(base + ".dbf");
    (void)table.setIndex("CISLO");
    if (!table.open())
        return {"<not opened>"};
    if (warnings)
        *warnings = table.warnings();
    return TableFixture::column(table, "NAZEV");
}

// The raw bytes of each record as the header counts them.
QList<QByteArray> recordsOf(const QString& path)
{
    const QByteArray bytes = readAll(path);
    const int headerLength = le16(bytes, 8);
    const int recordLength = le16(bytes, 10);
    QList<QByteArray> records;
    for (quint32 i = 0; i < le32(bytes, 4); ++i)
        records.append(bytes.mid(headerLength + int(i) * recordLength, recordLength));
    return records;
}

// Where a field of the carrier layout lies in a record.
int offsetOf(const QString& field)
{
    int offset = 1;
    for (const FieldDef& def : layouts::carrier("AudioS").fields) {
        if (def.name == field)
            return offset;
        offset += def.width;
    }
    return -1;
}

// Puts `bytes` into field `field` of record `record`, as another program would.
void patchField(const QString& path, int record, const QString& field, const QByteArray& bytes)
{
    QByteArray file = readAll(path);
    const int at = le16(file, 8) + record * le16(file, 10) + offsetOf(field);
    file.replace(at, bytes.size(), bytes);
    writeAll(path, file);
}

QByteArray rawField(const QString& path, int record, const QString& field, int width)
{
    const QByteArray file = readAll(path);
    return file.mid(le16(file, 8) + record * le16(file, 10) + offsetOf(field), width);
}

} // namespace

class TestDbfFile : public QObject
{
    Q_OBJECT

private slots:
    void headerIsPlainDbaseWithCodePage()
    {
        TableFixture fixture;
        fixture.fill({titled(1, "Žluťoučký kůň"), titled(2, "Druhá")});
        const QByteArray bytes = readAll(fixture.dbfPath());
        const TableLayout layout = layouts::carrier("AudioS");
        QCOMPARE(quint8(bytes[0]), quint8(0x03));
        QCOMPARE(le32(bytes, 4), quint32(2));
        QCOMPARE(quint8(bytes[28]), quint8(0)); // no production index claimed
        QCOMPARE(quint8(bytes[29]), quint8(0xC8));
        const int headerLength = le16(bytes, 8);
        const int recordLength = le16(bytes, 10);
        QCOMPARE(headerLength, 32 + 32 * int(layout.fields.size()) + 1);
        for (int i = 0; i < layout.fields.size(); ++i) {
            const QByteArray descriptor = bytes.mid(32 + 32 * i, 32);
            QCOMPARE(QString::fromLatin1(descriptor.left(11).constData()), layout.fields[i].name);
            QCOMPARE(descriptor[11], layout.fields[i].type);
            QCOMPARE(int(quint8(descriptor[16])), layout.fields[i].width);
            QCOMPARE(int(quint8(descriptor[17])), layout.fields[i].decimals);
        }
        QCOMPARE(bytes.size(), headerLength + 2 * recordLength + 1);
        QCOMPARE(bytes.back(), char(0x1A));
        const QByteArray encoded("\x8Elu\x9Do\x75\xE8k\xFD k\xF9\xF2");
        QVERIFY(bytes.contains(encoded));
    }

    void foreignCodePagesRoundTrip_data()
    {
        QTest::addColumn<int>("driver");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("cp852") << 0x64 << "Žůč" << QByteArray("\xA6\x85\x9F");
        QTest::newRow("cp852 czech") << 0x1F << "Řež" << QByteArray("\xFC\x65\xA7");
        QTest::newRow("cp437") << 0x01 << "Müé" << QByteArray("M\x81\x82");
        QTest::newRow("cp1250") << 0xC8 << "Žůč" << QByteArray("\x8E\xF9\xE8");
    }

    void foreignCodePagesRoundTrip()
    {
        QFETCH(int, driver);
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(DbfFile::create(folder + "Cizi.dbf", layouts::carrier("Cizi"), quint8(driver)));
        {
            TTable table;
            table.setDatabaseName(folder);
            table.setTableName("Cizi.dbf");
            QVERIFY(table.open());
            QVERIFY(TableFixture::append(table, {{"NAZEV", text}}));
        }
        const QByteArray bytes = readAll(folder + "Cizi.dbf");
        QCOMPARE(quint8(bytes[29]), quint8(driver));
        QVERIFY(bytes.contains(stored));
        QCOMPARE(titlesOf(folder, "Cizi"), QStringList{text});
    }

    void unencodableTextWritesNothing()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(DbfFile::create(folder + "Cizi.dbf", layouts::carrier("Cizi"), 0x01));
        TTable table;
        table.setDatabaseName(folder);
        table.setTableName("Cizi.dbf");
        QVERIFY(table.open());
        QVERIFY(TableFixture::append(table, {{"NAZEV", "Puvodni"}}));
        const QByteArray before = readAll(folder + "Cizi.dbf");
        QVERIFY(table.edit());
        const Status s = table.setFieldText("NAZEV", "Příliš žluťoučký"); // not in cp437
        QVERIFY(!s);
        QVERIFY(s.message().contains(QStringLiteral("ř")));
        QVERIFY(table.post());
        QCOMPARE(readAll(folder + "Cizi.dbf").mid(32), before.mid(32));
    }

    void damagedFilesOpenWithWholeRecords_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("whole");
        QTest::addColumn<bool>("warned");
        QTest::newRow("count larger than data") << "count" << 3 << true;
        QTest::newRow("truncated last record") << "truncate" << 2 << true;
        QTest::newRow("missing end marker") << "marker" << 3 << false;
        QTest::newRow("trailing garbage") << "garbage" << 3 << true;
        QTest::newRow("record cut by a crash while appending") << "partial" << 3 << true;
        QTest::newRow("whole record after the count") << "uncounted" << 3 << true;
        QTest::newRow("whole and cut records after the count") << "uncounted partial" << 3 << true;
    }

    // Opening for writing puts the file right at once: the count covers the
    // whole records, nothing follows them but the end mark, and the file as it
    // was is kept beside it and named in the warning.
    void damagedFilesOpenWithWholeRecords()
    {
        QFETCH(QString, damage);
        QFETCH(int, whole);
        QFETCH(bool, warned);
        TableFixture fixture;
        fixture.fill({titled(1, "Jedna"), titled(2, "Dva"), titled(3, "Tři")});
        QByteArray bytes = readAll(fixture.dbfPath());
        const int headerLength = le16(bytes, 8);
        const int recordLength = le16(bytes, 10);
        if (damage == "count")
            bytes[4] = 9;
        else if (damage == "truncate")
            bytes.chop(1 + recordLength / 2);
        else if (damage == "marker")
            bytes.chop(1);
        else if (damage == "garbage")
            bytes.append(QByteArray(777, '\x5A'));
        if (damage.startsWith("uncounted"))
            bytes[4] = 2;
        if (damage.endsWith("partial"))
            bytes.append(QByteArray(recordLength / 3, ' '));
        writeAll(fixture.dbfPath(), bytes);

        QStringList warnings;
        const QStringList titles = titlesOf(fixture.folder(), "AudioS", &warnings);
        QCOMPARE(titles, (QStringList{"Jedna", "Dva", "Tři"}.mid(0, whole)));
        QCOMPARE(!warnings.isEmpty(), warned);
        const QString copy = fixture.dbfPath() + ".poskozeno";
        QCOMPARE(QFile::exists(copy), warned);
        if (warned) {
            QCOMPARE(readAll(copy), bytes);
            const QString told = warnings.join(' ');
            QVERIFY2(told.contains("AudioS.dbf") && told.contains("AudioS.dbf.poskozeno") &&
                         told.contains(QStringLiteral("Ponecháno celých záznamů: %1").arg(whole)),
                     qPrintable(told));
            const QByteArray repaired = readAll(fixture.dbfPath());
            QCOMPARE(int(le32(repaired, 4)), whole);
            QCOMPARE(repaired.size(), headerLength + whole * recordLength + 1);
            QCOMPARE(repaired.back(), char(0x1A));
        }

        // Writing continues right after the whole records, and other readers agree.
        {
            TTable table;
            fixture.setUp(table);
            QVERIFY(table.open());
            QVERIFY(table.warnings().isEmpty());
            QVERIFY(TableFixture::append(table, titled(4, "Čtyři")));
        }
        const QByteArray appended = readAll(fixture.dbfPath());
        QCOMPARE(int(le32(appended, 4)), whole + 1);
        QCOMPARE(titlesOf(fixture.folder(), "AudioS", &warnings).size(), whole + 1);
        QVERIFY(warnings.isEmpty());
        QCOMPARE(readAll(copy), warned ? bytes : QByteArray());
    }

    void unreadableFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short") << QByteArray("\x03\x7A\x01\x01", 4);
        QTest::newRow("text") << QByteArray("Toto není tabulka, jen obyčejný text.\n").repeated(20);
        QByteArray badHeader(64, '\0');
        badHeader[0] = 0x03;
        badHeader[8] = char(0xFF);
        badHeader[9] = char(0xFF);
        QTest::newRow("header longer than file") << badHeader;
    }

    void unreadableFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        writeAll(dir.path() + "/AudioS.dbf", content);
        TTable table;
        table.setDatabaseName(dir.path());
        table.setTableName("AudioS.dbf");
        const Status s = table.open();
        if (s) {
            // Whatever opens must behave as a table without records.
            QVERIFY(table.isEmpty());
            return;
        }
        QVERIFY(!s.message().isEmpty());
        QVERIFY(!table.isActive());
    }

    void foreignOrMisalignedTablesAreRefused_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("told");
        QTest::newRow("header one byte longer") << "header+1"
                                                << "délku 2306";
        QTest::newRow("header one byte shorter") << "header-1"
                                                 << "délku 2304";
        QTest::newRow("record longer than its fields") << "record+1"
                                                       << "záznamu 2284";
        QTest::newRow("field missing") << "drop DATUM1"
                                       << "chybí pole DATUM1";
        QTest::newRow("field of another type") << "DRUH as number"
                                               << "jiný typ mají pole DRUH";
        QTest::newRow("table of another layout") << "tips"
                                                 << "chybí pole CISLO";
        QTest::newRow("extra field of another program") << "extra"
                                                        << "";
    }

    // Nothing is shown shifted or under the wrong labels, and a refused file is
    // left exactly as it was. Fields of other programs are kept.
    void foreignOrMisalignedTablesAreRefused()
    {
        QFETCH(QString, change);
        QFETCH(QString, told);
        TableFixture fixture;
        TableLayout layout = layouts::carrier("AudioS");
        if (change == "tips")
            layout = layouts::tips();
        else if (change == "drop DATUM1")
            layout.fields.removeAt(layout.fieldIndex("DATUM1"));
        else if (change == "DRUH as number")
            layout.fields[layout.fieldIndex("DRUH")] = {"DRUH", 'N', 10, 0};
        else if (change == "extra")
            layout.fields.append({"SKLAD", 'C', 20, 0});
        QVERIFY(DbfFile::create(fixture.dbfPath(), layout));
        if (change == "extra")
            fixture.fill({{{"CISLO", "1"}, {"NAZEV", "Cizí"}, {"SKLAD", "Regál 3"}}});
        QByteArray bytes = readAll(fixture.dbfPath());
        if (change.startsWith("header"))
            bytes[8] = char(bytes[8] + (change.endsWith("+1") ? 1 : -1));
        else if (change == "record+1")
            bytes[10] = char(bytes[10] + 1);
        writeAll(fixture.dbfPath(), bytes);

        TTable table;
        fixture.setUp(table);
        const Status s = table.open();
        if (told.isEmpty()) {
            QVERIFY(s);
            QVERIFY(table.edit());
            QVERIFY(table.setFieldText("NAZEV", "Upravená"));
            QVERIFY(table.post());
            table.close();
            QVERIFY(table.open());
            QCOMPARE(table.fieldText("SKLAD"), QStringLiteral("Regál 3"));
            return;
        }
        QVERIFY(!s);
        QVERIFY(!table.isActive());
        QVERIFY2(s.message().contains("AudioS.dbf") && s.message().contains(told) &&
                     s.message().contains("nebyla změněna"),
                 qPrintable(s.message()));
        QCOMPARE(readAll(fixture.dbfPath()), bytes);
        QVERIFY(!QFile::exists(fixture.dbfPath() + ".poskozeno"));
    }

    // Other writers put asterisks, the dBase null, into an empty number.
    void asteriskNumbersReadAsEmpty()
    {
        TableFixture fixture;
        fixture.fill({{{"CISLO", "1"}, {"DRUH", "LP"}, {"C6", "3,5"}}});
        patchField(fixture.dbfPath(), 0, "C7", QByteArray(9, '*'));
        patchField(fixture.dbfPath(), 0, "DELKA", QByteArray(10, '*'));
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.open());
        QCOMPARE(table.fieldText("C7"), QString());
        QCOMPARE(table.fieldValueText("DELKA"), QString());
        QCOMPARE(table.fieldText("C6"), QStringLiteral("3,5"));
        QVERIFY(table.edit());
        for (const char* field : {"C6", "C7", "DELKA"})
            QVERIFY(table.setFieldText(field, table.fieldText(field)));
        QVERIFY(table.post());
        QCOMPARE(rawField(fixture.dbfPath(), 0, "C7", 9), QByteArray(9, ' '));
        QCOMPARE(rawField(fixture.dbfPath(), 0, "C6", 9), QByteArray("     3.50"));
    }

    void noteLineBreaksStayUnlessEdited_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("CR LF note not touched")
            << QByteArray("Raz\r\ndva") << "Raz\ndva" << QByteArray("Raz\r\ndva");
        QTest::newRow("LF note of another writer not touched")
            << QByteArray("Raz\ndva") << "Raz\ndva" << QByteArray("Raz\ndva");
        QTest::newRow("edited note")
            << QByteArray("Raz\r\ndva") << "Raz\ntři" << QByteArray("Raz\r\nt\xF8i");
        QTest::newRow("new lines typed") << QByteArray() << "A\nB\n" << QByteArray("A\r\nB\r\n");
    }

    void noteLineBreaksStayUnlessEdited()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        TableFixture fixture;
        fixture.fill({{{"CISLO", "1"}, {"DRUH", "LP"}}});
        patchField(fixture.dbfPath(), 0, "POZNAMKA", stored);
        TTable table;
        fixture.setUp(table);
        QVERIFY(table.open());
        QVERIFY(table.edit());
        QVERIFY(table.setFieldText("POZNAMKA", typed));
        QVERIFY(table.setFieldText("NAZEV", "Uloženo znovu"));
        QVERIFY(table.post());
        QCOMPARE(rawField(fixture.dbfPath(), 0, "POZNAMKA", 254),
                 saved + QByteArray(254 - saved.size(), ' '));
    }

    // We cannot write memos; such a table is shown with its notes but never
    // written into a state its own writers could not read.
    void memoNotesOpenReadOnly()
    {
        TableFixture fixture;
        TableLayout layout = layouts::carrier("AudioS");
        layout.fields[layout.fieldIndex("POZNAMKA")] = {"POZNAMKA", 'M', 10, 0};
        QVERIFY(DbfFile::create(fixture.dbfPath(), layout));
        QByteArray bytes = readAll(fixture.dbfPath());
        QByteArray record(le16(bytes, 10), ' ');
        record.replace(1, 10, "         7");
        record.replace(11, 2, "LP");
        record.replace(1 + 10 + 50 + 10 + 50 + 50 + 12 + 50, 10, "         1");
        bytes.chop(1);
        bytes += record + '\x1A';
        bytes[4] = 1;
        writeAll(fixture.dbfPath(), bytes);
        QByteArray memo(512, '\0');
        memo[0] = 2;
        memo += QByteArray("Nahr\xE1no \x9Eiv\xEC\r\nv Brn\xEC\x1A\x1A");
        writeAll(fixture.folder() + "AudioS.dbt", memo);

        TTable table;
        fixture.setUp(table);
        QVERIFY(table.open());
        QVERIFY(table.isReadOnly());
        QVERIFY(table.warnings().join(' ').contains("AudioS.dbf"));
        QCOMPARE(table.fieldText("CISLO"), QStringLiteral("7"));
        QCOMPARE(table.fieldText("POZNAMKA"), QStringLiteral("Nahráno živě\nv Brně"));
        const Status s = table.edit();
        QVERIFY(!s);
        QVERIFY(s.message().contains(QStringLiteral("jen pro čtení")));
        QVERIFY(!table.insert());
        QVERIFY(!table.deleteRecord());
        QCOMPARE(readAll(fixture.dbfPath()), bytes);
    }

    void missingTableIsAnError()
    {
        QTemporaryDir dir;
        TTable table;
        table.setDatabaseName(dir.path());
        table.setTableName("Audio2.dbf");
        const Status s = table.open();
        QVERIFY(!s);
        QVERIFY(s.message().contains("Audio2.dbf"));
    }

    void processKilledAfterPostLosesNothing()
    {
        TableFixture fixture;
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            TTable table;
            fixture.setUp(table);
            if (!table.open())
                _exit(3);
            for (int i = 1; i <= 5; ++i)
                TableFixture::append(table, titled(i, QStringLiteral("Záznam %1").arg(i)));
            QVERIFY(table.insert());
            QVERIFY(table.setFieldText("NAZEV", "Neuložený"));
            raise(SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QStringList warnings;
        QCOMPARE(titlesOf(fixture.folder(), "AudioS", &warnings).size(), 5);
        QVERIFY(warnings.isEmpty());
    }

    // Whenever the writer dies, each record is the old one or the new one, and
    // the count covers exactly the records a reader finds.
    void killedWriterLeavesWholeRecords()
    {
        TableFixture fixture;
        fixture.fill({titled(1, "Stará jednička"), titled(2, "Dva"), titled(3, "Tři")});
        const QByteArray original = readAll(fixture.dbfPath());
        const QList<QByteArray> before = recordsOf(fixture.dbfPath());
        QVERIFY(le16(original, 8) + before[0].size() > 4096); // record 0 crosses a block
        const auto work = [&fixture] {
            TTable table;
            fixture.setUp(table);
            if (!table.open() || !table.edit())
                _exit(3);
            QVERIFY(table.setFieldText("NAZEV", "Nová jednička"));
            for (int i = 1; i <= 30; ++i) {
                QVERIFY(table.setFieldText(QStringLiteral("A%1").arg(i),
                                           QStringLiteral("Skladba %1").arg(i)));
                QVERIFY(table.setFieldText(QStringLiteral("C%1").arg(i), "3,45"));
            }
            if (!table.post() || !TableFixture::append(table, titled(4, "Čtyři")))
                _exit(4);
            _exit(0);
        };
        QList<QList<QByteArray>> states;
        for (int n = 1;; ++n) {
            writeAll(fixture.dbfPath(), original);
            const bool killed = killedAtWrite({fixture.dbfPath()}, n, work);
            states.append(recordsOf(fixture.dbfPath()));
            if (!killed)
                break;
            QVERIFY2(n < 20, "the writer never finished");
        }
        const QList<QByteArray> after = states.takeLast();
        QCOMPARE(after.size(), 4);
        QVERIFY(after[0] != before[0]);
        for (const QList<QByteArray>& state : std::as_const(states)) {
            QVERIFY(state.size() == 3 || state.size() == 4);
            QVERIFY(state[0] == before[0] || state[0] == after[0]);
            QCOMPARE(state.mid(1, 2), before.mid(1, 2));
            if (state.size() == 4)
                QCOMPARE(state[3], after[3]);
        }
        QVERIFY(states.size() >= 3); // the edit and the append were both cut
    }

    void indexFileIsRebuiltWhenMissingOrForeign_data()
    {
        QTest::addColumn<QByteArray>("mdx");
        QTest::addColumn<bool>("warned");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("foreign") << QByteArray("\x02\x7B\x05\x11", 4) + QByteArray(2044, '\0')
                                 << true;
    }

    void indexFileIsRebuiltWhenMissingOrForeign()
    {
        QFETCH(QByteArray, mdx);
        QFETCH(bool, warned);
        TableFixture fixture("AudioI");
        fixture.fill({{{"CISLO", "1"}, {"INTERPRET", "Zdena"}, {"NAZEV", "B"}},
                      {{"CISLO", "2"}, {"INTERPRET", "Adam"}, {"NAZEV", "A"}}});
        const QString mdxPath = fixture.folder() + "AudioI.mdx";
        QFile::remove(mdxPath);
        if (!mdx.isEmpty())
            writeAll(mdxPath, mdx);
        TTable table;
        fixture.setUp(table, "INTERJMENO");
        QVERIFY(table.open());
        QCOMPARE(!table.warnings().isEmpty(), warned);
        QCOMPARE(TableFixture::column(table, "CISLO"), (QStringList{"2", "1"}));
        const auto tags = indexfile::read(mdxPath);
        QVERIFY(tags);
        QCOMPARE(*tags, layouts::carrier("AudioI").tags);
    }

    void templatesMatchWithoutLetterCase()
    {
        QTemporaryDir dir;
        const QString templates = dir.path() + "/Data/Zaloha/";
        const QString data = dir.path() + "/Data/";
        QVERIFY(QDir().mkpath(templates));
        QVERIFY(tablefiles::create(templates, layouts::carrier("Audio1"), ".Dbt", ".Mdx"));
        QVERIFY(tablefiles::create(data, layouts::carrier("Audio1"), ".dbt", ".mdx"));
        {
            TTable table;
            table.setDatabaseName(data);
            table.setTableName("Audio1.dbf");
            QVERIFY(table.open());
            QVERIFY(TableFixture::append(table, titled(1, "Stará data")));
        }
        QVERIFY(tablefiles::recreateFromTemplate(templates, data, "Audio1"));
        QCOMPARE(QDir(data).entryList(QDir::Files, QDir::Name),
                 (QStringList{"Audio1.dbf", "Audio1.dbt", "Audio1.mdx"}));
        QCOMPARE(titlesOf(data, "Audio1"), QStringList{});
        QVERIFY(tablefiles::remove(data, "Audio1"));
        QVERIFY(QDir(data).entryList(QDir::Files).isEmpty());
        QVERIFY(!tablefiles::exists(data, "Audio1"));
        const Status s = tablefiles::recreateFromTemplate(templates, data, "Audio3");
        QVERIFY(!s);
        QVERIFY(QDir(data).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDbfFile)
#include "test_dbffile.moc"
