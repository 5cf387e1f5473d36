#include "AuxiliaryBuild.h"
#include "ResultList.h"
#include "SearchCurrency.h"
#include "SearchData.h"
#include "TableFiles.h"

#include <QFile>

using search::Shape;

namespace {

// What a build showed, in order: "phase:<text>", "max:<n>" and positions.
class RecordedProgress final : public search::BuildProgress
{
public:
    void setPhase(const QString& text) override { steps << QStringLiteral("phase:") + text; }
    void setMaximum(int maximum) override { steps << QStringLiteral("max:%1").arg(maximum); }
    void setPosition(int position) override { steps << QString::number(position); }

    QStringList steps;
};

QStringList flatten(const search::ResultTree& tree, int node = search::ResultTree::kTop,
                    const QString& indent = {})
{
    QStringList lines;
    for (int child : tree.children(node)) {
        lines << indent + tree.text(child);
        lines += flatten(tree, child, indent + QStringLiteral("  "));
    }
    return lines;
}

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QString::number(i);
    return list;
}

} // namespace

class TestSearchCore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void perCarrierCopyTakesTitledCarriersOfEveryKind();
    void perTrackCopyGroupsRowsByTrackPosition();
    void buildOfAnEmptyDatabase_data();
    void buildOfAnEmptyDatabase();
    void buildLeavesTheWindowsTableAlone();
    void buildWithoutTemplateFails();
    void currencyKeys();
    void resultLists_data();
    void resultLists();
    void showCarrierMovesOnlyToAnExactMatch_data();
    void showCarrierMovesOnlyToAnExactMatch();

private:
    Status build(Shape shape, const TTable& source, QStringList* steps = nullptr);
    TTable* openSource();

    std::unique_ptr<DatabaseFolder> m_folder;
    std::unique_ptr<TTable> m_source;
};

void TestSearchCore::init()
{
    m_folder = std::make_unique<DatabaseFolder>();
    QVERIFY(m_folder->isValid());
}

void TestSearchCore::cleanup()
{
    m_source.reset();
    m_folder.reset();
}

TTable* TestSearchCore::openSource()
{
    m_source = std::make_unique<TTable>();
    m_source->setDatabaseName(m_folder->folder().dataFolder());
    m_source->setTableName(QStringLiteral("AudioS.dbf"));
    (void)m_source->setIndex(QStringLiteral("CISLO"));
    (void)m_source->setFilter(QStringLiteral("DRUH <> ' '"));
    (void)m_source->setFiltered(true);
    return m_source->open() ? m_source.get() : nullptr;
}

Status TestSearchCore::build(Shape shape, const TTable& source, QStringList* steps)
{
    RecordedProgress progress;
    const Status s = search::buildAuxiliaryTable(shape, m_folder->folder(),
                                                 search::BuildSource::of(source, shape), progress);
    if (steps)
        *steps = progress.steps;
    return s;
}

void TestSearchCore::perCarrierCopyTakesTitledCarriersOfEveryKind()
{
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"),
                {{"3", "Cesta", "LP", "Olympic", {"Jasná zpráva"}, "Novák"},
                 {"1", "", "MC", "Nikdo", {"Bez názvu"}},
                 {"2", "Dům", "", "Team"}});
    TTable* source = openSource();
    QVERIFY(source);
    QVERIFY(source->setFilter(QStringLiteral("DRUH = 'LP'")));
    QStringList steps;
    QVERIFY(build(Shape::PerCarrier, *source, &steps));
    // The untitled carrier stays out; the one without a kind comes in, in number order.
    QCOMPARE(rowsOf(*m_folder, "AudioI.dbf",
                    {"CISLO", "NAZEV", "DRUH", "INTERPRET", "PUJCENO", "CELKEM", "A1", "C1"}),
             (QStringList{"2|Dům||Team||42||", "3|Cesta|LP|Olympic|Novák|42||"}));
    QCOMPARE(steps, (QStringList{"phase:" + search::kPreparing, "16", "32", "48", "64", "80", "100",
                                 "max:2", "0", "phase:" + search::kSeparating, "1", "2"}));
}

