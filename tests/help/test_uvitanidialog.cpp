#include "FakeSluzby.h"
#include "HelpFolder.h"
#include "ManualFiles.h"
#include "TOfficeLabel.h"
#include "TUvitaniDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace manualfiles;

class TestUvitaniDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void balloon();
    void leavingStoresTheCheckBox_data();
    void leavingStoresTheCheckBox();
    void storedSettingTicksTheBox();
    void helpListClosesAndAsksForTheList();
    void manualLabelNeedsBothFiles_data();
    void manualLabelNeedsBothFiles();
    void manualLabelStartsTheManualAndStays();
    void placedByWhoOpensIt_data();
    void placedByWhoOpensIt();
    void indicatorsWhileShown_data();
    void indicatorsWhileShown();

private:
    template <typename T> T* child(const QString& name) const;
    void clickOffice(const QString& name) const;
    QCheckBox* box() const { return child<QCheckBox>(QStringLiteral("CheckBox1")); }

    std::unique_ptr<HelpFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<TUvitaniDialog> m_dialog;
};

void TestUvitaniDialog::init()
{
    m_folder = std::make_unique<HelpFolder>();
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_dialog = std::make_unique<TUvitaniDialog>(*m_sluzby);
}

void TestUvitaniDialog::cleanup()
{
    m_dialog.reset();
    m_sluzby.reset();
    m_folder.reset();
}

template <typename T> T* TestUvitaniDialog::child(const QString& name) const
{
    return m_dialog->findChild<T*>(name);
}

void TestUvitaniDialog::clickOffice(const QString& name) const
{
    auto* label = child<TOfficeLabel>(name);
    QVERIFY2(label, qPrintable(name));
    QVERIFY2(label->isEnabled(), qPrintable(name));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(8, 8));
}

void TestUvitaniDialog::balloon()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("UvitaniDialog"));
    QCOMPARE(m_dialog->size(), QSize(389, 140));
    QCOMPARE(m_dialog->toolTip(), QStringLiteral("Uvítací dialog"));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!m_dialog->mask().contains(QPoint(0, 0)));
    QVERIFY(m_dialog->mask().contains(QPoint(389 - 18, 137)));
    QCOMPARE(child<QLabel>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Pomocník Korvex je připraven poradit Vám v nesnázích."));
    QCOMPARE(child<QLabel>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Stačí si pouze vybrat, jakou pomoc potřebujete."));
    const QStringList captions = {
        QStringLiteral("Zobrazit úplný seznam témat nápovědy programu Fonarium 2000"),
        QStringLiteral("Spustit elektronický manuál programu Fonarium 2000"),
        QStringLiteral("Začít pracovat s programem Fonarium 2000")};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(child<TOfficeLabel>(QStringLiteral("OfficeLabel%1").arg(i + 1))->caption(),
                 captions.at(i));
    QCOMPARE(box()->text(), QStringLiteral("Zobrazit tento dialog při každém spuštění programu"));
}

void TestUvitaniDialog::leavingStoresTheCheckBox_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("stored");

    QTest::newRow("box cleared, Enter") << "enter" << false << "0";
    QTest::newRow("box cleared, keypad Enter") << "keypad" << false << "0";
    QTest::newRow("box cleared, Esc") << "escape" << false << "0";
    QTest::newRow("box ticked, Začít pracovat") << "work" << true << "1";
    QTest::newRow("box cleared, Začít pracovat") << "work" << false << "0";
}

void TestUvitaniDialog::leavingStoresTheCheckBox()
{
    QFETCH(QString, way);
    QFETCH(bool, checked);
    QFETCH(QString, stored);
    m_folder->writeSuite(QStringLiteral("Uvitani"), QStringLiteral("1"));
    m_dialog->showFromFigure();
    QVERIFY(box()->isChecked());
    if (!checked)
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(6, box()->height() / 2));
    QCOMPARE(box()->isChecked(), checked);

    m_dialog->setFocus();
    if (way == QStringLiteral("enter"))
        QTest::keyClick(m_dialog.get(), Qt::Key_Return);
    else if (way == QStringLiteral("keypad"))
        QTest::keyClick(m_dialog.get(), Qt::Key_Enter, Qt::KeypadModifier);
    else if (way == QStringLiteral("escape"))
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    else
        clickOffice(QStringLiteral("OfficeLabel3"));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_folder->readSuite(QStringLiteral("Uvitani")), stored);
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(m_sluzby->assistantEnabled);
}

