#include "Aplikace.h"
#include "AppTestSupport.h"
#include "DatabaseFolder.h"
#include "DatabaseWindows.h"
#include "OptionalDatabases.h"
#include "StandInPane.h"
#include "TDatabazeDialog.h"
#include "TDokumenty.h"
#include "TDotazKonecDialog.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TOtevreniDialog.h"
#include "TStavovyRadek.h"
#include "TTable.h"
#include "TVolba.h"
#include "TZaznamEditor.h"
#include "TZpravaDialog.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// What the opening progress window shows while it is up.
class ProgressWatch final : public QObject
{
public:
    ProgressWatch(THlavniDialog* main) : m_main(main) { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }

    QList<int> values;
    QString text;
    bool mainDisabled = false;
    bool indicatorShown = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show &&
            watched->objectName() == QLatin1String("InfoOtevritDialog")) {
            auto* window = static_cast<QWidget*>(watched);
            text = window->findChild<QLabel*>("Label2")->text();
            mainDisabled = !m_main->isEnabled();
            indicatorShown = m_main->isIndicatorVisible("SBO3");
            connect(window->findChild<QProgressBar*>("Indikator"), &QProgressBar::valueChanged,
                    this, [this](int value) { values << value; });
        }
        return false;
    }

private:
    THlavniDialog* m_main;
};

// A stand-in for the record editor while a record is edited.
StandInPane* editingStandIn()
{
    return new StandInPane(true);
}

const QString kStandard = QStringLiteral("Standardní databáze programu Fonarium");

} // namespace

class TestDatabazeDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openingTheStandardDatabase();
    void openingShowsItsProgress();
    void optionalWindowsAreNamedByTheChooser_data();
    void optionalWindowsAreNamedByTheChooser();
    void closingOneLeavesTheOther();
    void closingTheLastWindow();
    void saveQuestion_data();
    void saveQuestion();
    void newRecordIsDiscardedByNe();
    void recordEditorAnswersTheQuestion_data();
    void recordEditorAnswersTheQuestion();
    void trackThatIsNoLengthStopsTheAnswer();
    void editorStoresTheRecordForTheQuestion();
    void refusedRecordKeepsItsWindow();
    void editorBringsItsRecordMenu();
    void exitWaitsForTheAnswer_data();
    void exitWaitsForTheAnswer();
    void loanCardShutsTheRecordCommands();
    void tableThatDoesNotOpen();
    void damageIsToldAtEachOpening_data();
    void damageIsToldAtEachOpening();
    void entryWithoutName();
    void clearingOnlyWhileTheStandardIsClosed();

private:
    THlavniDialog* main() const { return m_aplikace->hlavni(); }
    TDatabazeDialog* window(int slot) const
    {
        return qobject_cast<TDatabazeDialog*>(main()->documentWindow(slot));
    }
    TDatabazeDialog* open(int slot);
    void createOptional(int k, const QString& name) const;
    void editFirstRecord(TDatabazeDialog* window, const QString& title);
    QAction* windowItem(int slot) const
    {
        return main()->action(QStringLiteral("o%1").arg(slot) + QLatin1Char('1'));
    }

    std::unique_ptr<DatabaseFolder> m_folder;
    std::unique_ptr<Aplikace> m_aplikace;
};

void TestDatabazeDialog::init()
{
    m_folder = std::make_unique<DatabaseFolder>();
    QVERIFY(m_folder->isValid());
    m_aplikace = std::make_unique<Aplikace>(m_folder->folder(), QString());
    m_aplikace->create(nullptr);
    main()->resize(1100, 800);
    main()->show();
}

void TestDatabazeDialog::cleanup()
{
    m_aplikace.reset();
    m_folder.reset();
}

TDatabazeDialog* TestDatabazeDialog::open(int slot)
{
    QAction* command = main()->action("MS2");
    if (!command || !command->isEnabled())
        return nullptr;
    command->trigger();
    TOtevreniDialog* chooser = m_aplikace->databases()->otevreniDialog();
    if (!chooser->isVisible() || !chooser->entry(slot)->label()->isEnabled())
        return nullptr;
    chooser->entry(slot)->label()->click();
    QCoreApplication::processEvents();
    return window(slot);
}

