#include "FakeSluzby.h"
#include "HelpFolder.h"
#include "TDataModule1.h"
#include "TOfficeButton.h"
#include "TTipyDialog.h"
#include "TipStepper.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
const QString kZobrazit = QStringLiteral("Zobrazit");
const QString kKontrola = QStringLiteral("Kontrola");
const QString kTipy = QStringLiteral("Tipy");
} // namespace

class TestTipyDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void stepsMoveTheSharedStepper();
    void toolbarStepsShowInTheWindow();
    void tipsShowWhole_data();
    void tipsShowWhole();
    void missingTipsTableDisablesTheButtons();
    void tipsTableBackEnablesTheButtons();
    void checkBoxFollowsTheSetting_data();
    void checkBoxFollowsTheSetting();
    void mainWindowAndFigureWaitWhileShown_data();
    void mainWindowAndFigureWaitWhileShown();
    void onlyTheFirstClosingCarriesOn();
    void escapeReachesItBehindTheMainWindow();

private:
    template <typename T> T* child(const QString& name) const;
    void click(const QString& button) const;

    std::unique_ptr<HelpFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<TipStepper> m_stepper;
    std::unique_ptr<TTipyDialog> m_dialog;
};

void TestTipyDialog::init()
{
    m_folder = std::make_unique<HelpFolder>();
    m_folder->replaceTips(3);
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_stepper = std::make_unique<TipStepper>(m_sluzby->dataModule()->table(6));
    m_dialog = std::make_unique<TTipyDialog>(*m_sluzby, *m_stepper);
}

void TestTipyDialog::cleanup()
{
    m_dialog.reset();
    m_stepper.reset();
    m_sluzby.reset();
    m_folder.reset();
}

template <typename T> T* TestTipyDialog::child(const QString& name) const
{
    return m_dialog->findChild<T*>(name);
}

void TestTipyDialog::click(const QString& name) const
{
    auto* button = child<TOfficeButton>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestTipyDialog::window()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("TipyDialog"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Vítejte"));
    QCOMPARE(m_dialog->size(), QSize(374, 188));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    m_dialog->show();
    const QRect screen = m_dialog->screen()->availableGeometry();
    QVERIFY(qAbs(m_dialog->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(m_dialog->geometry().center().y() - screen.center().y()) <= 1);

    QCOMPARE(child<TOfficeButton>(QStringLiteral("PredchoziButton"))->caption(),
             QStringLiteral("Předchozí tip"));
    QCOMPARE(child<TOfficeButton>(QStringLiteral("DalsiButton"))->toolTip(),
             QStringLiteral("Zobrazí následující tip dne"));
    QCOMPARE(child<TOfficeButton>(QStringLiteral("ZavritButton"))->caption(),
             QStringLiteral("Zavřít"));
    QCOMPARE(child<QCheckBox>(QStringLiteral("CheckBox1"))->text(),
             QStringLiteral("Zobrazovat tento dialog při každém spuštění"));
    auto* tip = child<QLabel>(QStringLiteral("DBText1"));
    QCOMPARE(tip->text(), HelpFolder::tipText(1));
    QVERIFY(tip->wordWrap());
    QVERIFY(tip->isVisible());
}

void TestTipyDialog::stepsMoveTheSharedStepper()
{
    // The toolbar's tip line, as the main window binds it.
    QLabel toolbarLine;
    connect(m_stepper.get(), &TipStepper::tipChanged, &toolbarLine, &QLabel::setText);
    m_dialog->show();

    const QList<int> expected{2, 3, 3, 1};
    for (int number : expected) {
        click(QStringLiteral("DalsiButton"));
        QCOMPARE(m_stepper->row(), number - 1);
        QCOMPARE(child<QLabel>(QStringLiteral("DBText1"))->text(), HelpFolder::tipText(number));
        QCOMPARE(toolbarLine.text(), HelpFolder::tipText(number));
    }
    click(QStringLiteral("PredchoziButton"));
    QCOMPARE(toolbarLine.text(), HelpFolder::tipText(3));
}

void TestTipyDialog::toolbarStepsShowInTheWindow()
{
    m_dialog->show();
    m_stepper->previous();
    QCOMPARE(child<QLabel>(QStringLiteral("DBText1"))->text(), HelpFolder::tipText(3));
    m_dialog->close();
    m_stepper->next();
    m_dialog->show();
    QCOMPARE(child<QLabel>(QStringLiteral("DBText1"))->text(), HelpFolder::tipText(1));
}

void TestTipyDialog::tipsShowWhole_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("short tip") << 40;
    QTest::newRow("longest tip the table holds") << 254;
}

void TestTipyDialog::tipsShowWhole()
{
    QFETCH(int, length);
    QString tip;
    while (tip.size() < length)
        tip += QStringLiteral("Každý nosič má své číslo ");
    tip = tip.left(length).trimmed();
    TTable table;
    table.setDatabaseName(m_folder->folder().dataFolder());
    table.setTableName(QStringLiteral("TipyA.dbf"));
    QVERIFY(table.open());
    QVERIFY(table.edit());
    QVERIFY(table.setFieldText(QStringLiteral("TIPDNE"), tip));
    QVERIFY(table.post());
    table.close();

    m_dialog->show();
    const auto* shown = child<QLabel>(QStringLiteral("DBText1"));
    QCOMPARE(shown->text(), tip);
    const QRect needed = QFontMetrics(shown->font())
                             .boundingRect(QRect(QPoint(), shown->size()),
                                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, tip);
    QVERIFY2(needed.height() <= shown->height(), qPrintable(QString::number(needed.height())));
    QVERIFY(shown->font().pixelSize() >= 10);
    if (length < 100)
        QCOMPARE(shown->font().pixelSize(), 13);
}

void TestTipyDialog::missingTipsTableDisablesTheButtons()
{
    m_folder->removeTips();
    m_dialog->show();
    QVERIFY(!child<TOfficeButton>(QStringLiteral("PredchoziButton"))->isEnabled());
    QVERIFY(!child<TOfficeButton>(QStringLiteral("DalsiButton"))->isEnabled());
    QVERIFY(child<TOfficeButton>(QStringLiteral("ZavritButton"))->isEnabled());
    auto* error = child<QLabel>(QStringLiteral("Label5"));
    QVERIFY(error->isVisible());
    QCOMPARE(error->text(),
             QStringLiteral("Databáze tipů pro tuto aplikaci je porušena, nebo není "
                            "nainstalována. Z tohoto důvodu nemohou být tipy dne zobrazeny."));
    QVERIFY(!child<QLabel>(QStringLiteral("DBText1"))->isVisible());
    QVERIFY(!m_stepper->isAvailable());
}

void TestTipyDialog::tipsTableBackEnablesTheButtons()
{
    m_folder->removeTips();
    m_dialog->show();
    m_dialog->close();
    m_folder->replaceTips(2);
    m_dialog->show();
    QVERIFY(child<TOfficeButton>(QStringLiteral("DalsiButton"))->isEnabled());
    QVERIFY(!child<QLabel>(QStringLiteral("Label5"))->isVisible());
    QCOMPARE(child<QLabel>(QStringLiteral("DBText1"))->text(), HelpFolder::tipText(1));
}

void TestTipyDialog::checkBoxFollowsTheSetting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("written");
    QTest::newRow("on, kept") << "1" << true << "1";
    QTest::newRow("on, switched off") << "1" << false << "0";
    QTest::newRow("off, switched on") << "0" << true << "1";
    QTest::newRow("off, kept") << "0" << false << "0";
}

