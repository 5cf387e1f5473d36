#include "Aplikace.h"
#include "AppTestSupport.h"
#include "CsvCommands.h"
#include "DatabaseWindows.h"
#include "ProgramSettings.h"
#include "RecordCommandRules.h"
#include "TDataModule1.h"
#include "TOtevreniDialog.h"
#include "TTable.h"
#include "TZpravaDialog.h"

#include <QFile>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The CSV commands of the Soubor menu on the database window in front.
class TestCsvCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exportFollowsTheWindowsOrderAndKind();
    void importShowsTheCarriersAtOnce();
    void badFileIsToldAndWritesNothing();
    void balloonKeepsTheFirstFailureInView();

private:
    void start();
    QString file(const QString& name) const { return m_files.path() + QLatin1Char('/') + name; }
    void answer(const QString& path)
    {
        csv()->setFileChooser([path](bool, const QString&) { return path; });
    }
    CsvCommands* csv() const
    {
        return m_aplikace->hlavni()->findChild<CsvCommands*>("CsvCommands");
    }
    TTable* table() const { return m_aplikace->dataModule()->table(1); }
    QString balloon() const { return m_aplikace->databases()->zpravaDialog()->message(); }

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<Aplikace> m_aplikace;
    QTemporaryDir m_files;
};

void TestCsvCommands::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    QVERIFY(m_program->suiteIni().writeString(QStringLiteral("Nastaveni"),
                                              QStringLiteral("Uvitani"), QStringLiteral("0")));
    QVERIFY(m_program->programIni().writeString(QStringLiteral("Zobrazit"), QStringLiteral("Tipy"),
                                                QStringLiteral("0")));
}

void TestCsvCommands::cleanup()
{
    m_aplikace.reset();
    m_program.reset();
}

void TestCsvCommands::start()
{
    {
        TTable carriers;
        carriers.setDatabaseName(m_program->folder().dataFolder());
        carriers.setTableName(QStringLiteral("AudioS.dbf"));
        QVERIFY(carriers.open());
        const QList<QStringList> rows{
            {"4", "MC", "Zeleň"}, {"1", "LP", "Ábel"}, {"3", "MC", "Čáp"}, {"2", "MC", "Bor"}};
        for (const QStringList& row : rows) {
            QVERIFY(carriers.insert());
            QVERIFY(carriers.setFieldText("CISLO", row.at(0)));
            QVERIFY(carriers.setFieldText("DRUH", row.at(1)));
            QVERIFY(carriers.setFieldText("NAZEV", row.at(2)));
            QVERIFY(carriers.post());
        }
    }
    m_aplikace = startOnStandardDatabase(m_program->folder());
    QVERIFY(m_aplikace);
    QVERIFY(csv());
}

void TestCsvCommands::exportFollowsTheWindowsOrderAndKind()
{
    start();
    QVERIFY(table()->setIndex(QStringLiteral("NAZEV")));
    for (const QString& name : recordrules::kindItems()) {
        auto* item = m_aplikace->hlavni()->findChild<QAction*>(name);
        QVERIFY(item);
        if (recordrules::kindOfItem(name) == QLatin1String("MC")) {
            QVERIFY(item->isEnabled());
            item->trigger();
        }
    }
    answer(file("mc.csv"));
    QSignalSpy done(csv(), &CsvCommands::done);
    TRIGGER(m_aplikace->hlavni(), "MSExport");
    QCOMPARE(done.size(), 1);
    QFile out(file("mc.csv"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = out.readAll().split('\n');
    QVERIFY(lines.at(0).startsWith("\xEF\xBB\xBF"
                                   "CISLO,DRUH,DELKA,NAZEV,"));
    QStringList titles;
    for (qsizetype i = 1; i < lines.size() && !lines.at(i).isEmpty(); ++i)
        titles.append(QString::fromUtf8(lines.at(i).split(',').at(3)));
    QCOMPARE(titles, (QStringList{"Bor", "Čáp", "Zeleň"}));
}

void TestCsvCommands::importShowsTheCarriersAtOnce()
{
    start();
    const ProgramSettings settings(m_program->folder().programIniPath());
    QVERIFY(settings.setSearchCopy(ProgramSettings::SearchBuild::Pomocna, 1));
    QFile in(file("nove.csv"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write("Evidenční číslo;Druh nosiče;Název\r\n;LP;Nový první\r\n9;MC;Nový druhý\r\n");
    in.close();
    answer(in.fileName());
    QSignalSpy done(csv(), &CsvCommands::done);
    TRIGGER(m_aplikace->hlavni(), "MSImport");
    QCOMPARE(done.size(), 1);
    QCOMPARE(done.first().first().toInt(), 2);
    QCOMPARE(table()->recordCount(), 6);
    QVERIFY(table()->findKey(QStringLiteral("10")));
    QCOMPARE(table()->fieldText(QStringLiteral("NAZEV")), QStringLiteral("Nový první"));
    // The search copy of that database no longer holds all of it.
    QCOMPARE(settings.searchCopy(ProgramSettings::SearchBuild::Pomocna), 0);
}

void TestCsvCommands::badFileIsToldAndWritesNothing()
{
    start();
    QFile in(file("spatny.csv"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write("CISLO,DRUH,NAZEV\n7,LP,Dobrý\n3,LP,Obsazené číslo\n");
    in.close();
    answer(in.fileName());
    TRIGGER(m_aplikace->hlavni(), "MSImport");
    QVERIFY2(balloon().contains(QStringLiteral("Řádek 3: evidenční číslo 3 už v databázi je")),
             qPrintable(balloon()));
    QCOMPARE(table()->recordCount(), 4);
}

// A start in a folder that takes no data reports why, then every setting that
// cannot be saved; a report of twenty long bad rows is taller than a small
// screen. What was told first stays in view at the top, the last lines give way.
void TestCsvCommands::balloonKeepsTheFirstFailureInView()
{
    start();
    const QString reason = QStringLiteral("Do složky nelze ukládat data programu.");
    m_aplikace->hlavni()->reportError(Status::error(reason));
    QFile in(file("spatny.csv"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write("CISLO,DRUH,NAZEV,ZANR,C1\n");
    for (int row = 10; row < 40; ++row)
        in.write(QStringLiteral("%1,Kazeta,Název,Neznámý žánr číslo %1,3:45\n").arg(row).toUtf8());
    in.close();
    answer(in.fileName());
    TRIGGER(m_aplikace->hlavni(), "MSImport");
    const TZpravaDialog* message = m_aplikace->databases()->zpravaDialog();
    QVERIFY(message->screen()->availableGeometry().contains(message->frameGeometry()));
    QVERIFY2(balloon().startsWith(reason + QStringLiteral("\n\nZe souboru CSV nebylo nic")),
             qPrintable(balloon()));
    QVERIFY(balloon().endsWith(QStringLiteral("\n…")));
}

QTEST_MAIN(TestCsvCommands)
#include "test_csvcommands.moc"