void TestDatabazeDialog::createOptional(int k, const QString& name) const
{
    QVERIFY(OptionalDatabases(m_folder->folder()).create(k, name));
}

void TestDatabazeDialog::editFirstRecord(TDatabazeDialog* window, const QString& title)
{
    window->setEditor(editingStandIn());
    TTable* table = window->table();
    QVERIFY(table->edit());
    QVERIFY(table->setFieldText("NAZEV", title));
    QVERIFY(window->isRecordEditing());
}

void TestDatabazeDialog::openingTheStandardDatabase()
{
    m_folder->addCarriers("AudioS.dbf", {"První", "Druhá", "Třetí"});
    TDatabazeDialog* opened = open(1);
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), QStringLiteral("Databaze1Dialog"));
    QCOMPARE(opened->windowTitle(), QStringLiteral("Standardní databáze"));
    QCOMPARE(opened->databaseName(), kStandard);
    QVERIFY(opened->isVisible());
    QCOMPARE(opened->widget()->size(), QSize(517, 419));
    QCOMPARE(main()->dokumenty()->currentSubWindow(), opened);
    QCOMPARE(m_folder->key("Otevreni", "Databaze1"), QStringLiteral("1"));
    QVERIFY(opened->table()->isActive());
    QCOMPARE(opened->table()->recNo(), 0);
    // The record editor fills the window and shows the first record.
    auto* title = opened->findChild<QLineEdit*>("J1");
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("První"));
    QVERIFY(opened->findChild<QMenu*>("PopupMenu1"));
    QVERIFY(opened->findChild<QMenu*>("PopupMenu2"));
    QCOMPARE(opened->currentPopupMenu(), opened->popupMenu1());

    QTRY_VERIFY(windowItem(1)->isVisible());
    QCOMPARE(windowItem(1)->text(), kStandard);
    QVERIFY(windowItem(1)->isChecked());
    QVERIFY(main()->isIndicatorVisible("SBD1"));
    QVERIFY(main()->isIndicatorVisible("SBO10"));
    QVERIFY(!main()->isIndicatorVisible("SBO3"));
    QVERIFY(main()->isEnabled());
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(top->objectName() != QLatin1String("InfoOtevritDialog") || !top->isVisible());
    // Open now, so the chooser does not offer it again.
    TRIGGER(main(), "MS2");
    QVERIFY(m_aplikace->databases()->otevreniDialog()->entry(1)->isStruck());
}

void TestDatabazeDialog::openingShowsItsProgress()
{
    createOptional(1, QStringLiteral("Jazzové desky"));
    ProgressWatch watch(main());
    QVERIFY(open(2));
    QCOMPARE(watch.values, (QList<int>{14, 28, 42, 56, 70, 84, 100}));
    QCOMPARE(watch.text, QStringLiteral("Jazzové desky"));
    QVERIFY(watch.mainDisabled);
    QVERIFY(watch.indicatorShown);
    QVERIFY(main()->isEnabled());
    QVERIFY(!main()->isIndicatorVisible("SBO3"));
}

void TestDatabazeDialog::optionalWindowsAreNamedByTheChooser_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("optional 1") << 2;
    QTest::newRow("optional 2") << 3;
    QTest::newRow("optional 3") << 4;
}

void TestDatabazeDialog::optionalWindowsAreNamedByTheChooser()
{
    QFETCH(int, slot);
    const QString name = QStringLiteral("Sbírka %1").arg(slot - 1);
    createOptional(slot - 1, name);
    TDatabazeDialog* opened = open(slot);
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), QStringLiteral("Databaze%1Dialog").arg(slot));
    QCOMPARE(opened->windowTitle(), name);
    QCOMPARE(opened->table(), m_aplikace->dataModule()->table(slot));
    QCOMPARE(m_folder->key("Otevreni", QStringLiteral("Databaze%1").arg(slot)), "1");
    QTRY_VERIFY(windowItem(slot)->isVisible());
    QCOMPARE(windowItem(slot)->text(), name);
    QVERIFY(main()->isIndicatorVisible(QStringLiteral("SBD%1").arg(slot)));
    QCOMPARE(main()->stavovyRadek()->panelText(3), QStringLiteral("      ") + name);
}

