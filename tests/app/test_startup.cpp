#include "Aplikace.h"
#include "AppTestSupport.h"
#include "DatabaseWindows.h"
#include "HelpWindows.h"
#include "ReportWindows.h"
#include "TDataModule1.h"
#include "TGradientText.h"
#include "TIniDialog.h"
#include "TNapovedaDialog.h"
#include "TNovyDialog.h"
#include "TOProgramuDialog.h"
#include "TOtevreniDialog.h"
#include "TPrevDialog.h"
#include "TSpusteniDialog.h"
#include "TTable.h"
#include "TTipyDialog.h"
#include "TVymazatDialog.h"
#include "TipStepper.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void splashWindow();
    void creationFollowsTheTableAndMovesTheBar();
    void everythingIsMadeOnceAndNothingShown();
    void dialogsReachTheirCommands();
    void tipLineStepsWithTheTipsWindow();
    void tipButtonsNeedTheTipsTable_data();
    void tipButtonsNeedTheTipsTable();
    void aboutWindow();
    void tablesPointAtTheDataFolder();
    void mainWindowHoldsTheEndpointForTheRun();
    void openKeysOfAKilledRunAreReleased();

private:
    std::unique_ptr<TestProgramFolder> m_program;
};

void TestStartup::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
}

void TestStartup::cleanup()
{
    m_program.reset();
}

void TestStartup::splashWindow()
{
    TSpusteniDialog splash;
    QCOMPARE(splash.objectName(), QStringLiteral("SpusteniDialog"));
    QCOMPARE(splash.size(), QSize(339, 288));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto* metr = splash.findChild<QProgressBar*>("Metr");
    QVERIFY(metr);
    QCOMPARE(metr->size(), QSize(231, 17));
    QCOMPARE(metr->minimum(), 0);
    QCOMPARE(metr->maximum(), 100);
    QVERIFY(!metr->isTextVisible());
    // The bar at the lower right, the patience text at the lower left.
    QVERIFY(metr->geometry().right() > 339 - 20 && metr->geometry().bottom() > 288 - 20);
    auto* patience = splash.findChild<QLabel*>("Strpeni");
    QCOMPARE(patience->text(), QStringLiteral("Malé strpení, spouštím program"));
    QVERIFY(patience->x() < 20 && patience->y() > 288 / 2);
    QStringList titles;
    for (TGradientText* text : splash.findChildren<TGradientText*>())
        titles << text->text();
    QCOMPARE(titles, (QStringList{"Fonarium 2000", "verze 5.0"}));
    const QImage picture = splash.grab().toImage();
    QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(1, 150), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(3, 150), QColor(255, 255, 224));
    QCOMPARE(picture.pixelColor(338, 287), QColor(Qt::black));
}

void TestStartup::creationFollowsTheTableAndMovesTheBar()
{
    TSpusteniDialog splash;
    auto* metr = splash.findChild<QProgressBar*>("Metr");
    Aplikace aplikace(m_program->folder(), QString());
    QStringList steps;
    connect(metr, &QProgressBar::valueChanged, this,
            [&steps](int value) { steps << QString::number(value); });
    connect(&aplikace, &Aplikace::created, this, [&steps](const QString& name) { steps << name; });
    aplikace.create(&splash);
    QCOMPARE(steps, (QStringList{"3",  "DataModule1",
                                 "6",  "HlavniDialog",
                                 "24", "PomocnikDialog",
                                 "27", "NovyDialog",
                                 "30", "UvitaniDialog",
                                 "33", "NapovedaDialog",
                                 "36", "EditaceDialog",
                                 "39", "ZrusitVolitelnyDialog",
                                 "42", "JmenoDialog",
                                 "45", "DotazJmenoDialog",
                                 "48", "TipyDialog",
                                 "51", "OtevreniDialog",
                                 "54", "DotazOdstranitDialog",
                                 "60", "NajitDialog",
                                 "63", "VymazatDialog",
                                 "66", "IniDialog",
                                 "69", "OProgramuDialog",
                                 "75", "DotazKonecDialog",
                                 "81", "100"}));
    QCOMPARE(splash.progress(), 100);
}