void TestSearchCore::perTrackCopyGroupsRowsByTrackPosition()
{
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"),
                {{"1", "Alfa", "LP", "", {"A jedna", "A dvě", "", "", "A pět"}},
                 {"2", "", "LP", "", {"Bez jedna"}},
                 {"3", "Gama", "MC", "", {"G jedna", "G dvě"}}});
    TTable* source = openSource();
    QVERIFY(source);
    QVERIFY(source->setFilter(QStringLiteral("DRUH = 'LP'")));
    QStringList steps;
    QVERIFY(build(Shape::PerTrack, *source, &steps));
    // Only what the window shows (LP), the untitled carrier's track included.
    QCOMPARE(
        rowsOf(*m_folder, "AudioI.dbf", {"A1", "NAZEV", "CISLO", "A2", "A5"}),
        (QStringList{"A jedna|Alfa|1||", "Bez jedna||2||", "A dvě|Alfa|1||", "A pět|Alfa|1||"}));
    QStringList expected{"phase:" + search::kPreparing, "3", "6", "9", "12", "15"};
    for (int k = 1; k <= 26; ++k)
        expected << QString::number(15 + 3 * k);
    expected << "94"
             << "96"
             << "98"
             << "100"
             << "max:4"
             << "0"
             << "phase:" + search::kSeparating;
    // Each pass that copies anything moves the bar once at its start.
    expected += numbers(1, 7);
    QCOMPARE(steps, expected);
}

void TestSearchCore::buildOfAnEmptyDatabase_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<QStringList>("tail");
    QTest::newRow("per carrier") << Shape::PerCarrier
                                 << QStringList{"100", "max:0", "0",
                                                "phase:" + search::kSeparating};
    QTest::newRow("per track") << Shape::PerTrack
                               << QStringList{"100", "max:0", "0", "phase:" + search::kSeparating};
}

// Carriers without titles or tracks: an empty copy that still opens, and a
// bar that jumps from full to empty.
void TestSearchCore::buildOfAnEmptyDatabase()
{
    QFETCH(Shape, shape);
    QFETCH(QStringList, tail);
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"), {{"1", "", "LP"}});
    // An old copy with rows of its own: the build starts from the templates.
    QVERIFY(tablefiles::recreateFromTemplate(m_folder->folder().templateFolder(),
                                             m_folder->folder().dataFolder(), "AudioI"));
    addCarriers(*m_folder, QStringLiteral("AudioI.dbf"), {{"9", "Stará kopie"}});
    TTable* source = openSource();
    QVERIFY(source);
    QStringList steps;
    QVERIFY(build(shape, *source, &steps));
    QCOMPARE(steps.mid(steps.size() - tail.size()), tail);
    QCOMPARE(m_folder->records(QStringLiteral("AudioI.dbf")), 0);
}

void TestSearchCore::buildLeavesTheWindowsTableAlone()
{
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"),
                {{"1", "Cesta", "LP", "", {"x"}},
                 {"2", "Alfa", "MC", "", {"y"}},
                 {"3", "Beta", "LP", "", {"z"}}});
    TTable* source = openSource();
    QVERIFY(source);
    QVERIFY(source->setIndex(QStringLiteral("NAZEV")));
    QVERIFY(source->first());
    QVERIFY(source->next());
    const TTable::Bookmark before = source->bookmark();
    for (Shape shape : {Shape::PerCarrier, Shape::PerTrack})
        QVERIFY(build(shape, *source));
    QCOMPARE(source->bookmark().record, before.record);
    QCOMPARE(source->indexName(), QStringLiteral("NAZEV"));
    QVERIFY(source->filtered());
    QCOMPARE(source->fieldText(QStringLiteral("NAZEV")), QStringLiteral("Beta"));
}

void TestSearchCore::buildWithoutTemplateFails()
{
    TTable* source = openSource();
    QVERIFY(source);
    QVERIFY(QFile::remove(m_folder->data("Zaloha/AudioI.Mdx")));
    const Status s = build(Shape::PerCarrier, *source);
    QVERIFY(!s);
    QVERIFY2(s.message().contains(QStringLiteral("AudioI.Mdx")), qPrintable(s.message()));
}

