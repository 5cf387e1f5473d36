#include "AppTestSupport.h"
#include "TDokumenty.h"
#include "TStavovyRadek.h"

#include <QMdiSubWindow>
#include <QMenu>

class TestWindowCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void horizontalTiles_data();
    void horizontalTiles();
    void verticalTiles_data();
    void verticalTiles();
    void iconPositions();
    void tiling_data();
    void tiling();
    void tilingLeavesTheIconsTheirRow();
    void cascadeSizesTheOpenDatabases();
    void minimiseAllGoesFromTheLastWindow();
    void arrangeIconsLinesThemUp();
    void windowList();
    void windowCommandsNeedADatabaseWindow_data();
    void windowCommandsNeedADatabaseWindow();
    void closeCommandClosesTheWindowInFront();
    void statusPanelShowsTheDatabaseInFront();

private:
    QMdiSubWindow* openDatabase(int slot, const QString& caption = {});
    TDokumenty* area() const { return m_main->window->dokumenty(); }

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<TestMainWindow> m_main;
};

void TestWindowCommands::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    m_main = std::make_unique<TestMainWindow>(*m_program);
    m_main->window->resize(1000, 760);
    m_main->window->show();
}

void TestWindowCommands::cleanup()
{
    m_main.reset();
    m_program.reset();
}

QMdiSubWindow* TestWindowCommands::openDatabase(int slot, const QString& caption)
{
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("Databaze%1Dialog").arg(slot));
    view->setMinimumSize(40, 30);
    QMdiSubWindow* window = area()->addSubWindow(view);
    window->setWindowTitle(caption.isEmpty() ? QStringLiteral("Databáze %1").arg(slot) : caption);
    window->resize(300, 200);
    window->show();
    area()->setActiveSubWindow(window);
    QCoreApplication::processEvents();
    return window;
}

void TestWindowCommands::horizontalTiles_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QList<QRect>>("tiles");
    QTest::newRow("one") << QRect(0, 0, 600, 400) << QList<QRect>{QRect(0, 0, 600, 400)};
    QTest::newRow("three") << QRect(0, 0, 600, 400)
                           << QList<QRect>{QRect(0, 0, 600, 133), QRect(0, 133, 600, 133),
                                           QRect(0, 266, 600, 134)};
    QTest::newRow("four, moved") << QRect(10, 20, 300, 200)
                                 << QList<QRect>{QRect(10, 20, 300, 50), QRect(10, 70, 300, 50),
                                                 QRect(10, 120, 300, 50), QRect(10, 170, 300, 50)};
    QTest::newRow("none") << QRect(0, 0, 600, 400) << QList<QRect>{};
}

void TestWindowCommands::horizontalTiles()
{
    QFETCH(QRect, area);
    QFETCH(QList<QRect>, tiles);
    QCOMPARE(TDokumenty::horizontalTiles(area, int(tiles.size())), tiles);
}

void TestWindowCommands::verticalTiles_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QList<QRect>>("tiles");
    QTest::newRow("two") << QRect(0, 0, 600, 400)
                         << QList<QRect>{QRect(0, 0, 300, 400), QRect(300, 0, 300, 400)};
    QTest::newRow("three, moved") << QRect(5, 7, 100, 50)
                                  << QList<QRect>{QRect(5, 7, 33, 50), QRect(38, 7, 33, 50),
                                                  QRect(71, 7, 34, 50)};
}

void TestWindowCommands::verticalTiles()
{
    QFETCH(QRect, area);
    QFETCH(QList<QRect>, tiles);
    QCOMPARE(TDokumenty::verticalTiles(area, int(tiles.size())), tiles);
}

void TestWindowCommands::iconPositions()
{
    // Three icons of 100 x 30 fit in a row of 250: the third starts the row above.
    QCOMPARE(TDokumenty::iconPositions(QRect(0, 0, 250, 300), QSize(100, 30), 3),
             (QList<QPoint>{QPoint(0, 270), QPoint(100, 270), QPoint(0, 240)}));
}

