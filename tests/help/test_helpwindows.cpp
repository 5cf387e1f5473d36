#include "FakeSluzby.h"
#include "HelpFolder.h"
#include "HelpWindows.h"
#include "ManualFiles.h"
#include "TNapovedaDialog.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TPomocnikDialog.h"
#include "TTipyDialog.h"
#include "TUvitaniDialog.h"
#include "TipStepper.h"

#include <QCheckBox>
#include <QTest>

#include <memory>

namespace {
const QString kZobrazit = QStringLiteral("Zobrazit");
const QString kKontrola = QStringLiteral("Kontrola");
const QString kTipy = QStringLiteral("Tipy");
} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUp_data();
    void startUp();
    void firstClosingOfTheTips_data();
    void firstClosingOfTheTips();
    void tipsFromTheMenuAgainBringNoWelcome();
    void startUpOpensTheTipsForTheToolbar_data();
    void startUpOpensTheTipsForTheToolbar();
    void welcomeLeadsToTheTopicList();
    void figureDoubleClickOpensTheWelcome();
    void manualCommand();

private:
    void settings(const QString& tipy, const QString& pomocnik, const QString& uvitani) const;
    bool visible(QWidget* window) const { return window && window->isVisible(); }

    std::unique_ptr<HelpFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<HelpWindows> m_help;
};

void TestHelpWindows::init()
{
    m_folder = std::make_unique<HelpFolder>();
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_help = std::make_unique<HelpWindows>(*m_sluzby);
    m_help->createAll();
}

void TestHelpWindows::cleanup()
{
    m_help.reset();
    m_sluzby.reset();
    m_folder.reset();
}

void TestHelpWindows::settings(const QString& tipy, const QString& pomocnik,
                               const QString& uvitani) const
{
    m_folder->writeProgram(kZobrazit, kTipy, tipy);
    m_folder->writeSuite(QStringLiteral("Pomocnik"), pomocnik);
    m_folder->writeSuite(QStringLiteral("Uvitani"), uvitani);
}

void TestHelpWindows::startUp_data()
{
    QTest::addColumn<QString>("tipy");
    QTest::addColumn<QString>("pomocnik");
    QTest::addColumn<QString>("uvitani");
    QTest::addColumn<bool>("tips");
    QTest::addColumn<bool>("welcome");
    QTest::addColumn<bool>("figure");

    QTest::newRow("tips window on") << "1"
                                    << "1"
                                    << "1" << true << false << false;
    QTest::newRow("tips off: welcome and figure") << "0"
                                                  << "1"
                                                  << "1" << false << true << true;
    QTest::newRow("tips off, welcome off: only the figure") << "0"
                                                            << "1"
                                                            << "0" << false << false << true;
    QTest::newRow("tips off, figure closed: nothing") << "0"
                                                      << "0"
                                                      << "1" << false << false << false;
}

void TestHelpWindows::startUp()
{
    QFETCH(QString, tipy);
    QFETCH(QString, pomocnik);
    QFETCH(QString, uvitani);
    QFETCH(bool, tips);
    QFETCH(bool, welcome);
    QFETCH(bool, figure);
    settings(tipy, pomocnik, uvitani);

    m_help->presentAtStart();
    QCOMPARE(visible(m_help->tipyDialog()), tips);
    QCOMPARE(visible(m_help->uvitaniDialog()), welcome);
    QCOMPARE(m_sluzby->assistantShown, figure);
    if (welcome) {
        // The welcome balloon of the start-up makes room without hiding the figure.
        QVERIFY(FakeSluzby::sameRule(m_sluzby->rules.last(), BalloonRule::welcomeAtStart()));
        QVERIFY(m_help->uvitaniDialog()
                    ->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))
                    ->isChecked());
    }
    QCOMPARE(m_sluzby->mainEnabled, !tips && !welcome);
}

void TestHelpWindows::firstClosingOfTheTips_data()
{
    QTest::addColumn<QString>("pomocnik");
    QTest::addColumn<QString>("uvitani");
    QTest::addColumn<bool>("welcome");

    QTest::newRow("figure and welcome on") << "1"
                                           << "1" << true;
    QTest::newRow("figure closed last time: the figure alone") << "0"
                                                               << "1" << false;
    QTest::newRow("welcome off: the figure alone") << "1"
                                                   << "0" << false;
}