void TestSearchCore::currencyKeys()
{
    const search::SearchCurrency currency(m_folder->folder().programIniPath());
    const auto keys = [this] {
        return m_folder->key("Kontrola", "Pomocna") + "/" + m_folder->key("Kontrola", "Pomocna1");
    };
    QVERIFY(!currency.isCurrent(Shape::PerCarrier, 1));
    QVERIFY(currency.markBuilt(Shape::PerCarrier, 2));
    QCOMPARE(keys(), QStringLiteral("2/0"));
    QVERIFY(currency.isCurrent(Shape::PerCarrier, 2));
    QVERIFY(!currency.isCurrent(Shape::PerCarrier, 3));
    QVERIFY(!currency.isCurrent(Shape::PerTrack, 2));
    QVERIFY(currency.markBuilt(Shape::PerTrack, 3));
    QCOMPARE(keys(), QStringLiteral("0/3"));
    QVERIFY(currency.kindChoiceChanged());
    QCOMPARE(keys(), QStringLiteral("0/0"));
    QVERIFY(currency.markBuilt(Shape::PerCarrier, 1));
    QVERIFY(currency.markReportCopy());
    QCOMPARE(keys(), QStringLiteral("0/0"));
    QVERIFY(currency.markBuilt(Shape::PerCarrier, 5));
    QCOMPARE(keys(), QStringLiteral("0/0"));
    QVERIFY(currency.markBuilt(Shape::PerTrack, 4));
    QVERIFY(currency.beginBuild());
    QCOMPARE(keys(), QStringLiteral("0/0"));
}

void TestSearchCore::resultLists_data()
{
    QTest::addColumn<QList<Carrier>>("carriers");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("numbers by value") << QList<Carrier>{{"2", "B"}, {"10", "C"}, {"1", "A"}} << "1"
                                      << QStringList{"1", "2", "10"};
    QTest::newRow("same title once")
        << QList<Carrier>{{"1", "Stejný"}, {"2", "Stejný"}, {"3", "Jiný"}} << "2"
        << QStringList{"Jiný", "Stejný"};
    QTest::newRow("Czech order, capitals apart")
        << QList<Carrier>{{"1", "Dům"},   {"2", "Čáp"},  {"3", "Cesta"},
                          {"4", "chata"}, {"5", "Hrad"}, {"6", "dům"}}
        << "2" << QStringList{"Cesta", "Čáp", "dům", "Dům", "Hrad", "chata"};
    QTest::newRow("performer with three carriers")
        << QList<Carrier>{{"1", "Zima", "LP", "Olympic"},
                          {"2", "Jaro", "LP", "Olympic"},
                          {"3", "Léto", "MC", "Olympic"},
                          {"4", "Kámen", "MC", ""}}
        << "3" << QStringList{"Olympic", "  Jaro", "  Léto", "  Zima"};
    QTest::newRow("kinds") << QList<Carrier>{{"1", "Zima", "MC"},
                                             {"2", "Jaro", "LP"},
                                             {"3", "Aha", "MC"}}
                           << "4" << QStringList{"LP", "  Jaro", "MC", "  Aha", "  Zima"};
    QTest::newRow("loaned only") << QList<Carrier>{{"1", "Zima", "MC", "", {}, "Novák"},
                                                   {"2", "Jaro", "LP"},
                                                   {"3", "Aha", "MC", "", {}, "Dvořák"}}
                                 << "7" << QStringList{"Aha", "Zima"};
    QTest::newRow("track on two carriers, twice on one")
        << QList<Carrier>{{"1", "Zima", "MC", "", {"Píseň", "Píseň", "Jiná"}},
                          {"2", "Jaro", "LP", "", {"Píseň"}},
                          {"3", "", "LP", "", {"Sirotek"}}}
        << "6" << QStringList{"Jiná", "  Zima", "Píseň", "  Jaro", "  Zima", "Sirotek", "  "};
}