void TestWindowCommands::tiling_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("strips");
    QTest::newRow("MO1") << "MO1" << true;
    QTest::newRow("TO1") << "TO1" << true;
    QTest::newRow("OO1") << "OO1" << true;
    QTest::newRow("MO2") << "MO2" << false;
    QTest::newRow("TO2") << "TO2" << false;
    QTest::newRow("OO2") << "OO2" << false;
}

void TestWindowCommands::tiling()
{
    QFETCH(QString, command);
    QFETCH(bool, strips);
    const QList<QMdiSubWindow*> windows{openDatabase(1), openDatabase(3), openDatabase(2)};
    windows[1]->showMaximized();
    QAction* item = m_main->window->findChild<QAction*>(command);
    QVERIFY(item && item->isEnabled());
    item->trigger();
    const QRect viewport = area()->viewport()->rect();
    const QList<QRect> expected =
        strips ? TDokumenty::horizontalTiles(viewport, 3) : TDokumenty::verticalTiles(viewport, 3);
    for (int i = 0; i < windows.size(); ++i) {
        QVERIFY(!windows[i]->isMaximized());
        QCOMPARE(windows[i]->geometry(), expected[i]);
    }
}

void TestWindowCommands::tilingLeavesTheIconsTheirRow()
{
    const QList<QMdiSubWindow*> windows{openDatabase(1), openDatabase(2), openDatabase(3)};
    windows[1]->showMinimized();
    TRIGGER(m_main->window, "MO2");
    const int iconTop = windows[1]->geometry().top();
    QVERIFY(windows[1]->isMinimized());
    for (QMdiSubWindow* open : {windows[0], windows[2]}) {
        QCOMPARE(open->geometry().top(), 0);
        QVERIFY(open->geometry().bottom() < iconTop);
    }
    QCOMPARE(windows[0]->width() + windows[2]->width(), area()->viewport()->width());
}

void TestWindowCommands::cascadeSizesTheOpenDatabases()
{
    const IniFile ini = m_program->programIni();
    QVERIFY(ini.writeString("Otevreni", "Databaze1", "1"));
    QVERIFY(ini.writeString("Otevreni", "Databaze2", "1"));
    QVERIFY(ini.writeString("Otevreni", "Databaze4", "0"));
    QMdiSubWindow* first = openDatabase(1);
    QMdiSubWindow* second = openDatabase(2);
    QMdiSubWindow* notOpen = openDatabase(4);
    TRIGGER(m_main->window, "TO3");
    QCOMPARE(first->widget()->size(), QSize(517, 419));
    QCOMPARE(second->widget()->size(), QSize(517, 419));
    QVERIFY(notOpen->widget()->size() != QSize(517, 419));
    // Cascaded: each window further right and down than the one before.
    QVERIFY(second->x() > first->x() && second->y() > first->y());
    QVERIFY(notOpen->x() > second->x() && notOpen->y() > second->y());
}

void TestWindowCommands::minimiseAllGoesFromTheLastWindow()
{
    const QList<QMdiSubWindow*> windows{openDatabase(2), openDatabase(1), openDatabase(4)};
    QStringList order;
    QObject listening; // the lambdas go with `order`
    for (QMdiSubWindow* window : windows) {
        connect(window, &QMdiSubWindow::windowStateChanged, &listening,
                [&order, window](Qt::WindowStates before, Qt::WindowStates now) {
                    if ((now & Qt::WindowMinimized) && !(before & Qt::WindowMinimized))
                        order << window->widget()->objectName();
                });
    }
    TRIGGER(m_main->window, "OO4");
    QCOMPARE(order, (QStringList{"Databaze4Dialog", "Databaze1Dialog", "Databaze2Dialog"}));
    for (QMdiSubWindow* window : windows)
        QVERIFY(window->isMinimized());
}

void TestWindowCommands::arrangeIconsLinesThemUp()
{
    const QList<QMdiSubWindow*> windows{openDatabase(1), openDatabase(2), openDatabase(3)};
    TRIGGER(m_main->window, "MO4");
    windows[0]->move(200, 100);
    windows[2]->move(20, 40);
    TRIGGER(m_main->window, "MO5");
    const QList<QPoint> places =
        TDokumenty::iconPositions(area()->viewport()->rect(), windows[0]->size(), 3);
    for (int i = 0; i < windows.size(); ++i)
        QCOMPARE(windows[i]->pos(), places[i]);
    QCOMPARE(windows[0]->geometry().bottom(), area()->viewport()->rect().bottom());
}

