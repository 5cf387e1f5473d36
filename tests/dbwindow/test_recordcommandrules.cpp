#include "RecordCommandRules.h"

#include <QTest>

using namespace recordrules;

namespace {

QStringList itemsSetTo(WindowState state, std::optional<bool> value)
{
    QStringList items;
    for (const Rule& rule : rulesFor(state)) {
        if (rule.enabled == value)
            items.append(rule.item);
    }
    items.sort();
    return items;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestRecordCommandRules : public QObject
{
    Q_OBJECT

private slots:
    void states_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("bof");
        QTest::addColumn<bool>("eof");
        QTest::addColumn<int>("state");
        QTest::newRow("editing wins") << true << true << true << int(WindowState::Editing);
        QTest::newRow("empty") << false << true << true << int(WindowState::Empty);
        QTest::newRow("at start") << false << true << false << int(WindowState::AtStart);
        QTest::newRow("at end") << false << false << true << int(WindowState::AtEnd);
        QTest::newRow("inside") << false << false << false << int(WindowState::Inside);
    }

    void states()
    {
        QFETCH(bool, editing);
        QFETCH(bool, bof);
        QFETCH(bool, eof);
        QFETCH(int, state);
        QCOMPARE(int(stateOf(editing, bof, eof)), state);
    }

    void navigationAfterOpeningAndNext()
    {
        const QStringList atStart = itemsSetTo(WindowState::AtStart, true);
        for (const char* item : {"PNa1", "Pna2", "TD1", "TD2", "UD1", "UD2", "MP8", "MP9"})
            QVERIFY2(!atStart.contains(item), item);
        for (const char* item : {"PNa3", "PNa4", "TD3", "TD4", "UD3", "UD4", "MP10", "MP11"})
            QVERIFY2(atStart.contains(item), item);
        const QStringList inside = itemsSetTo(WindowState::Inside, true);
        for (const char* item : {"PNa1", "TD2", "PNa4", "TD3", "MU4", "MU7", "MS4"})
            QVERIFY2(inside.contains(item), item);
        const QStringList atEnd = itemsSetTo(WindowState::AtEnd, false);
        QVERIFY(atEnd.contains("TD3") && atEnd.contains("MP11") && !atEnd.contains("TD1"));
    }

    void emptyDatabaseOffersEditNewAndGoTo()
    {
        QCOMPARE(itemsSetTo(WindowState::Empty, true),
                 sorted({"MU5", "TD7", "UD7", "MP5", "MU8", "MP", "PNa5", "TD5", "UD5", "MP12"}));
        QVERIFY(itemsSetTo(WindowState::Empty, std::nullopt).isEmpty());
    }

    void editingOffersOnlySaveAndUndo()
    {
        QCOMPARE(
            itemsSetTo(WindowState::Editing, true),
            sorted({"MU6", "TD8", "UD8", "MP6", "MU10", "MP14", "MU9", "TD10", "UD10", "MP13"}));
        // The editors own the clipboard commands and the pop-up navigation then.
        QCOMPARE(itemsSetTo(WindowState::Editing, std::nullopt),
                 sorted({"MP8", "MP9", "MP10", "MP11", "MP12", "MU1", "MU2", "MU3", "TS6", "TS7",
                         "TS8"}));
    }

    void everyItemOnce()
    {
        QStringList items;
        for (const Rule& rule : rulesFor(WindowState::Inside))
            items.append(rule.item);
        QCOMPARE(items.size(), 58);
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
        QVERIFY(isPopupItem("MP01") && isPopupItem("MP") && !isPopupItem("MU8"));
    }

    void kindFilters_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("filter");
        QTest::newRow("all") << "N0"
                             << "DRUH <> ' '";
        QTest::newRow("audio") << "NO1"
                               << "DRUH = 'Audio CD'";
        QTest::newRow("mp3") << "NO5"
                             << "DRUH = 'Audio MP3 CD'";
        QTest::newRow("data") << "NO2"
                              << "DRUH = 'Datové CD'";
        QTest::newRow("lp") << "NO3"
                            << "DRUH = 'LP'";
        QTest::newRow("mc") << "NO4"
                            << "DRUH = 'MC'";
        QTest::newRow("unknown") << "NO9"
                                 << "";
    }

    void kindFilters()
    {
        QFETCH(QString, item);
        QFETCH(QString, filter);
        QCOMPARE(kindFilter(item), filter);
    }
};

QTEST_GUILESS_MAIN(TestRecordCommandRules)
#include "test_recordcommandrules.moc"
