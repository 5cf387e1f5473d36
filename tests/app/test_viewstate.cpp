#include "AppTestSupport.h"

#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include <optional>

namespace {

// The bar a Zobrazit key stands for.
QWidget* barOf(THlavniDialog* window, const QString& name)
{
    if (name == QLatin1String("StavovyRadek"))
        return window->statusBar();
    return window->findChild<QWidget*>(name);
}

bool isShown(THlavniDialog* window, const QString& name)
{
    return !barOf(window, name)->isHidden();
}

} // namespace

class TestViewState : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void togglesWriteTheirKey_data();
    void togglesWriteTheirKey();
    void startsAsTheKeysSay_data();
    void startsAsTheKeysSay();
    void closedBarStaysClosed_data();
    void closedBarStaysClosed();
    void popupMenuRepeatsTheToggles();
    void barsKeepTheirRows_data();
    void barsKeepTheirRows();
    void mainBarsCloseUp();
    void tipFieldTakesTheRow();

private:
    void bars_data();

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<TestMainWindow> m_main;
};

void TestViewState::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    m_main = std::make_unique<TestMainWindow>(*m_program);
}

void TestViewState::cleanup()
{
    m_main.reset();
    m_program.reset();
}

void TestViewState::bars_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("popupItem");
    QTest::newRow("Standardni") << "Standardni"
                                << "StandardniL"
                                << "PN1"
                                << "P1M1";
    QTest::newRow("Databaze") << "Databaze"
                              << "DatabazeL"
                              << "PN2"
                              << "P1M2";
    QTest::newRow("Okna") << "Okna"
                          << "OknaL"
                          << "PN3"
                          << "P1M3";
    QTest::newRow("TipyDne") << "TipyDne"
                             << "TipyDneL"
                             << "PN4"
                             << "P1M4";
    QTest::newRow("StavovyRadek") << "StavovyRadek"
                                  << "StavovyRadek"
                                  << "MZ2"
                                  << "P1M5";
    QTest::newRow("PanelOutlook") << "PanelOutlook"
                                  << "LookOut1"
                                  << "MZ3"
                                  << "P1M6";
}

void TestViewState::togglesWriteTheirKey_data()
{
    bars_data();
}

void TestViewState::togglesWriteTheirKey()
{
    QFETCH(QString, key);
    QFETCH(QString, bar);
    QFETCH(QString, menuItem);
    QFETCH(QString, popupItem);
    THlavniDialog* window = m_main->get();
    QAction* item = window->findChild<QAction*>(menuItem);
    QAction* popup = window->findChild<QAction*>(popupItem);
    QVERIFY(item->isChecked() && popup->isChecked() && isShown(window, bar));

    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!popup->isChecked());
    QVERIFY(!isShown(window, bar));
    QCOMPARE(m_program->zobrazit(key), QStringLiteral("0"));

    // A new window starts as the last one was left.
    m_main.reset();
    m_main = std::make_unique<TestMainWindow>(*m_program);
    window = m_main->get();
    QVERIFY(!isShown(window, bar));
    QVERIFY(!window->findChild<QAction*>(menuItem)->isChecked());
    QVERIFY(!window->findChild<QAction*>(popupItem)->isChecked());

    window->findChild<QAction*>(popupItem)->trigger();
    QVERIFY(window->findChild<QAction*>(menuItem)->isChecked());
    QVERIFY(window->findChild<QAction*>(popupItem)->isChecked());
    QVERIFY(isShown(window, bar));
    QCOMPARE(m_program->zobrazit(key), QStringLiteral("1"));
}

void TestViewState::startsAsTheKeysSay_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("shown");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("missing") << "" << false;
    QTest::newRow("other") << "2" << false;
}