void TestSearchCore::resultLists()
{
    QFETCH(QList<Carrier>, carriers);
    QFETCH(QString, code);
    QFETCH(QStringList, entries);
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"), carriers);
    TTable* source = openSource();
    QVERIFY(source);
    const search::Criterion* criterion = search::criterion(code);
    QVERIFY(criterion);
    QVERIFY(build(criterion->shape, *source));
    search::ResultTree tree;
    QVERIFY(search::fillResults(*criterion, m_folder->data("AudioI.dbf"), &tree));
    QCOMPARE(flatten(tree), entries);
}

void TestSearchCore::showCarrierMovesOnlyToAnExactMatch_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("change"); // what happens to the database after the copy
    QTest::addColumn<QString>("shown");  // the number the window then shows; empty: a message
    // Equal titles stand in the order they were added: 7 before 2.
    QTest::newRow("title") << "2"
                           << "Stejný"
                           << ""
                           << "7";
    QTest::newRow("number of the second of two titles") << "1"
                                                        << "2"
                                                        << ""
                                                        << "2";
    QTest::newRow("title changed since") << "2"
                                         << "Stejný"
                                         << "rename"
                                         << "";
    QTest::newRow("number deleted since") << "1"
                                          << "7"
                                          << "delete"
                                          << "";
    QTest::newRow("filtered away") << "2"
                                   << "Potom"
                                   << "filter"
                                   << "";
    // Under a performer or a loan the entry is one carrier, not its title.
    QTest::newRow("performer of the second of two titles") << "3"
                                                           << "Olympic/Stejný"
                                                           << ""
                                                           << "2";
    QTest::newRow("loaned second of two titles") << "7"
                                                 << "Stejný"
                                                 << ""
                                                 << "2";
}

void TestSearchCore::showCarrierMovesOnlyToAnExactMatch()
{
    QFETCH(QString, code);
    QFETCH(QString, entry);
    QFETCH(QString, change);
    QFETCH(QString, shown);
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"),
                {{"1", "Alfa", "LP"},
                 {"7", "Stejný", "LP", "Team"},
                 {"2", "Stejný", "LP", "Olympic", {}, "Novák"},
                 {"3", "Stejný a víc", "LP"},
                 {"4", "Potom", "MC"}});
    TTable* source = openSource();
    QVERIFY(source);
    QVERIFY(build(Shape::PerCarrier, *source));
    search::ResultTree tree;
    QVERIFY(search::fillResults(*search::criterion(code), m_folder->data("AudioI.dbf"), &tree));
    int node = -1;
    for (int n = 0; n < tree.nodeCount(); ++n)
        node = tree.pathOf(n).join(QLatin1Char('/')) == entry ? n : node;
    QVERIFY(node >= 0);
    if (change == "rename" || change == "delete") {
        for ((void)source->first(); !source->eof(); (void)source->next()) {
            const QString title = source->fieldText("NAZEV");
            if (change == "rename" && title == QStringLiteral("Stejný")) {
                QVERIFY(source->edit());
                QVERIFY(source->setFieldText("NAZEV", "Stejný 2"));
                QVERIFY(source->post());
            } else if (change == "delete" && source->fieldText("CISLO") == entry) {
                QVERIFY(source->deleteRecord());
            }
        }
    } else if (change == "filter") {
        QVERIFY(source->setFilter(QStringLiteral("DRUH = 'LP'")));
    }
    QVERIFY(source->first());
    const QString before = source->fieldText("CISLO");
    const Status s = search::showCarrier(*source, code, tree.target(node));
    QCOMPARE(source->indexName(), QStringLiteral("CISLO"));
    if (shown.isEmpty()) {
        QVERIFY(!s);
        QVERIFY(s.message().contains(QStringLiteral("už nezobrazuje")));
        QCOMPARE(source->fieldText("CISLO"), before);
    } else {
        QVERIFY2(s, qPrintable(s.message()));
        QCOMPARE(source->fieldText("CISLO"), shown);
    }
}

QTEST_GUILESS_MAIN(TestSearchCore)
#include "test_searchcore.moc"
