#include "DatabaseFolder.h"
#include "FakeSluzby.h"
#include "ReportCopies.h"
#include "ReportWindows.h"
#include "TAbecedaDialog.h"
#include "TInterpretDialog.h"
#include "TNahledSestavy.h"
#include "TOfficeLabel.h"
#include "TTiskAbeceda1Dialog.h"
#include "TTiskAbecedaDialog.h"
#include "TTiskInterpretDialog.h"
#include "TVolba.h"
#include "TableFiles.h"
#include "TableScan.h"

#include <QLabel>
#include <QTest>

namespace {

void click(TVolba* item)
{
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    QTest::mouseClick(item->label(), Qt::LeftButton, {}, item->label()->rect().center());
}

// The search's copies the simple way: AudioI made anew from the slot's table
// with the ticked kind, and pickers that answer at once.
class FakeCopies final : public ReportCopies
{
public:
    FakeCopies(FakeSluzby& sluzby, QString data) : m_sluzby(sluzby), m_data(std::move(data)) {}

    bool rebuildForReport(int slot, Copy copy) override
    {
        log.append(QStringLiteral("copy %1 %2").arg(slot).arg(int(copy)));
        for (const char* extension : {"dbf", "dbt", "mdx"})
            QFile::remove(m_data + "AudioI." + extension);
        if (!tablefiles::create(m_data, layouts::forTable("AudioI"), ".dbt", ".mdx"))
            return false;
        TTable target;
        target.setDatabaseName(m_data);
        target.setTableName("AudioI.dbf");
        if (!target.open())
            return false;
        TableScan scan(m_sluzby.dataModule()->slotTable(slot)->filePath(), {},
                       m_sluzby.kindChoice().filter());
        const QString key = copy == Copy::Performers ? "INTERPRET" : "NAZEV";
        while (scan.next()) {
            if (scan.fieldText(key).isEmpty())
                continue;
            (void)target.insert();
            for (const char* field : {"CISLO", "DRUH", "NAZEV", "INTERPRET", "ZANR", "A1"})
                (void)target.setFieldText(field, scan.fieldText(field));
            if (!target.post())
                return false;
        }
        return succeed;
    }
    void pickPerformer(QChar mode, Run run) override
    {
        log.append(QStringLiteral("performer %1").arg(mode));
        run(answer);
    }
    void pickTitle(QChar mode, QChar variant, Run run) override
    {
        log.append(QStringLiteral("title %1 %2").arg(mode).arg(variant));
        run(answer);
    }

    QStringList log;
    QString answer;
    bool succeed = true;

private:
    FakeSluzby& m_sluzby;
    QString m_data;
};

struct Lists
{
    DatabaseFolder folder;
    FakeSluzby sluzby{folder.path()};
    ReportWindows windows{sluzby, nullptr};
    FakeCopies copies{sluzby, folder.folder().dataFolder()};
    TTable* table = sluzby.dataModule()->slotTable(1);

    // The standard database as its window may have left it: ordered by
    // title, its filter switched off.
    void fill()
    {
        QVERIFY(table->open());
        const QList<QStringList> rows{{"1", "LP", "Blue", "Coltrane", "Jazz"},
                                      {"2", "MC", "Kazeta", "Beatles", "Rock"},
                                      {"3", "MC", "Alfa", "O'Brien", "Folk"},
                                      {"4", "MC", "Alfa", "Beatles", "Pop"},
                                      {"5", "MC", "Bez interpreta", "", "Pop"}};
        for (const QStringList& row : rows) {
            QVERIFY(table->insert());
            int i = 0;
            for (const char* field : {"CISLO", "DRUH", "NAZEV", "INTERPRET", "ZANR"})
                QVERIFY(table->setFieldText(field, row.at(i++)));
            QVERIFY(table->post());
        }
        QVERIFY(table->setIndex("NAZEV"));
        QVERIFY(table->setFiltered(false));
        QVERIFY(table->first());
        while (table->fieldText("NAZEV") != QLatin1String("Kazeta"))
            QVERIFY(table->next());
    }

    void choose(const QString& item)
    {
        windows.nahled()->open(TNahledDialog::Mode::Preview, 1, "MC");
        click(windows.nahled()->item(item));
    }

