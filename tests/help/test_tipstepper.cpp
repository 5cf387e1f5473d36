#include "HelpFolder.h"
#include "TipStepper.h"

#include <QSignalSpy>
#include <QTest>

class TestTipStepper : public QObject
{
    Q_OBJECT

private slots:
    void stepsWrapAroundThroughTheMarks_data();
    void stepsWrapAroundThroughTheMarks();
    void everyStepAnnouncesTheTipShown();
    void reopeningKeepsTheRow();
    void missingTableShowsNoTips();
    void tableGoneSinceStartShowsNoTips();
    void emptyTableShowsNoTips();
    void shippedTipsAreAvailable();

private:
    void setUp(HelpFolder& folder, TTable& table) const;
};

void TestTipStepper::setUp(HelpFolder& folder, TTable& table) const
{
    table.setDatabaseName(folder.folder().dataFolder());
    table.setTableName(QStringLiteral("TipyA.dbf"));
}

// Steps: n = next, p = previous. Tips are numbered from 1 and the first entry
// of `shown` is the tip right after opening.
void TestTipStepper::stepsWrapAroundThroughTheMarks_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("next through three tips") << "nnnn" << QList<int>{1, 2, 3, 3, 1};
    QTest::newRow("previous right after opening") << "p" << QList<int>{1, 3};
    QTest::newRow("previous takes an extra press at the first tip")
        << "npppp" << QList<int>{1, 2, 1, 1, 3, 2};
    QTest::newRow("after wrapping forwards previous wraps at once")
        << "nnnnp" << QList<int>{1, 2, 3, 3, 1, 3};
    QTest::newRow("after wrapping backwards next wraps at once") << "pn" << QList<int>{1, 3, 1};
    QTest::newRow("back and forth inside") << "nnpn" << QList<int>{1, 2, 3, 2, 3};
}

void TestTipStepper::stepsWrapAroundThroughTheMarks()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, shown);
    HelpFolder folder;
    folder.replaceTips(3);
    TTable table;
    setUp(folder, table);
    TipStepper stepper(&table);
    QVERIFY(stepper.open());

    QList<int> seen{stepper.row() + 1};
    for (const QChar step : steps) {
        if (step == QLatin1Char('n'))
            stepper.next();
        else
            stepper.previous();
        seen.append(stepper.row() + 1);
        QCOMPARE(stepper.tip(), HelpFolder::tipText(seen.last()));
    }
    QCOMPARE(seen, shown);
}

void TestTipStepper::everyStepAnnouncesTheTipShown()
{
    HelpFolder folder;
    folder.replaceTips(3);
    TTable table;
    setUp(folder, table);
    TipStepper stepper(&table);
    QSignalSpy changed(&stepper, &TipStepper::tipChanged);
    QVERIFY(stepper.open());
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed.last().at(0).toString(), HelpFolder::tipText(1));

    changed.clear();
    stepper.previous();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.last().at(0).toString(), HelpFolder::tipText(3));
    // Moving the table itself, as any other user of Table6 may, is followed too.
    QVERIFY(table.first());
    QCOMPARE(changed.last().at(0).toString(), HelpFolder::tipText(1));
}

void TestTipStepper::reopeningKeepsTheRow()
{
    HelpFolder folder;
    folder.replaceTips(3);
    TTable table;
    setUp(folder, table);
    TipStepper stepper(&table);
    QVERIFY(stepper.open());
    stepper.next();
    QVERIFY(stepper.open());
    QCOMPARE(stepper.tip(), HelpFolder::tipText(2));
}

void TestTipStepper::missingTableShowsNoTips()
{
    HelpFolder folder;
    folder.removeTips();
    TTable table;
    setUp(folder, table);
    TipStepper stepper(&table);
    QVERIFY(!stepper.open());
    QVERIFY(!stepper.isAvailable());
    QVERIFY(!table.isActive());
    stepper.next();
    stepper.previous();
    QCOMPARE(stepper.tip(), QString());
    QCOMPARE(stepper.row(), -1);
}

void TestTipStepper::tableGoneSinceStartShowsNoTips()
{
    HelpFolder folder;
    folder.replaceTips(3);
    TTable table;
    setUp(folder, table);
    TipStepper stepper(&table);
    QVERIFY(stepper.open());
    QSignalSpy availability(&stepper, &TipStepper::availabilityChanged);
    QSignalSpy changed(&stepper, &TipStepper::tipChanged);

    folder.removeTips();
    QVERIFY(!stepper.open());
    QCOMPARE(availability.size(), 1);
    QCOMPARE(availability.last().at(0).toBool(), false);
    QCOMPARE(changed.last().at(0).toString(), QString());
}

void TestTipStepper::emptyTableShowsNoTips()
{
    HelpFolder folder;
    folder.replaceTips(0);
    TTable table;
    setUp(folder, table);
    TipStepper stepper(&table);
    QVERIFY(!stepper.open());
    stepper.next();
    stepper.previous();
    QCOMPARE(stepper.row(), -1);
}

void TestTipStepper::shippedTipsAreAvailable()
{
    HelpFolder folder;
    TTable table;
    setUp(folder, table);
    TipStepper stepper(&table);
    QVERIFY(stepper.open());
    QVERIFY(!stepper.tip().isEmpty());
    stepper.previous();
    QCOMPARE(stepper.row(), table.recordCount() - 1);
}

QTEST_GUILESS_MAIN(TestTipStepper)
#include "test_tipstepper.moc"
