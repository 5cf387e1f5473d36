#include "AppTestSupport.h"
#include "SecondCopy.h"
#include "TKopieDialog.h"
#include "TOfficeButton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

class TestKopieDialog : public QObject
{
    Q_OBJECT

private slots:
    void warning();
    void blinksEveryHalfSecond();
    void blinkingStopsWhenHidden();
    void confirmed_data();
    void confirmed();
    void placesAroundTheScreenCentre();
    void secondCopyWarnsAndEnds();
    void secondCopyLeavesTheSuiteAsItFoundIt_data();
    void secondCopyLeavesTheSuiteAsItFoundIt();
    void warningClosedOtherwiseFreesTheFigure();
};

void TestKopieDialog::warning()
{
    TKopieDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("KopieDialog"));
    QCOMPARE(dialog.size(), QSize(320, 97));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog.findChild<QLabel*>("Titulek")->text(), QStringLiteral("Fonarium 2000"));
    QCOMPARE(dialog.findChild<QLabel*>("Text")->text(),
             QStringLiteral("Pozor ! Již máte spuštěnu jednu kopii tohoto programu."));
    QCOMPARE(dialog.findChild<TOfficeButton*>()->caption(), QStringLiteral("Ok"));
    // Shaped as a balloon: the corner above the tail is not part of the window.
    QVERIFY(!dialog.mask().isEmpty());
    QVERIFY(!dialog.mask().contains(QPoint(319, 96)));
    QVERIFY(dialog.mask().contains(QPoint(100, 50)));
}

void TestKopieDialog::blinksEveryHalfSecond()
{
    TKopieDialog dialog;
    auto* timer = dialog.findChild<QTimer*>("Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 500);
    QVERIFY(!timer->isActive());
    QCOMPARE(dialog.fill(), QColor(242, 102, 155));
    dialog.show();
    QVERIFY(timer->isActive());
    QCOMPARE(dialog.grab().toImage().pixelColor(5, 48), QColor(242, 102, 155));
    QSignalSpy ticks(timer, &QTimer::timeout);
    QVERIFY(ticks.wait(1500));
    QCOMPARE(dialog.fill(), QColor(249, 181, 206));
    QCOMPARE(dialog.grab().toImage().pixelColor(5, 48), QColor(249, 181, 206));
    QVERIFY(ticks.wait(1500));
    QCOMPARE(dialog.fill(), QColor(242, 102, 155));
}

void TestKopieDialog::blinkingStopsWhenHidden()
{
    TKopieDialog dialog;
    dialog.show();
    dialog.hide();
    QVERIFY(!dialog.findChild<QTimer*>("Timer1")->isActive());
}

void TestKopieDialog::confirmed_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Ok") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestKopieDialog::confirmed()
{
    QFETCH(int, key);
    TKopieDialog dialog;
    dialog.show();
    QSignalSpy confirmed(&dialog, &TKopieDialog::confirmed);
    if (key)
        QTest::keyClick(&dialog, Qt::Key(key));
    else
        dialog.findChild<TOfficeButton*>()->click();
    QCOMPARE(confirmed.count(), 1);
    QTest::keyClick(&dialog, Qt::Key_A);
    QCOMPARE(confirmed.count(), 1);
}

void TestKopieDialog::placesAroundTheScreenCentre()
{
    const QPoint figure = SecondCopy::figurePosition(QRect(0, 0, 1280, 1024), QSize(104, 104));
    QCOMPARE(figure, QPoint(588, 460));
    QCOMPARE(SecondCopy::figurePosition(QRect(0, 0, 1281, 1025), QSize(105, 105)),
             QPoint(588, 460));
    QCOMPARE(SecondCopy::warningPosition(figure, QSize(104, 104), QSize(320, 97)),
             QPoint(588 - 320 + 35, 460 + 104 - 97));
}

void TestKopieDialog::secondCopyWarnsAndEnds()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    SecondCopy copy(program.folder());
    QSignalSpy finished(&copy, &SecondCopy::finished);
    copy.start();
    TPomocnikDialog* figure = copy.figure();
    TKopieDialog* warning = copy.warning();
    QVERIFY(figure->isVisible());
    QVERIFY(warning->isVisible());
    QVERIFY(!figure->isEnabled());
    QCOMPARE(figure->pos(), SecondCopy::figurePosition(figure->screenArea(), figure->size()));
    QCOMPARE(warning->pos(),
             SecondCopy::warningPosition(figure->pos(), figure->size(), warning->size()));
    QTest::keyClick(warning, Qt::Key_Return);
    QCOMPARE(finished.count(), 1);
    QVERIFY(figure->isEnabled());
    QVERIFY(!warning->isVisible());
}

void TestKopieDialog::secondCopyLeavesTheSuiteAsItFoundIt_data()
{
    QTest::addColumn<QString>("pomocnik");
    QTest::newRow("figure closed in the running copy") << "0";
    QTest::newRow("figure shown in the running copy") << "1";
}

void TestKopieDialog::secondCopyLeavesTheSuiteAsItFoundIt()
{
    QFETCH(QString, pomocnik);
    TestProgramFolder program;
    QVERIFY(program.isValid());
    QVERIFY(program.suiteIni().writeString("Nastaveni", "Pomocnik", pomocnik));
    {
        SecondCopy copy(program.folder());
        copy.start();
        QCOMPARE(program.suiteIni().readString("Nastaveni", "Pomocnik"), QStringLiteral("1"));
        copy.warning()->findChild<TOfficeButton*>()->click();
    }
    QCOMPARE(program.suiteIni().readString("Nastaveni", "Pomocnik"), pomocnik);
}

void TestKopieDialog::warningClosedOtherwiseFreesTheFigure()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    SecondCopy copy(program.folder());
    QSignalSpy finished(&copy, &SecondCopy::finished);
    copy.start();
    copy.warning()->close();
    QVERIFY(copy.figure()->isEnabled());
    QCOMPARE(finished.count(), 0);
    // The figure is all that is left; when the user closes it, the copy ends.
    copy.figure()->close();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(program.suiteIni().readString("Nastaveni", "Pomocnik"), QStringLiteral("0"));
}

QTEST_MAIN(TestKopieDialog)
#include "test_kopiedialog.moc"