void TestViewState::startsAsTheKeysSay()
{
    QFETCH(QString, value);
    QFETCH(bool, shown);
    const QStringList keys{"Standardni", "Databaze",     "Okna",
                           "TipyDne",    "StavovyRadek", "PanelOutlook"};
    const QStringList bars{"StandardniL", "DatabazeL",    "OknaL",
                           "TipyDneL",    "StavovyRadek", "LookOut1"};
    for (const QString& key : keys)
        QVERIFY(m_program->programIni().writeString("Zobrazit", key, value));
    m_main.reset();
    m_main = std::make_unique<TestMainWindow>(*m_program);
    m_main->window->show();
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(isShown(m_main->get(), bars[i]), shown);
        QCOMPARE(barOf(m_main->get(), bars[i])->isVisible(), shown);
    }
    for (const char* name : {"PN1", "PN2", "PN3", "PN4", "MZ2", "MZ3", "P1M1", "P1M6"})
        QCOMPARE(m_main->window->findChild<QAction*>(name)->isChecked(), shown);
}

void TestViewState::closedBarStaysClosed_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("StandardniL") << "StandardniL"
                                 << "Standardni"
                                 << "PN1";
    QTest::newRow("DatabazeL") << "DatabazeL"
                               << "Databaze"
                               << "PN2";
    QTest::newRow("OknaL") << "OknaL"
                           << "Okna"
                           << "PN3";
    QTest::newRow("TipyDneL") << "TipyDneL"
                              << "TipyDne"
                              << "PN4";
}

void TestViewState::closedBarStaysClosed()
{
    QFETCH(QString, bar);
    QFETCH(QString, key);
    QFETCH(QString, menuItem);
    m_main->window->show();
    auto* toolBar = m_main->window->findChild<QToolBar*>(bar);
    QAction* close = toolBar->findChild<QAction*>(bar + QStringLiteral("Zavrit"));
    QVERIFY(close);
    // A docked bar has no close button of its own; a floating one has.
    QVERIFY(!close->isVisible());
    emit toolBar->topLevelChanged(true);
    QVERIFY(close->isVisible());
    QVERIFY(close->isEnabled());
    close->trigger();
    QVERIFY(toolBar->isHidden());
    QVERIFY(!m_main->window->findChild<QAction*>(menuItem)->isChecked());
    QCOMPARE(m_program->zobrazit(key), QStringLiteral("0"));

    m_main.reset();
    m_main = std::make_unique<TestMainWindow>(*m_program);
    m_main->window->show();
    QVERIFY(m_main->window->findChild<QToolBar*>(bar)->isHidden());
}

void TestViewState::popupMenuRepeatsTheToggles()
{
    std::unique_ptr<QMenu> popup(m_main->window->createPopupMenu());
    const QList<QAction*> items = popup->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), QStringLiteral("P1M0"));
    QCOMPARE(items[0]->text(), QStringLiteral("Panely &nástrojů"));
    QStringList bars;
    for (QAction* item : items[0]->menu()->actions())
        bars << item->objectName() + QLatin1Char(':') + item->text();
    QCOMPARE(bars, (QStringList{"P1M1:Standardní", "P1M2:Databáze", "P1M3:Okna", "P1M4:Tipy dne"}));
    QCOMPARE(items[1]->objectName() + ':' + items[1]->text(), QStringLiteral("P1M5:Stavový řádek"));
    QCOMPARE(items[2]->objectName() + ':' + items[2]->text(), QStringLiteral("P1M6:Panel Outlook"));
    // The status bar offers the same menu.
    QCOMPARE(m_main->window->statusBar()->contextMenuPolicy(), Qt::CustomContextMenu);
}

void TestViewState::barsKeepTheirRows_data()
{
    QTest::addColumn<QString>("moved");
    QTest::addColumn<QString>("into");
    QTest::newRow("main bar into the tips row") << "StandardniL"
                                                << "TipyDneL";
    QTest::newRow("last main bar into the tips row") << "OknaL"
                                                     << "TipyDneL";
    QTest::newRow("tips bar into the main row") << "TipyDneL"
                                                << "DatabazeL";
    QTest::newRow("tips bar before the first main bar") << "TipyDneL"
                                                        << "StandardniL";
}

