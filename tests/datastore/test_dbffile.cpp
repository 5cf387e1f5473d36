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

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

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
    table.setIndex("CISLO");
    if (!table.open())
        return {"<not opened>"};
    if (warnings)
        *warnings = table.warnings();
    return TableFixture::column(table, "NAZEV");
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
        QTest::newRow("trailing garbage") << "garbage" << 3 << false;
        QTest::newRow("record cut by a crash while appending") << "partial" << 3 << false;
    }

    void damagedFilesOpenWithWholeRecords()
    {
        QFETCH(QString, damage);
        QFETCH(int, whole);
        QFETCH(bool, warned);
        TableFixture fixture;
        fixture.fill({titled(1, "Jedna"), titled(2, "Dva"), titled(3, "Tři")});
        QByteArray bytes = readAll(fixture.dbfPath());
        const int recordLength = le16(bytes, 10);
        if (damage == "count")
            bytes[4] = 9;
        else if (damage == "truncate")
            bytes.chop(1 + recordLength / 2);
        else if (damage == "marker")
            bytes.chop(1);
        else if (damage == "garbage")
            bytes.append(QByteArray(777, '\x5A'));
        else if (damage == "partial")
            bytes.append(QByteArray(recordLength / 3, 'x'));
        writeAll(fixture.dbfPath(), bytes);

        QStringList warnings;
        const QStringList titles = titlesOf(fixture.folder(), "AudioS", &warnings);
        QCOMPARE(titles, (QStringList{"Jedna", "Dva", "Tři"}.mid(0, whole)));
        QCOMPARE(!warnings.isEmpty(), warned);

        // Writing continues right after the whole records, and other readers agree.
        {
            TTable table;
            fixture.setUp(table);
            QVERIFY(table.open());
            QVERIFY(TableFixture::append(table, titled(4, "Čtyři")));
        }
        const QByteArray repaired = readAll(fixture.dbfPath());
        QCOMPARE(int(le32(repaired, 4)), whole + 1);
        QCOMPARE(titlesOf(fixture.folder(), "AudioS", &warnings).size(), whole + 1);
        QVERIFY(warnings.isEmpty());
        QCOMPARE(QFile::exists(fixture.dbfPath() + ".poskozeno"), warned);
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
            table.insert();
            table.setFieldText("NAZEV", "Neuložený");
            raise(SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QStringList warnings;
        QCOMPARE(titlesOf(fixture.folder(), "AudioS", &warnings).size(), 5);
        QVERIFY(warnings.isEmpty());
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