void TestDatabazeDialog::closingOneLeavesTheOther()
{
    createOptional(2, QStringLiteral("Kazety"));
    TDatabazeDialog* standard = open(1);
    TDatabazeDialog* kazety = open(3);
    QVERIFY(standard && kazety);
    QTRY_VERIFY(windowItem(3)->isVisible());
    QVERIFY(kazety->close());
    QTRY_VERIFY(!windowItem(3)->isVisible());
    QVERIFY(!window(3));
    QCOMPARE(window(1), standard);
    QVERIFY(windowItem(1)->isVisible());
    QCOMPARE(windowItem(1)->text(), kStandard);
    QCOMPARE(m_folder->key("Otevreni", "Databaze3"), QStringLiteral("0"));
    QCOMPARE(m_folder->key("Otevreni", "Databaze1"), QStringLiteral("1"));
    QVERIFY(!m_aplikace->dataModule()->table(3)->isActive());
    QVERIFY(m_aplikace->dataModule()->table(1)->isActive());
    for (const char* command : {"MS4", "MS5", "TS3", "OS4", "MU1", "MU9", "TD1", "TD10", "UD6"})
        QVERIFY2(!main()->action(command)->isEnabled(), command);
    TRIGGER(main(), "MS2");
    QVERIFY(!m_aplikace->databases()->otevreniDialog()->entry(3)->isStruck());
}

void TestDatabazeDialog::closingTheLastWindow()
{
    createOptional(3, QStringLiteral("Poslední"));
    TDatabazeDialog* opened = open(4);
    QVERIFY(opened);
    QTRY_VERIFY(windowItem(4)->isVisible());
    QVERIFY(main()->isIndicatorVisible("SBD4"));
    TRIGGER(main(), "MS3");
    QTRY_VERIFY(!window(4));
    QTRY_VERIFY(!windowItem(4)->isVisible());
    QVERIFY(!main()->isIndicatorVisible("SBD4"));
    QVERIFY(!main()->isIndicatorVisible("SBO10"));
    QVERIFY(main()->stavovyRadek()->panelText(3).isEmpty());
    QVERIFY(!main()->findChild<QAction*>("OknaOddelovac")->isVisible());
    QCOMPARE(m_folder->key("Otevreni", "Databaze4"), QStringLiteral("0"));
}

void TestDatabazeDialog::saveQuestion_data()
{
    QTest::addColumn<int>("answer"); // 0 the button, else the key
    QTest::addColumn<bool>("saved");
    QTest::newRow("Ano") << 0 << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Ne") << 0 << false;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
}

void TestDatabazeDialog::saveQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, saved);
    createOptional(1, QStringLiteral("Rock"));
    m_folder->addCarriers("Audio1.dbf", {"Původní"});
    TDatabazeDialog* opened = open(2);
    QVERIFY(opened);
    editFirstRecord(opened, QStringLiteral("Změněný"));
    QVERIFY(!opened->close());
    TDotazKonecDialog* question = m_aplikace->databases()->dotazKonecDialog();
    QVERIFY(question->isVisible());
    QCOMPARE(window(2), opened);
    QVERIFY(opened->table()->isEditing());
    QCOMPARE(question->findChild<QLabel*>("Label3")->text(), QStringLiteral("Rock"));
    QCOMPARE(question->findChild<QLineEdit*>("Kontrola")->text(), QStringLiteral("2"));
    QVERIFY(main()->isIndicatorVisible("SBO6"));
    QVERIFY(!main()->isIndicatorVisible("SBO10"));
    QVERIFY(!main()->isEnabled());

    if (answer)
        QTest::keyClick(question, Qt::Key(answer));
    else
        question->findChild<TOfficeButton*>(saved ? "Ano" : "Ne")->click();
    QVERIFY(!question->isVisible());
    QTRY_VERIFY(!window(2));
    QCOMPARE(m_folder->key("Otevreni", "Databaze2"), QStringLiteral("0"));
    QCOMPARE(question->findChild<QLineEdit*>("Kontrola")->text(), QStringLiteral("0"));
    QCOMPARE(question->exitMark(), QStringLiteral("0"));
    QVERIFY(main()->isEnabled());
    QVERIFY(!main()->isIndicatorVisible("SBO6"));

    TTable check;
    check.setDatabaseName(m_folder->folder().dataFolder());
    check.setTableName("Audio1.dbf");
    QVERIFY(check.open());
    QCOMPARE(check.recordCount(), 1);
    QCOMPARE(check.fieldText("NAZEV"),
             saved ? QStringLiteral("Změněný") : QStringLiteral("Původní"));
    QCOMPARE(check.fieldValueText("DATUM"),
             saved ? QDate::currentDate().toString(Qt::ISODate) : QString());
    // The total is not worked out again on this path.
    QCOMPARE(check.fieldValueText("CELKEM"), QStringLiteral("42"));
}

