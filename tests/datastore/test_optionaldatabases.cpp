#include "IniFile.h"
#include "OptionalDatabases.h"
#include "ProgramLayout.h"
#include "TTable.h"
#include "TableFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Folder
{
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    OptionalDatabases databases{folder};

    Folder() { QVERIFY(programlayout::layOut(dir.path())); }

    void setKey(const QString& section, const QString& key, const QString& value) const
    {
        QVERIFY(IniFile(folder.programIniPath()).writeString(section, key, value));
    }
    QString key(const QString& section, const QString& key) const
    {
        return IniFile(folder.programIniPath()).readString(section, key);
    }
    int records(const QString& table) const
    {
        TTable t;
        t.setDatabaseName(folder.dataFolder());
        t.setTableName(table);
        return t.open() ? t.recordCount() : -1;
    }
    void addCarrier(const QString& table, const QString& title) const
    {
        TTable t;
        t.setDatabaseName(folder.dataFolder());
        t.setTableName(table);
        QVERIFY(t.open());
        QVERIFY(TableFixture::append(t, {{"CISLO", "1"}, {"DRUH", "LP"}, {"NAZEV", title}}));
    }
};

QStringList texts(const QList<OptionalDatabases::Entry>& entries)
{
    QStringList list;
    for (const auto& e : entries)
        list.append(e.text);
    return list;
}

QList<bool> struck(const QList<OptionalDatabases::Entry>& entries)
{
    QList<bool> list;
    for (const auto& e : entries)
        list.append(e.struck);
    return list;
}

} // namespace

class TestOptionalDatabases : public QObject
{
    Q_OBJECT

private slots:
    void createRenameDelete()
    {
        Folder f;
        const QString notCreated = OptionalDatabases::notCreatedName();
        QVERIFY(!f.databases.tableExists(2));
        QVERIFY(f.databases.create(2, "Desky po dědovi"));
        QVERIFY(f.databases.tableExists(2));
        QCOMPARE(f.key("Volitelne", "Data2"), QString("Desky po dědovi"));
        QCOMPARE(f.records("Audio2.dbf"), 0);

        f.addCarrier("Audio2.dbf", "Stará deska");
        QVERIFY(f.databases.create(2, "Gramofonové desky"));
        QCOMPARE(f.records("Audio2.dbf"), 1); // renaming keeps the records
        QCOMPARE(f.databases.name(2), QString("Gramofonové desky"));

        QVERIFY(f.databases.remove(2));
        QVERIFY(!f.databases.tableExists(2));
        QVERIFY(!QFile::exists(f.folder.dataFolder() + "Audio2.mdx"));
        QVERIFY(!QFile::exists(f.folder.dataFolder() + "Audio2.dbt"));
        QCOMPARE(f.databases.name(2), notCreated);
    }

    void nameIsRequired_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("not created text") << OptionalDatabases::notCreatedName();
    }

    void nameIsRequired()
    {
        QFETCH(QString, name);
        Folder f;
        const Status s = f.databases.create(1, name);
        QCOMPARE(s.message(), QString("Nejprve musíte zadat název volitelné databáze."));
        QVERIFY(!f.databases.tableExists(1));
        QCOMPARE(f.databases.name(1), OptionalDatabases::notCreatedName());
    }

    void missingTemplateChangesNothing()
    {
        Folder f;
        QVERIFY(QFile::remove(f.folder.templateFolder() + "Audio3.Mdx"));
        const Status s = f.databases.create(3, "Kazety");
        QVERIFY(!s);
        QVERIFY(s.message().contains("Audio3"));
        QVERIFY(!f.databases.tableExists(3));
        QCOMPARE(f.databases.name(3), OptionalDatabases::notCreatedName());
    }

    void entriesStruckWhenOpenOrNotCreated()
    {
        Folder f;
        QVERIFY(f.databases.create(1, "První"));
        QVERIFY(f.databases.create(2, "Druhá"));
        f.setKey("Otevreni", "Databaze1", "1");
        f.setKey("Otevreni", "Databaze3", "1");
        QCOMPARE(texts(f.databases.chooserEntries()),
                 (QStringList{OptionalDatabases::standardName(), "První", "Druhá",
                              OptionalDatabases::notCreatedName()}));
        QCOMPARE(struck(f.databases.chooserEntries()), (QList<bool>{true, false, true, true}));
        QCOMPARE(struck(f.databases.editEntries()), (QList<bool>{false, true, false}));
    }

    void missingNameKeyReadsEmpty()
    {
        Folder f;
        QFile ini(f.folder.programIniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[Otevreni]\nDatabaze1=0\n");
        ini.close();
        QCOMPARE(f.databases.name(1), QString());
        QCOMPARE(struck(f.databases.chooserEntries()), (QList<bool>{false, false, false, false}));
    }

    void deletingAndClearingKeepLoansButNotTheirSearchCopies()
    {
        Folder f;
        QVERIFY(f.databases.create(1, "První"));
        f.addCarrier("AudioS.dbf", "Standardní deska");
        {
            TTable loans;
            loans.setDatabaseName(f.folder.dataFolder());
            loans.setTableName("Pujcovna.dbf");
            QVERIFY(loans.open());
            QVERIFY(TableFixture::append(loans, {{"ID", "1"}, {"PROGRAM", "A1"}}));
            QVERIFY(TableFixture::append(loans, {{"ID", "1"}, {"PROGRAM", "AS"}}));
        }
        f.setKey("Kontrola", "Pomocna", "2");
        f.setKey("Kontrola", "Pomocna1", "1");
        QVERIFY(f.databases.clearStandard());
        QCOMPARE(f.key("Kontrola", "Pomocna") + f.key("Kontrola", "Pomocna1"), QString("20"));
        QVERIFY(f.databases.remove(1));
        QCOMPARE(f.records("AudioS.dbf"), 0);
        QCOMPARE(f.records("Pujcovna.dbf"), 2);
        QCOMPARE(f.key("Kontrola", "Pomocna"), QString("0"));
    }
};

QTEST_GUILESS_MAIN(TestOptionalDatabases)
#include "test_optionaldatabases.moc"