    // Closes the preview the list opened; its after-preview step runs.
    void closePreview()
    {
        TNahledSestavy* preview = windows.output()->preview();
        QVERIFY(preview);
        QVERIFY(!windows.nahled()->isVisible());
        preview->close();
    }
};

QStringList column(const ListReport& list, const QString& field)
{
    QStringList values;
    for (int row = 0; row < list.rows().rowCount(); ++row)
        values.append(list.rows().text(row, field));
    return values;
}

QString caption(const ListReport& list, const QString& name)
{
    const report::Element* e = list.layout().element(name);
    return e ? e->text : QStringLiteral("(none)");
}

} // namespace

class TestListWindows : public QObject
{
    Q_OBJECT

private slots:
    void chooserOffersWhatCanBeMade_data();
    void chooserOffersWhatCanBeMade();
    void alphabeticalListFollowsTheChoiceNotTheWindow_data();
    void alphabeticalListFollowsTheChoiceNotTheWindow();
    void reportsFromTheSearchCopy_data();
    void reportsFromTheSearchCopy();
};

void TestListWindows::chooserOffersWhatCanBeMade_data()
{
    QTest::addColumn<bool>("copies");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("performers");

    QTest::newRow("without the search's copies") << false << "N0" << false << false;
    QTest::newRow("with them") << true << "N0" << true << true;
    QTest::newRow("data CDs have no performers") << true << "NO2" << true << false;
    QTest::newRow("nor MP3 CDs") << true << "NO5" << true << false;
}

void TestListWindows::chooserOffersWhatCanBeMade()
{
    QFETCH(bool, copies);
    QFETCH(QString, kind);
    QFETCH(bool, selected);
    QFETCH(bool, performers);

    Lists l;
    l.windows.setReportCopies(&l.copies);
    if (!copies)
        l.windows.setReportCopies(nullptr);
    l.sluzby.kindChoice().setItem(kind);
    l.windows.nahled()->open(TNahledDialog::Mode::Print, 1, "MC");
    QVERIFY(!l.windows.nahled()->item("OfficeLabel1")->isStruck());
    QCOMPARE(!l.windows.nahled()->item("OfficeLabel4")->isStruck(), selected);
    QCOMPARE(!l.windows.nahled()->item("OfficeLabel2")->isStruck(), performers);
    l.windows.nahled()->hide();
}

void TestListWindows::alphabeticalListFollowsTheChoiceNotTheWindow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QString>("shown");

    QTest::newRow("cassettes, short")
        << "NO4"
        << "D0"
        << "OfficeLabel1" << QStringList{"3", "4", "5", "2"} << "Všechny druhy - MC nosič"
        << "DRUH = 'MC'" << true << "Kazeta";
    QTest::newRow("cassettes of Rock, full")
        << "NO4"
        << "DR26"
        << "OfficeLabel3" << QStringList{"2"} << "Rock - MC nosič"
        << "DRUH = 'MC'" << true << "Kazeta";
    QTest::newRow("LPs: the cassette shown gives way")
        << "NO3"
        << "D0"
        << "OfficeLabel1" << QStringList{"1"} << "Všechny druhy - LP nosič"
        << "DRUH = 'LP'" << true << "Blue";
    QTest::newRow("data CDs: genre ignored, nothing listed")
        << "NO2"
        << "DR26"
        << "OfficeLabel1" << QStringList{} << "Bez omezení - Datové CD"
        << "DRUH = 'Datové CD'" << true << "";
    QTest::newRow("MP3 CDs: filters left alone")
        << "NO5"
        << "D0"
        << "OfficeLabel1" << QStringList{} << "Bez omezení - Audio MP3 CD"
        << "DRUH <> ' '" << false << "Kazeta";
}