void TestDatabazeDialog::newRecordIsDiscardedByNe()
{
    m_folder->addCarriers("AudioS.dbf", {"Jediná"});
    TDatabazeDialog* opened = open(1);
    QVERIFY(opened);
    opened->setEditor(editingStandIn());
    QVERIFY(opened->table()->insert());
    QVERIFY(opened->table()->setFieldText("NAZEV", "Nová"));
    QVERIFY(!opened->close());
    CLICK(m_aplikace->databases()->dotazKonecDialog(), TOfficeButton, "Ne");
    QTRY_VERIFY(!window(1));
    QCOMPARE(m_folder->records("AudioS.dbf"), 1);
}

void TestDatabazeDialog::recordEditorAnswersTheQuestion_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("Ano") << true;
    QTest::newRow("Ne") << false;
}

// The window as the program makes it, with the record editor in it, and a new
// carrier typed by hand.
void TestDatabazeDialog::recordEditorAnswersTheQuestion()
{
    QFETCH(bool, save);
    m_folder->addCarriers("AudioS.dbf", {"Stará"});
    TDatabazeDialog* opened = open(1);
    QVERIFY(opened);
    QTRY_VERIFY(qobject_cast<TZaznamEditor*>(opened->editor()));
    auto* editor = qobject_cast<TZaznamEditor*>(opened->editor());
    QVERIFY(editor->newRecord());
    auto* number = opened->findChild<QLineEdit*>("C1");
    auto* title = opened->findChild<QLineEdit*>("J1");
    QVERIFY(number && title);
    number->setFocus();
    QTest::keyClicks(number, "77");
    title->setFocus();
    QTest::keyClicks(title, "Abbey Road");
    opened->findChild<QComboBox*>("D1")->setCurrentText(QStringLiteral("Audio CD"));
    opened->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
    for (const auto& [name, length] : {std::pair{"T1", "3,45"}, std::pair{"T2", "4,30"}}) {
        auto* track = opened->findChild<QLineEdit*>(QString::fromLatin1(name));
        track->setFocus();
        QTest::keyClicks(track, length);
    }
    QVERIFY(opened->isRecordEditing());
    QVERIFY(!opened->close());
    TDotazKonecDialog* question = m_aplikace->databases()->dotazKonecDialog();
    QVERIFY(question->isVisible());
    QTest::keyClick(question, save ? Qt::Key_Return : Qt::Key_Escape);
    QVERIFY(!m_aplikace->databases()->zpravaDialog()->isVisible());
    QTRY_VERIFY(!window(1));
    QCOMPARE(m_folder->records("AudioS.dbf"), save ? 2 : 1);
    if (!save)
        return;
    TTable check;
    check.setDatabaseName(m_folder->folder().dataFolder());
    check.setTableName("AudioS.dbf");
    QVERIFY(check.open());
    QVERIFY(check.last());
    QCOMPARE(check.fieldText("NAZEV"), QStringLiteral("Abbey Road"));
    QCOMPARE(check.fieldValueText("DATUM"), QDate::currentDate().toString(Qt::ISODate));
    // The answer totals the tracks the way the save command does.
    QCOMPARE(check.fieldValueText("CELKEM"), QStringLiteral("8.15"));
}