void TestHelpWindows::firstClosingOfTheTips()
{
    QFETCH(QString, pomocnik);
    QFETCH(QString, uvitani);
    QFETCH(bool, welcome);
    settings(QStringLiteral("1"), pomocnik, uvitani);
    m_help->presentAtStart();
    QVERIFY(!m_sluzby->assistantShown);

    m_help->tipyDialog()->close();
    QCOMPARE(visible(m_help->uvitaniDialog()), welcome);
    QVERIFY(m_sluzby->assistantShown);
    QCOMPARE(m_sluzby->mainEnabled, !welcome);
    QCOMPARE(m_folder->readProgram(kKontrola, kTipy), QStringLiteral("1"));
}

void TestHelpWindows::tipsFromTheMenuAgainBringNoWelcome()
{
    settings(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"));
    m_help->presentAtStart();
    m_help->tipyDialog()->close();
    QVERIFY(visible(m_help->uvitaniDialog()));
    m_help->uvitaniDialog()->close();
    QVERIFY(!visible(m_help->uvitaniDialog()));

    m_sluzby->assistantShown = false;
    m_help->showTips();
    QVERIFY(visible(m_help->tipyDialog()));
    QVERIFY(!m_sluzby->mainEnabled);
    m_help->tipyDialog()->close();
    QVERIFY(!visible(m_help->uvitaniDialog()));
    QVERIFY(!m_sluzby->assistantShown);
    QVERIFY(m_sluzby->mainEnabled);
}

void TestHelpWindows::startUpOpensTheTipsForTheToolbar_data()
{
    QTest::addColumn<bool>("tipsThere");
    QTest::newRow("tips table there") << true;
    QTest::newRow("tips table missing") << false;
}

void TestHelpWindows::startUpOpensTheTipsForTheToolbar()
{
    QFETCH(bool, tipsThere);
    m_folder->replaceTips(3);
    if (!tipsThere)
        m_folder->removeTips();
    settings(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    m_help->presentAtStart();
    TipStepper& stepper = m_help->tipStepper();
    QCOMPARE(stepper.isAvailable(), tipsThere);
    QCOMPARE(stepper.tip(), tipsThere ? HelpFolder::tipText(1) : QString());
    // The toolbar's previous button right after start-up jumps to the last tip.
    stepper.previous();
    QCOMPARE(stepper.tip(), tipsThere ? HelpFolder::tipText(3) : QString());
}

void TestHelpWindows::welcomeLeadsToTheTopicList()
{
    m_sluzby->slot = 1;
    m_help->showWelcomeFromFigure();
    auto* list = m_help->uvitaniDialog()->findChild<TOfficeLabel*>(QStringLiteral("OfficeLabel1"));
    QVERIFY(list && list->isEnabled());
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!visible(m_help->uvitaniDialog()));
    TNapovedaDialog* napoveda = m_help->napovedaDialog();
    QVERIFY(visible(napoveda));
    // The list, even with a database window active.
    QVERIFY(napoveda->isListMode());
    QVERIFY(FakeSluzby::sameRule(m_sluzby->rules.last(), BalloonRule::help()));
    QVERIFY(!m_sluzby->mainEnabled);
}

void TestHelpWindows::figureDoubleClickOpensTheWelcome()
{
    TPomocnikDialog figure(m_folder->path());
    connect(&figure, &TPomocnikDialog::doubleClicked, m_help.get(),
            &HelpWindows::showWelcomeFromFigure);
    figure.show();
    QTest::mouseDClick(&figure, Qt::LeftButton, {}, QPoint(52, 52));
    QVERIFY(visible(m_help->uvitaniDialog()));
    QVERIFY(FakeSluzby::sameRule(m_sluzby->rules.last(), BalloonRule::welcome()));
}

void TestHelpWindows::manualCommand()
{
    QVERIFY(!m_help->isManualInstalled());
    QVERIFY(!m_help->startManual());
    manualfiles::addLauncher(m_folder->path(), QStringLiteral("ManualKorvex.exe"));
    manualfiles::addPage(m_folder->path(), QStringLiteral("Html/Fonarium2000/Index.htm"));
    QVERIFY(m_help->isManualInstalled());
    QVERIFY(m_help->startManual());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(manualfiles::launchedReport(m_folder->path())),
                             10000);
}

QTEST_MAIN(TestHelpWindows)
#include "test_helpwindows.moc"