// The window's own filter is off and its order is by title; the list still
// holds exactly what its header says, and afterwards the window is back in
// the order of numbers under the ticked kind.
void TestListWindows::alphabeticalListFollowsTheChoiceNotTheWindow()
{
    QFETCH(QString, kind);
    QFETCH(QString, genre);
    QFETCH(QString, item);
    QFETCH(QStringList, numbers);
    QFETCH(QString, header);
    QFETCH(QString, filter);
    QFETCH(bool, filtered);
    QFETCH(QString, shown);

    Lists l;
    l.fill();
    l.sluzby.kindChoice().setItem(kind);
    l.sluzby.kindChoice().setGenreItem(genre);
    l.choose("OfficeLabel1");
    TAbecedaDialog* dialog = l.windows.abeceda();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Abecední seznam nosičů"));
    click(dialog->item(item));
    QVERIFY(!dialog->isVisible());
    const TTiskAbecedaDialog& list = dialog->tiskAbeceda();
    QCOMPARE(column(list, "CISLO"), numbers);
    QCOMPARE(caption(list, "QRLabel9") + " - " + caption(list, "QRLabel12"), header);
    // The window's table was not moved while the list was made.
    QCOMPARE(l.table->indexName(), QStringLiteral("NAZEV"));
    l.closePreview();
    QCOMPARE(l.table->indexName(), QStringLiteral("CISLO"));
    QCOMPARE(l.table->filter(), filter);
    QCOMPARE(l.table->filtered(), filtered);
    if (!shown.isEmpty())
        QCOMPARE(l.table->fieldText("NAZEV"), shown);
    else
        QVERIFY(l.table->isEmpty());
}

void TestListWindows::reportsFromTheSearchCopy_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("copyMade");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("numbers");

    const QString selected = "OfficeLabel4";
    const QString performers = "OfficeLabel2";
    QTest::newRow("selected carrier, short: two with one title")
        << selected << "OfficeLabel1"
        << "Alfa" << true << QStringList{"copy 1 2", "title N 1"} << QStringList{"3", "4"};
    QTest::newRow("selected carrier, full")
        << selected << "OfficeLabel3"
        << "Kazeta" << true << QStringList{"copy 1 2", "title N 2"} << QStringList{"2"};
    QTest::newRow("Enter on no title")
        << selected << "OfficeLabel3"
        << "" << true << QStringList{"copy 1 2", "title N 2"} << QStringList{};
    QTest::newRow("copy failed") << selected << "OfficeLabel3"
                                 << "Alfa" << false << QStringList{"copy 1 2"} << QStringList{};
    QTest::newRow("all performers")
        << performers << "OfficeLabel1"
        << "" << true << QStringList{"copy 1 0"} << QStringList{"4", "2", "3"};
    QTest::newRow("the performer picked")
        << performers << "OfficeLabel3"
        << "O'Brien" << true << QStringList{"copy 1 1", "performer N"} << QStringList{"3"};
}

// The copy is asked for with the right content, the picker's answer decides
// what prints, and the database window is back in the order of numbers.
void TestListWindows::reportsFromTheSearchCopy()
{
    QFETCH(QString, family);
    QFETCH(QString, item);
    QFETCH(QString, answer);
    QFETCH(bool, copyMade);
    QFETCH(QStringList, log);
    QFETCH(QStringList, numbers);

    Lists l;
    l.fill();
    l.windows.setReportCopies(&l.copies);
    l.sluzby.kindChoice().setItem("NO4");
    l.copies.answer = answer;
    l.copies.succeed = copyMade;
    l.choose(family);
    TSestavyBublina* dialog = l.windows.abeceda();
    const ListReport* list = &l.windows.abeceda()->tiskAbeceda1();
    if (family == QLatin1String("OfficeLabel2")) {
        dialog = l.windows.interpret();
        list = &l.windows.interpret()->tiskInterpret();
    } else {
        QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(), QStringLiteral("Vybraný nosič"));
    }
    click(dialog->item(item));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(l.copies.log, log);
    if (!copyMade) {
        QVERIFY(!l.windows.output()->preview());
        QVERIFY(l.windows.nahled()->isEnabled());
        return;
    }
    QCOMPARE(column(*list, "CISLO"), numbers);
    l.closePreview();
    // Only the selected carrier orders the carrier tables again.
    QCOMPARE(l.table->indexName(), dialog == l.windows.abeceda() ? "CISLO" : "NAZEV");
    QCOMPARE(l.table->fieldText("NAZEV"), QStringLiteral("Kazeta"));
}

QTEST_MAIN(TestListWindows)
#include "test_listwindows.moc"