// A track that is not a length stops the answer as it stops the save command:
// the message names it and the window stays, still editing, with what was typed.
void TestDatabazeDialog::trackThatIsNoLengthStopsTheAnswer()
{
    m_folder->addCarriers("AudioS.dbf", {"Stopy"});
    TDatabazeDialog* opened = open(1);
    QVERIFY(opened);
    QTRY_VERIFY(qobject_cast<TZaznamEditor*>(opened->editor()));
    auto* editor = qobject_cast<TZaznamEditor*>(opened->editor());
    QVERIFY(editor->editRecord());
    opened->findChild<QComboBox*>("D1")->setCurrentText(QStringLiteral("LP"));
    opened->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
    auto* track = opened->findChild<QLineEdit*>("T3");
    track->setFocus();
    QTest::keyClicks(track, "-");
    QCOMPARE(track->text(), QStringLiteral("-"));
    TRIGGER(main(), "MS8");
    TDotazKonecDialog* question = m_aplikace->databases()->dotazKonecDialog();
    QVERIFY(question->isVisible());
    CLICK(question, TOfficeButton, "Ano");
    TZpravaDialog* message = m_aplikace->databases()->zpravaDialog();
    QVERIFY(message->isVisible());
    QVERIFY2(message->message().startsWith(QStringLiteral("Stopa 3")),
             qPrintable(message->message()));
    QCOMPARE(window(1), opened);
    QVERIFY(opened->isRecordEditing());
    QCOMPARE(track->text(), QStringLiteral("-"));
    QCOMPARE(m_folder->key("Otevreni", "Databaze1"), QStringLiteral("1"));
    QVERIFY(main()->isVisible());
}

void TestDatabazeDialog::editorStoresTheRecordForTheQuestion()
{
    m_folder->addCarriers("AudioS.dbf", {"Tabulka"});
    TDatabazeDialog* opened = open(1);
    QVERIFY(opened);
    editFirstRecord(opened, QStringLiteral("Tabulka"));
    int calls = 0;
    TTable* table = opened->table();
    opened->setRecordSaver([&calls, table] {
        ++calls;
        Status s = table->setFieldText("NAZEV", "Z editoru");
        return s ? table->post() : s;
    });
    QVERIFY(!opened->close());
    CLICK(m_aplikace->databases()->dotazKonecDialog(), TOfficeButton, "Ano");
    QTRY_VERIFY(!window(1));
    QCOMPARE(calls, 1);
    TTable check;
    check.setDatabaseName(m_folder->folder().dataFolder());
    check.setTableName("AudioS.dbf");
    QVERIFY(check.open());
    QCOMPARE(check.fieldText("NAZEV"), QStringLiteral("Z editoru"));
}

void TestDatabazeDialog::refusedRecordKeepsItsWindow()
{
    m_folder->addCarriers("AudioS.dbf", {"Odmítnutá"});
    TDatabazeDialog* opened = open(1);
    QVERIFY(opened);
    editFirstRecord(opened, QStringLiteral("Nevejde se"));
    opened->setRecordSaver(
        [] { return Status::error(QStringLiteral("Hodnota se do pole Délka nosiče nevejde.")); });
    QSignalSpy ended(main(), &THlavniDialog::ended);
    TRIGGER(main(), "MS8");
    TDotazKonecDialog* question = m_aplikace->databases()->dotazKonecDialog();
    QCOMPARE(question->exitMark(), QStringLiteral("1"));
    CLICK(question, TOfficeButton, "Ano");
    QVERIFY(!question->isVisible());
    TZpravaDialog* message = m_aplikace->databases()->zpravaDialog();
    QVERIFY(message->isVisible());
    QCOMPARE(message->message(), QStringLiteral("Hodnota se do pole Délka nosiče nevejde."));
    // The record waits in its window; the exit does not go on without it.
    QCOMPARE(window(1), opened);
    QVERIFY(opened->isRecordEditing());
    QVERIFY(opened->table()->isEditing());
    QCOMPARE(question->exitMark(), QStringLiteral("0"));
    QCOMPARE(ended.count(), 0);
    QCOMPARE(m_folder->key("Otevreni", "Databaze1"), QStringLiteral("1"));
}