void TestUvitaniDialog::storedSettingTicksTheBox()
{
    m_folder->writeSuite(QStringLiteral("Uvitani"), QStringLiteral("0"));
    m_dialog->showFromFigure();
    QVERIFY(!box()->isChecked());
    m_dialog->close();
    m_folder->writeSuite(QStringLiteral("Uvitani"), QStringLiteral("1"));
    m_dialog->showFromFigure();
    QVERIFY(box()->isChecked());
}

void TestUvitaniDialog::helpListClosesAndAsksForTheList()
{
    m_folder->writeSuite(QStringLiteral("Uvitani"), QStringLiteral("1"));
    QSignalSpy asked(m_dialog.get(), &TUvitaniDialog::helpListRequested);
    m_dialog->showFromFigure();
    QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(6, box()->height() / 2));
    clickOffice(QStringLiteral("OfficeLabel1"));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(asked.size(), 1);
    QCOMPARE(m_folder->readSuite(QStringLiteral("Uvitani")), QStringLiteral("0"));
}

void TestUvitaniDialog::manualLabelNeedsBothFiles_data()
{
    QTest::addColumn<bool>("launcher");
    QTest::addColumn<bool>("page");
    QTest::newRow("only the page") << false << true;
    QTest::newRow("only the launcher") << true << false;
    QTest::newRow("both") << true << true;
}

void TestUvitaniDialog::manualLabelNeedsBothFiles()
{
    QFETCH(bool, launcher);
    QFETCH(bool, page);
    if (launcher)
        addLauncher(m_folder->path(), QStringLiteral("ManualKorvex.exe"));
    if (page)
        addPage(m_folder->path(), QStringLiteral("Html/Fonarium2000/Index.htm"));
    m_dialog->showFromFigure();
    auto* manual = child<TOfficeLabel>(QStringLiteral("OfficeLabel2"));
    QCOMPARE(manual->isEnabled(), launcher && page);
    QCOMPARE(manual->toolTip(), QStringLiteral("Spustí elektronický manuál pro Fonarium 2000"));
}

void TestUvitaniDialog::manualLabelStartsTheManualAndStays()
{
    addLauncher(m_folder->path(), QStringLiteral("ManualKorvex"));
    addPage(m_folder->path(), QStringLiteral("Html/Fonarium2000/Index.htm"));
    m_dialog->showFromFigure();
    clickOffice(QStringLiteral("OfficeLabel2"));
    QVERIFY(m_dialog->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(launchedReport(m_folder->path())), 10000);
}

void TestUvitaniDialog::placedByWhoOpensIt_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::newRow("figure double click") << false;
    QTest::newRow("start-up") << true;
}

void TestUvitaniDialog::placedByWhoOpensIt()
{
    QFETCH(bool, atStart);
    // The figure dragged to the top left leaves no room above it.
    m_sluzby->figure = QPoint(20, 20);
    m_folder->writeSuite(QStringLiteral("Uvitani"), QStringLiteral("0"));
    if (atStart)
        m_dialog->showAtStart();
    else
        m_dialog->showFromFigure();

    QCOMPARE(m_sluzby->rules.size(), 1);
    QVERIFY(FakeSluzby::sameRule(m_sluzby->rules.first(),
                                 atStart ? BalloonRule::welcomeAtStart() : BalloonRule::welcome()));
    QCOMPARE(m_sluzby->figure, QPoint(1280 - 104 - 12, 1024 - 104 - 30));
    QCOMPARE(m_dialog->pos(),
             QPoint(m_sluzby->figure.x() + 104 - 389 - 38, m_sluzby->figure.y() - 140 + 30));
    // At start-up the box is ticked whatever was stored, and the figure comes out.
    QCOMPARE(box()->isChecked(), atStart);
    QCOMPARE(m_sluzby->assistantShown, atStart);
}

void TestUvitaniDialog::indicatorsWhileShown_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("database window active") << 2;
    QTest::newRow("no database window") << 0;
}

void TestUvitaniDialog::indicatorsWhileShown()
{
    QFETCH(int, slot);
    m_sluzby->slot = slot;
    if (slot != 0)
        m_sluzby->indicators.insert(QStringLiteral("SBO10"));
    m_dialog->showFromFigure();
    QVERIFY(m_sluzby->isIndicatorVisible(QStringLiteral("SBO8")));
    QVERIFY(!m_sluzby->isIndicatorVisible(QStringLiteral("SBO10")));
    QVERIFY(!m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->assistantEnabled);
    m_dialog->close();
    QVERIFY(!m_sluzby->isIndicatorVisible(QStringLiteral("SBO8")));
    QCOMPARE(m_sluzby->isIndicatorVisible(QStringLiteral("SBO10")), slot != 0);
}

QTEST_MAIN(TestUvitaniDialog)
#include "test_uvitanidialog.moc"
