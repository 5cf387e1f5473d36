#include "FileBytes.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TTable.h"
#include "TableFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProgramLayout : public QObject
{
    Q_OBJECT

private slots:
    void freshFolderHasEverything()
    {
        QTemporaryDir dir;
        QVERIFY(programlayout::layOut(dir.path()));
        const ProgramFolder folder(dir.path());
        QStringList templates;
        for (const QString& base : layouts::carrierTables())
            templates << base + ".Dbt" << base + ".Mdx" << base + ".dbf";
        templates.sort();
        QCOMPARE(QDir(folder.templateFolder()).entryList(QDir::Files, QDir::Name), templates);
        QCOMPARE(QDir(folder.dataFolder()).entryList(QDir::Files, QDir::Name),
                 (QStringList{"AudioS.dbf", "AudioS.dbt", "AudioS.mdx", "Pujcovna.MDX",
                              "Pujcovna.dbf", "TipyA.dbf"}));
        QCOMPARE(QDir(folder.soundFolder()).entryList(QDir::Files).size(), 6);

        TTable carriers;
        carriers.setDatabaseName(folder.dataFolder());
        carriers.setTableName("AudioS.dbf");
        QVERIFY(carriers.open());
        QVERIFY(carriers.isEmpty());
        QCOMPARE(carriers.fieldNames().size(), 71);
    }

    void tipsAreThereAndFit()
    {
        QTemporaryDir dir;
        QVERIFY(programlayout::layOut(dir.path()));
        TTable tips;
        tips.setDatabaseName(ProgramFolder(dir.path()).dataFolder());
        tips.setTableName("TipyA.dbf");
        QVERIFY(tips.open());
        const QStringList texts = TableFixture::column(tips, "TIPDNE");
        QVERIFY(texts.size() >= 20);
        for (const QString& tip : texts) {
            QVERIFY(!tip.trimmed().isEmpty());
            QVERIFY(tip.size() < 254);
        }
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
    }

    void newUserSettings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        for (const char* key :
             {"Standardni", "Okna", "Databaze", "TipyDne", "StavovyRadek", "PanelOutlook", "Tipy"})
            QTest::addRow("Zobrazit/%s", key) << "program"
                                              << "Zobrazit" << key << "1";
        for (int i = 1; i <= 4; ++i)
            QTest::addRow("Databaze%d", i) << "program"
                                           << "Otevreni" << QString("Databaze%1").arg(i) << "0";
        for (int i = 1; i <= 3; ++i)
            QTest::addRow("Data%d", i) << "program"
                                       << "Volitelne" << QString("Data%1").arg(i)
                                       << "Uživatelsky definovatelná databáze programu Fonarium";
        QTest::newRow("Pomocna") << "program"
                                 << "Kontrola"
                                 << "Pomocna"
                                 << "0";
        QTest::newRow("Obrazek") << "program"
                                 << "Obrazek"
                                 << "Obrazek"
                                 << "";
        QTest::newRow("Pomocnik") << "suite"
                                  << "Nastaveni"
                                  << "Pomocnik"
                                  << "1";
        QTest::newRow("Uvitani") << "suite"
                                 << "Nastaveni"
                                 << "Uvitani"
                                 << "1";
    }

    void newUserSettings()
    {
        QFETCH(QString, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        QVERIFY(programlayout::layOut(dir.path()));
        const ProgramFolder folder(dir.path());
        const IniFile ini(file == "suite" ? folder.suiteIniPath() : folder.programIniPath());
        QCOMPARE(ini.readString(section, key), value);
    }

    void userDataAndSettingsAreNeverOverwritten()
    {
        QTemporaryDir dir;
        QVERIFY(programlayout::layOut(dir.path()));
        const ProgramFolder folder(dir.path());
        {
            TTable carriers;
            carriers.setDatabaseName(folder.dataFolder());
            carriers.setTableName("AudioS.dbf");
            QVERIFY(carriers.open());
            QVERIFY(TableFixture::append(carriers, {{"CISLO", "1"}, {"NAZEV", "Moje deska"}}));
        }
        QVERIFY(IniFile(folder.programIniPath()).writeString("Zobrazit", "Okna", "0"));
        QFile::remove(folder.soundFolder() + "Info.wav");
        const QByteArray data = readAll(folder.dataFolder() + "AudioS.dbf");
        const QByteArray ini = readAll(folder.programIniPath());

        programlayout::Report report;
        QVERIFY(programlayout::layOut(dir.path(), &report));
        QCOMPARE(report.created.size(), 0); // sounds are recreated silently
        QVERIFY(QFile::exists(folder.soundFolder() + "Info.wav"));
        QCOMPARE(readAll(folder.dataFolder() + "AudioS.dbf"), data);
        QCOMPARE(readAll(folder.programIniPath()), ini);
    }

    void siblingSuiteFileKeepsItsSettings()
    {
        QTemporaryDir dir;
        const QByteArray sibling =
            "; Korvex\r\n[Nastaveni]\r\nUvitani=0\r\n\r\n[Filmoteka]\r\nOkno=3\r\n";
        QFile file(dir.path() + "/Korvex.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sibling);
        file.close();
        QVERIFY(programlayout::layOut(dir.path()));
        const IniFile ini(dir.path() + "/Korvex.ini");
        QCOMPARE(ini.readString("Nastaveni", "Uvitani"), QString("0"));
        QCOMPARE(ini.readString("Nastaveni", "Pomocnik"), QString("1"));
        QCOMPARE(ini.readString("Filmoteka", "Okno"), QString("3"));
        QVERIFY(readAll(dir.path() + "/Korvex.ini")
                    .startsWith("; Korvex\r\n[Nastaveni]\r\nUvitani=0\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestProgramLayout)
#include "test_programlayout.moc"