void TestDatabazeDialog::editorBringsItsRecordMenu()
{
    TDatabazeDialog* opened = open(1);
    QVERIFY(opened);
    auto* editor = new StandInPane;
    auto* menu = new QMenu(editor);
    menu->setObjectName("PopupMenu1");
    menu->addAction(QStringLiteral("Nový záznam"));
    opened->setEditor(editor);
    opened->setRecordMenu(menu);
    QCOMPARE(opened->popupMenu1(), menu);
    QCOMPARE(opened->currentPopupMenu(), menu);
    QCOMPARE(opened->findChildren<QMenu*>("PopupMenu1").size(), 1);
}

void TestDatabazeDialog::exitWaitsForTheAnswer_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("exitGoesOn");
    QTest::newRow("standard") << 1 << true;
    QTest::newRow("optional") << 3 << false;
}

void TestDatabazeDialog::exitWaitsForTheAnswer()
{
    QFETCH(int, slot);
    QFETCH(bool, exitGoesOn);
    createOptional(2, QStringLiteral("Druhá"));
    m_folder->addCarriers(slot == 1 ? "AudioS.dbf" : "Audio2.dbf", {"Rozepsaná"});
    TDatabazeDialog* opened = open(slot);
    QVERIFY(opened);
    editFirstRecord(opened, QStringLiteral("Dopsaná"));
    QSignalSpy ended(main(), &THlavniDialog::ended);
    TRIGGER(main(), "MS8");
    QCOMPARE(ended.count(), 0);
    TDotazKonecDialog* question = m_aplikace->databases()->dotazKonecDialog();
    QVERIFY(question->isVisible());
    QCOMPARE(question->exitMark(), QString::number(slot));
    QCOMPARE(m_folder->key("Otevreni", QStringLiteral("Databaze%1").arg(slot)), "1");
    CLICK(question, TOfficeButton, "Ano");
    QTRY_VERIFY(!window(slot));
    QCOMPARE(ended.count(), exitGoesOn ? 1 : 0);
    QCOMPARE(main()->isVisible(), !exitGoesOn);
}

void TestDatabazeDialog::loanCardShutsTheRecordCommands()
{
    TDatabazeDialog* standard = open(1);
    createOptional(1, QStringLiteral("Vedle"));
    TDatabazeDialog* other = open(2);
    QVERIFY(standard && other);
    auto* pane = new StandInPane;
    pane->plugLoanCard(new StandInLoanCard(true, false));
    standard->setEditor(pane);
    QVERIFY(standard->isLoanCardShown());
    QVERIFY(!standard->isLoanCardEditing());
    main()->dokumenty()->setActiveSubWindow(standard);
    QCOMPARE(standard->currentPopupMenu(), standard->popupMenu2());
    for (const char* part : {"DatabazeL", "StandardniL", "LookOutPage1", "LookOutPage2"})
        QVERIFY2(!main()->findChild<QWidget*>(part)->isEnabled(), part);
    QVERIFY(!main()->findChild<QMenu*>("MenuSoubor")->menuAction()->isEnabled());
    QVERIFY(!main()->findChild<QMenu*>("MenuUpravy")->menuAction()->isEnabled());
    main()->dokumenty()->setActiveSubWindow(other);
    QVERIFY(main()->findChild<QWidget*>("DatabazeL")->isEnabled());
    QVERIFY(main()->findChild<QMenu*>("MenuSoubor")->menuAction()->isEnabled());
    QCOMPARE(other->currentPopupMenu(), other->popupMenu1());
    // A shown card that is not being edited lets the window close normally.
    main()->dokumenty()->setActiveSubWindow(standard);
    QVERIFY(standard->close());
    QTRY_VERIFY(!window(1));
    QVERIFY(main()->findChild<QWidget*>("StandardniL")->isEnabled());
}