void TestViewState::barsKeepTheirRows()
{
    QFETCH(QString, moved);
    QFETCH(QString, into);
    THlavniDialog* window = m_main->get();
    window->show();
    auto* bar = window->findChild<QToolBar*>(moved);
    auto* target = window->findChild<QToolBar*>(into);
    auto* tips = window->findChild<QToolBar*>("TipyDneL");
    auto* standard = window->findChild<QToolBar*>("StandardniL");
    QVERIFY(standard->geometry().bottom() < tips->geometry().top());

    // The user drags the bar next to another one and lets go.
    window->insertToolBar(target, bar);
    bar->show();
    window->layout()->activate();
    QCOMPARE(bar->geometry().top(), target->geometry().top());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(3, 3));
    const QList<QToolBar*> mainBars{standard, window->findChild<QToolBar*>("DatabazeL"),
                                    window->findChild<QToolBar*>("OknaL")};
    const auto inRows = [&] {
        for (QToolBar* main : mainBars) {
            if (main->geometry().top() != standard->geometry().top() ||
                main->geometry().bottom() >= tips->geometry().top())
                return false;
        }
        return true;
    };
    QTRY_VERIFY(inRows());
    for (QToolBar* main : mainBars)
        QVERIFY(!main->isHidden());
    QVERIFY(!tips->isHidden());
    QVERIFY(standard->geometry().left() < window->findChild<QToolBar*>("DatabazeL")->x());
}

// The main bars stand side by side from the left edge, whichever are shown.
void TestViewState::mainBarsCloseUp()
{
    THlavniDialog* window = m_main->get();
    window->resize(1000, 700);
    window->show();
    auto* standard = window->findChild<QToolBar*>("StandardniL");
    auto* database = window->findChild<QToolBar*>("DatabazeL");
    auto* windows = window->findChild<QToolBar*>("OknaL");
    const auto settle = [window] {
        window->layout()->activate();
        QCoreApplication::processEvents();
    };
    settle();
    QCOMPARE(standard->x(), 0);
    QCOMPARE(database->x(), standard->width());
    QCOMPARE(windows->x(), standard->width() + database->width());
    standard->hide();
    settle();
    QCOMPARE(database->x(), 0);
    QCOMPARE(windows->x(), database->width());
    database->hide();
    settle();
    QCOMPARE(windows->x(), 0);
    standard->show();
    settle();
    QCOMPARE(standard->x(), 0);
    QCOMPARE(windows->x(), standard->width());
}

// The tip field grows and shrinks with the window by exactly as much as the
// window does, and leaves its buttons in sight.
void TestViewState::tipFieldTakesTheRow()
{
    THlavniDialog* window = m_main->get();
    auto* field = window->findChild<QLineEdit*>("TipDne");
    auto* tips = window->findChild<QToolBar*>("TipyDneL");
    auto* extension = tips->findChild<QWidget*>("qt_toolbar_ext_button");
    std::optional<int> rest;
    for (const int width : {1000, 760, 1280, 640}) {
        window->resize(width, 700);
        window->show();
        window->layout()->activate();
        QCoreApplication::processEvents();
        QCOMPARE(tips->width(), window->width());
        if (!rest)
            rest = window->width() - field->width();
        QCOMPARE(window->width() - field->width(), *rest);
        for (const char* button : {"TT1", "TT2", "EM1"}) {
            auto* item = tips->findChild<QWidget*>(QString::fromLatin1(button));
            QVERIFY2(item && item->isVisible(), button);
            QVERIFY(item->geometry().right() < tips->width());
        }
        QVERIFY(!extension || !extension->isVisible());
    }
    QVERIFY(*rest > 0 && *rest < 200);
}

QTEST_MAIN(TestViewState)
#include "test_viewstate.moc"