void TestTipyDialog::checkBoxFollowsTheSetting()
{
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    QFETCH(QString, written);
    m_folder->writeProgram(kZobrazit, kTipy, stored);
    m_dialog->show();
    auto* box = child<QCheckBox>(QStringLiteral("CheckBox1"));
    QCOMPARE(box->isChecked(), stored == QStringLiteral("1"));
    if (box->isChecked() != checked)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(box->isChecked(), checked);
    click(QStringLiteral("ZavritButton"));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_folder->readProgram(kZobrazit, kTipy), written);
}

void TestTipyDialog::mainWindowAndFigureWaitWhileShown_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Zavřít") << false;
    QTest::newRow("Esc") << true;
}

void TestTipyDialog::mainWindowAndFigureWaitWhileShown()
{
    QFETCH(bool, byEscape);
    m_dialog->show();
    QVERIFY(!m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->assistantEnabled);
    if (byEscape) {
        m_dialog->setFocus();
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    } else {
        click(QStringLiteral("ZavritButton"));
    }
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(m_sluzby->assistantEnabled);
    QCOMPARE(m_folder->readProgram(kKontrola, kTipy), QStringLiteral("1"));
}

void TestTipyDialog::onlyTheFirstClosingCarriesOn()
{
    m_folder->writeSuite(QStringLiteral("Pomocnik"), QStringLiteral("1"));
    m_folder->writeSuite(QStringLiteral("Uvitani"), QStringLiteral("1"));
    m_folder->writeProgram(kKontrola, kTipy, QStringLiteral("0"));
    QSignalSpy welcome(m_dialog.get(), &TTipyDialog::welcomeRequested);

    m_dialog->show();
    QVERIFY(!m_sluzby->assistantShown);
    m_dialog->close();
    QCOMPARE(welcome.size(), 1);
    QVERIFY(m_sluzby->assistantShown);

    m_sluzby->assistantShown = false;
    m_dialog->show();
    m_dialog->close();
    QCOMPARE(welcome.size(), 1);
    QVERIFY(!m_sluzby->assistantShown);
}

// At start-up the main window appears after the tips and takes the focus,
// though it is disabled while the tips are up.
void TestTipyDialog::escapeReachesItBehindTheMainWindow()
{
    QWidget mainWindow;
    mainWindow.show();
    m_dialog->show();
    QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());
    mainWindow.setEnabled(false);
    mainWindow.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus && (focus == m_dialog.get() || m_dialog->isAncestorOf(focus)));
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
}

QTEST_MAIN(TestTipyDialog)
#include "test_tipydialog.moc"
