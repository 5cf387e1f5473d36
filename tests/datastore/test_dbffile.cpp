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
#include <functional>
#include <sys/ptrace.h>
#include <sys/syscall.h>
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

bool isWriteCall(quint64 number)
{
    return number == SYS_write || number == SYS_pwrite64 || number == SYS_writev ||
           number == SYS_pwritev || number == SYS_pwritev2;
}

QString pathOfDescriptor(pid_t process, quint64 fd)
{
    return QFileInfo(QStringLiteral("/proc/%1/fd/%2").arg(process).arg(fd)).canonicalFilePath();
}

// Runs `work` in a child process traced by this one and kills the child as it
// enters its `n`-th system call that writes into `path`, so the file holds the
// writes before it and none of its own. False when the child finished first.
bool killedAtWrite(const QString& path, int n, const std::function<void()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        raise(SIGSTOP);
        work();
        _exit(0);
    }
    const QString target = QFileInfo(path).canonicalFilePath();
    int status = 0;
    waitpid(child, &status, 0);
    ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    int writes = 0;
    int pending = 0;
    while (true) {
        ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(long(pending)));
        waitpid(child, &status, 0);
        if (WIFEXITED(status) || WIFSIGNALED(status))
            return false;
        pending = WSTOPSIG(status) == (SIGTRAP | 0x80) ? 0 : WSTOPSIG(status);
        __ptrace_syscall_info info = {};
        if (pending || ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof info, &info) <= 0 ||
            info.op != PTRACE_SYSCALL_INFO_ENTRY || !isWriteCall(info.entry.nr) ||
            pathOfDescriptor(child, info.entry.args[0]) != target || ++writes < n)
            continue;
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return true;
    }
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
            table.setFieldText("NAZEV", "Nová jednička");
            for (int i = 1; i <= 30; ++i) {
                table.setFieldText(QStringLiteral("A%1").arg(i),
                                   QStringLiteral("Skladba %1").arg(i));
                table.setFieldText(QStringLiteral("C%1").arg(i), "3,45");
            }
            if (!table.post() || !TableFixture::append(table, titled(4, "Čtyři")))
                _exit(4);
            _exit(0);
        };
        QList<QList<QByteArray>> states;
        for (int n = 1;; ++n) {
            writeAll(fixture.dbfPath(), original);
            const bool killed = killedAtWrite(fixture.dbfPath(), n, work);
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