void TestStartup::everythingIsMadeOnceAndNothingShown()
{
    Aplikace aplikace(m_program->folder(), QString());
    aplikace.create(nullptr);
    QStringList windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->objectName().isEmpty() && !qobject_cast<QMenu*>(widget))
            windows << widget->objectName();
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
    windows.sort();
    QCOMPARE(
        windows,
        (QStringList{
            "AbecedaDialog",        "DotazJmenoDialog", "DotazKonecDialog", "DotazOdstranitDialog",
            "DotazVypujckaDialog",  "EditaceDialog",    "HlavniDialog",     "IniDialog",
            "InterpretDialog",      "JmenoDialog",      "NahledDialog",     "NajitDialog",
            "NapovedaDialog",       "NovyDialog",       "OProgramuDialog",  "ObrazekDialog",
            "OtevreniDialog",       "Pomocna1Dialog",   "PomocnaDialog",    "PomocnikDialog",
            "PopiskyDialog",        "PrevDialog",       "TipyDialog",       "UvitaniDialog",
            "VymazatDialog",        "Vysledek1Dialog",  "Vysledek2Dialog",  "VysledekDialog",
            "ZrusitVolitelnyDialog"}));
    QCOMPARE(aplikace.dataModule()->objectName(), QStringLiteral("DataModule1"));
    QCOMPARE(aplikace.hlavni()->dataModule(), aplikace.dataModule());
    QCOMPARE(aplikace.hlavni()->assistant(), aplikace.pomocnik());
}

void TestStartup::dialogsReachTheirCommands()
{
    Aplikace aplikace(m_program->folder(), QString());
    aplikace.create(nullptr);
    TRIGGER(aplikace.hlavni(), "MN5");
    QVERIFY(aplikace.ini()->isVisible());
    QTest::keyClick(aplikace.ini(), Qt::Key_Escape);
    TRIGGER(aplikace.hlavni(), "Oprogramu");
    QVERIFY(aplikace.oProgramu()->isVisible());
    aplikace.oProgramu()->hide();
    TRIGGER(aplikace.hlavni(), "MN4");
    QVERIFY(aplikace.help()->tipyDialog()->isVisible());
    aplikace.help()->tipyDialog()->hide();
    TRIGGER(aplikace.hlavni(), "Napoveda1");
    QVERIFY(aplikace.help()->napovedaDialog()->isVisible());
    aplikace.help()->napovedaDialog()->hide();
    // The picture view stays usable over the main window it disables.
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(m_program->path() + "/obal.bmp"));
    m_program->setKey("Obrazek", "Obrazek", m_program->path() + "/obal.bmp");
    emit aplikace.hlavni()->findChild<QMenu*>("MenuNastroje")->aboutToShow();
    TRIGGER(aplikace.hlavni(), "PP3");
    TPrevDialog* view = aplikace.reports()->prev();
    QVERIFY(view->isVisible());
    QVERIFY(view->isEnabled());
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!view->isVisible());
    QVERIFY(aplikace.hlavni()->isEnabled());
    const QList<QPair<const char*, QWidget*>> databaseDialogs{
        {"MS1", aplikace.databases()->novyDialog()},
        {"MS2", aplikace.databases()->otevreniDialog()},
        {"MN1", aplikace.databases()->vymazatDialog()}};
    for (const auto& [command, dialog] : databaseDialogs) {
        QAction* item = aplikace.hlavni()->action(QString::fromLatin1(command));
        QVERIFY2(item && item->isEnabled(), command);
        item->trigger();
        QVERIFY2(dialog->isVisible(), command);
        dialog->hide();
    }
}