void TestWindowCommands::windowList()
{
    THlavniDialog* window = m_main->get();
    auto* separator = window->findChild<QAction*>("OknaOddelovac");
    QVERIFY(separator && separator->isSeparator());
    for (int slot = 1; slot <= 4; ++slot) {
        QAction* item = window->findChild<QAction*>(QStringLiteral("o%1").arg(slot) + "1");
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("o%1").arg(slot));
        QVERIFY(!item->isVisible());
    }
    QVERIFY(!separator->isVisible());

    QMdiSubWindow* mine = openDatabase(2, QStringLiteral("Moje desky"));
    QMdiSubWindow* standard = openDatabase(1, QStringLiteral("Standardní databáze"));
    QTRY_VERIFY(separator->isVisible());
    QAction* o21 = window->findChild<QAction*>("o21");
    QAction* o11 = window->findChild<QAction*>("o11");
    QVERIFY(o21->isVisible() && o11->isVisible());
    QVERIFY(!window->findChild<QAction*>("o31")->isVisible());
    QCOMPARE(o21->text(), QStringLiteral("Moje desky"));
    QVERIFY(o11->isChecked() && !o21->isChecked());

    mine->showMinimized();
    TRIGGER(window, "o21");
    QCOMPARE(area()->currentSubWindow(), mine);
    QVERIFY(!mine->isMinimized());
    QVERIFY(o21->isChecked() && !o11->isChecked());

    standard->close();
    delete standard;
    QTRY_VERIFY(!o11->isVisible());
    QVERIFY(separator->isVisible());
}

void TestWindowCommands::windowCommandsNeedADatabaseWindow_data()
{
    QTest::addColumn<QString>("command");
    for (const char* name : {"MO1", "MO2", "MO3", "MO4", "MO5", "TO1", "TO2", "TO3", "TO4", "OO1",
                             "OO2", "OO3", "OO4", "MS3", "MN7", "MN8"})
        QTest::newRow(name) << name;
}

void TestWindowCommands::windowCommandsNeedADatabaseWindow()
{
    QFETCH(QString, command);
    QAction* item = m_main->window->findChild<QAction*>(command);
    QVERIFY(item);
    QVERIFY(!item->isEnabled());
    QMdiSubWindow* other = area()->addSubWindow(new QWidget);
    other->show();
    area()->setActiveSubWindow(other);
    QVERIFY(!item->isEnabled());
    openDatabase(3);
    QTRY_VERIFY(item->isEnabled());
}

void TestWindowCommands::closeCommandClosesTheWindowInFront()
{
    openDatabase(1);
    QMdiSubWindow* front = openDatabase(2);
    front->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QMdiSubWindow> watch(front);
    emit m_main->window->findChild<QMenu*>("MenuSoubor")->aboutToShow();
    TRIGGER(m_main->window, "MS3");
    QTRY_VERIFY(watch.isNull());
    QVERIFY(area()->databaseWindow(1));
}

void TestWindowCommands::statusPanelShowsTheDatabaseInFront()
{
    TStavovyRadek* status = m_main->window->stavovyRadek();
    QCOMPARE(status->panelText(3), QString());
    QMdiSubWindow* mine = openDatabase(3, QStringLiteral("Kazety"));
    QTRY_COMPARE(status->panelText(3), QStringLiteral("      Kazety"));
    QVERIFY(m_main->window->isIndicatorVisible("SBD3"));
    QCOMPARE(m_main->window->activeDatabaseSlot(), 3);
    mine->close();
    delete mine;
    QTRY_COMPARE(status->panelText(3), QString());
    QVERIFY(!m_main->window->isIndicatorVisible("SBD3"));
    QCOMPARE(m_main->window->activeDatabaseSlot(), 0);
}

QTEST_MAIN(TestWindowCommands)
#include "test_windowcommands.moc"