void TestDatabazeDialog::tableThatDoesNotOpen()
{
    createOptional(1, QStringLiteral("Poškozená"));
    QFile damaged(m_folder->data("Audio1.dbf"));
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("to neni dBase");
    damaged.close();
    QVERIFY(!open(2));
    TZpravaDialog* message = m_aplikace->databases()->zpravaDialog();
    QVERIFY(message->isVisible());
    QVERIFY2(message->message().contains(QStringLiteral("Poškozená")),
             qPrintable(message->message()));
    QCOMPARE(m_folder->key("Otevreni", "Databaze2"), QStringLiteral("0"));
    QVERIFY(!m_aplikace->dataModule()->table(2)->isActive());
    QTest::keyClick(message, Qt::Key_Escape);
    QVERIFY(main()->isEnabled());
}

void TestDatabazeDialog::damageIsToldAtEachOpening_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<int>("carriers");
    QTest::newRow("cut by a crash") << true << 2;
    QTest::newRow("whole") << false << 3;
}

void TestDatabazeDialog::damageIsToldAtEachOpening()
{
    QFETCH(bool, cut);
    QFETCH(int, carriers);
    m_folder->addCarriers("AudioS.dbf", {"První", "Druhá", "Třetí"});
    if (cut) {
        QFile table(m_folder->data("AudioS.dbf"));
        QVERIFY(table.resize(table.size() - 100));
    }
    TZpravaDialog* message = m_aplikace->databases()->zpravaDialog();
    for (int opening = 1; opening <= 2; ++opening) {
        TDatabazeDialog* opened = open(1);
        QVERIFY(opened);
        QCOMPARE(opened->table()->recordCount(), carriers);
        // The first opening repairs the table and keeps a copy; the second finds it whole.
        const bool told = cut && opening == 1;
        QCOMPARE(message->isVisible(), told);
        if (told) {
            QVERIFY2(message->message().contains(QStringLiteral("AudioS.dbf")) &&
                         message->message().contains(kStandard),
                     qPrintable(message->message()));
            // The balloon grows until the whole message shows above its button.
            auto* text = message->findChild<QLabel*>("Label2");
            QVERIFY(text->height() >= text->heightForWidth(text->width()));
            QVERIFY(text->geometry().bottom() < message->findChild<TOfficeButton*>("Ok")->y());
            QTest::keyClick(message, Qt::Key_Escape);
        }
        QCoreApplication::processEvents();
        QVERIFY(!message->isVisible());
        QVERIFY(opened->close());
        QTRY_VERIFY(!window(1));
    }
    QCOMPARE(QFile::exists(m_folder->data("AudioS.dbf.poskozeno")), cut);
}

void TestDatabazeDialog::entryWithoutName()
{
    createOptional(3, QStringLiteral("Bude bez klíče"));
    QFile ini(m_folder->folder().programIniPath());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QByteArray text = ini.readAll();
    ini.close();
    text.replace("Data3=Bude bez klíče", "");
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(text);
    ini.close();
    QCOMPARE(m_folder->key("Volitelne", "Data3"), QString());

    TRIGGER(main(), "MS2");
    TOtevreniDialog* chooser = m_aplikace->databases()->otevreniDialog();
    QCOMPARE(chooser->entry(4)->text(), QString());
    QVERIFY(!chooser->entry(4)->isStruck());
    chooser->entry(4)->label()->click();
    QVERIFY(!window(4));
    QVERIFY(m_aplikace->databases()->zpravaDialog()->isVisible());
    QCOMPARE(m_folder->key("Otevreni", "Databaze4"), QStringLiteral("0"));
    QVERIFY(!m_aplikace->dataModule()->table(4)->isActive());
}

void TestDatabazeDialog::clearingOnlyWhileTheStandardIsClosed()
{
    auto* tools = main()->findChild<QMenu*>("MenuNastroje");
    QAction* clear = main()->action("MN1");
    emit tools->aboutToShow();
    QVERIFY(clear->isEnabled());
    TDatabazeDialog* standard = open(1);
    QVERIFY(standard);
    emit tools->aboutToShow();
    QVERIFY(!clear->isEnabled());
    QVERIFY(standard->close());
    QTRY_VERIFY(!window(1));
    emit tools->aboutToShow();
    QVERIFY(clear->isEnabled());
}

QTEST_MAIN(TestDatabazeDialog)
#include "test_databazedialog.moc"