void TestStartup::tipLineStepsWithTheTipsWindow()
{
    Aplikace aplikace(m_program->folder(), QString());
    aplikace.create(nullptr);
    aplikace.help()->tipStepper().open();
    auto* line = aplikace.hlavni()->findChild<QLineEdit*>("TipDne");
    QVERIFY(line);
    const QString first = line->text();
    QVERIFY(!first.isEmpty());
    TRIGGER(aplikace.hlavni(), "TT2");
    QVERIFY(line->text() != first);
    QCOMPARE(line->text(), aplikace.help()->tipStepper().tip().trimmed());
    TRIGGER(aplikace.hlavni(), "TT1");
    QCOMPARE(line->text(), first);
}

void TestStartup::tipButtonsNeedTheTipsTable_data()
{
    QTest::addColumn<bool>("tipsTable");
    QTest::addColumn<QString>("tipsAtStart");
    QTest::newRow("no table, tips window") << false << "1";
    QTest::newRow("no table, no tips window") << false << "0";
    QTest::newRow("table, tips window") << true << "1";
    QTest::newRow("table, no tips window") << true << "0";
}

void TestStartup::tipButtonsNeedTheTipsTable()
{
    QFETCH(bool, tipsTable);
    QFETCH(QString, tipsAtStart);
    if (!tipsTable)
        QVERIFY(
            QFile::remove(ProgramFolder::findFile(m_program->folder().dataFolder(), "TipyA.dbf")));
    QVERIFY(m_program->programIni().writeString("Zobrazit", "Tipy", tipsAtStart));
    Aplikace aplikace(m_program->folder(), QString());
    aplikace.create(nullptr);
    aplikace.hlavni()->show();
    for (const char* name : {"TT1", "TT2"}) {
        QAction* button = aplikace.hlavni()->action(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QVERIFY2(button->isEnabled() == tipsTable, name);
    }
}

void TestStartup::aboutWindow()
{
    TOProgramuDialog about(m_program->path());
    QCOMPARE(about.objectName(), QStringLiteral("OProgramuDialog"));
    QStringList titles;
    for (TGradientText* text : about.findChildren<TGradientText*>())
        titles << text->text();
    QCOMPARE(titles, (QStringList{"Fonarium 2000", "verze 5.0"}));
    about.ukazat();
    QVERIFY(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Return);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void TestStartup::tablesPointAtTheDataFolder()
{
    Aplikace aplikace(m_program->folder(), QString());
    aplikace.create(nullptr);
    for (int number = 1; number <= TDataModule1::kTables; ++number) {
        TTable* table = aplikace.dataModule()->table(number);
        QCOMPARE(table->databaseName(), m_program->folder().dataFolder());
        QVERIFY(!table->isActive());
    }
}

void TestStartup::mainWindowHoldsTheEndpointForTheRun()
{
    const QString endpoint = testEndpoint();
    auto aplikace = std::make_unique<Aplikace>(m_program->folder(), endpoint);
    QVERIFY(!InstanceGuard::isRunning(endpoint));
    aplikace->create(nullptr);
    QVERIFY(InstanceGuard::isRunning(endpoint));
    aplikace.reset();
    QVERIFY(!InstanceGuard::isRunning(endpoint));
}

// Only the copy that holds the endpoint may release them: a second copy that
// lost the claim must leave the keys of the running one alone.
void TestStartup::openKeysOfAKilledRunAreReleased()
{
    const QString endpoint = testEndpoint();
    const IniFile ini = m_program->programIni();
    const auto setKeys = [&ini](int value) {
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY(ini.writeInteger(QStringLiteral("Otevreni"),
                                     QStringLiteral("Databaze%1").arg(slot), value));
    };
    const auto keys = [&ini] {
        QStringList values;
        for (int slot = 1; slot <= 4; ++slot)
            values << ini.readString(QStringLiteral("Otevreni"),
                                     QStringLiteral("Databaze%1").arg(slot));
        return values;
    };
    setKeys(1);
    Aplikace first(m_program->folder(), endpoint);
    first.create(nullptr);
    QCOMPARE(keys(), QStringList({"0", "0", "0", "0"}));
    setKeys(1);
    Aplikace second(m_program->folder(), endpoint);
    second.create(nullptr);
    QCOMPARE(keys(), QStringList({"1", "1", "1", "1"}));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
