#include "DatabaseFolder.h"
#include "FakeSluzby.h"
#include "OptionalDatabases.h"
#include "StandInPane.h"
#include "TDatabazeDialog.h"
#include "TDotazKonecDialog.h"
#include "TInfoOtevritDialog.h"
#include "TOtevreniDialog.h"
#include "TTable.h"
#include "TZaznamPrehled.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QSignalSpy>

// The database window on its own, in a document area of the test's, with the
// main window stood in for by a fake that records what the window asks of it.
class TestDatabazeOkno : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowsDifferOnlyByTheirValues_data();
    void windowsDifferOnlyByTheirValues();
    void closingForGoodHandsEverythingBack_data();
    void closingForGoodHandsEverythingBack();
    void editedLoanCardKeepsTheWindow();
    void loanCardWritingASurnameKeepsTheTable_data();
    void loanCardWritingASurnameKeepsTheTable();
    void recordMenuGoesWithItsEditor();
    void newEditorDropsTheOldSaver();
    void overviewFollowsTheCursor();
    void openingWithoutItsKeyFails();
    void closingWithoutItsKeyIsReported();
    void progressWindowClosesWhateverTheWorkDoes_data();
    void progressWindowClosesWhateverTheWorkDoes();

private:
    TDatabazeDialog* openWindow(int slot);

    std::unique_ptr<DatabaseFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<TDotazKonecDialog> m_dotaz;
    std::unique_ptr<QMdiArea> m_area;
};

void TestDatabazeOkno::init()
{
    m_folder = std::make_unique<DatabaseFolder>();
    QVERIFY(m_folder->isValid());
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_dotaz = std::make_unique<TDotazKonecDialog>(*m_sluzby);
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(900, 700);
    m_area->show();
}

void TestDatabazeOkno::cleanup()
{
    m_area.reset();
    m_dotaz.reset();
    m_sluzby.reset();
    m_folder.reset();
}

TDatabazeDialog* TestDatabazeOkno::openWindow(int slot)
{
    if (slot > 1 && !OptionalDatabases(m_folder->folder()).tableExists(slot - 1) &&
        !OptionalDatabases(m_folder->folder()).create(slot - 1, QStringLiteral("Rock")))
        return nullptr;
    TTable* table = m_sluzby->dataModule()->slotTable(slot);
    if (!table->open())
        return nullptr;
    m_folder->setKey("Otevreni", QStringLiteral("Databaze%1").arg(slot), "1");
    TDatabazeDialog* window = TDatabazeDialog::create(slot, *m_sluzby, m_dotaz.get());
    m_area->addSubWindow(window);
    m_sluzby->addDocumentWindow(window);
    window->ukazat();
    return window;
}

void TestDatabazeOkno::windowsDifferOnlyByTheirValues_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("mark");
    QTest::newRow("1") << 1 << "TDatabaze1Dialog"
                       << "Standardní databáze"
                       << "AS"
                       << "A1";
    QTest::newRow("2") << 2 << "TDatabaze2Dialog"
                       << "Rock"
                       << "A1"
                       << "A2";
    QTest::newRow("3") << 3 << "TDatabaze3Dialog"
                       << "Rock"
                       << "A2"
                       << "A3";
    QTest::newRow("4") << 4 << "TDatabaze4Dialog"
                       << "Rock"
                       << "A3"
                       << "A4";
}

void TestDatabazeOkno::windowsDifferOnlyByTheirValues()
{
    QFETCH(int, slot);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, code);
    QFETCH(QString, mark);
    std::unique_ptr<TDatabazeDialog> window(TDatabazeDialog::create(slot, *m_sluzby, nullptr));
    QCOMPARE(QString::fromLatin1(window->metaObject()->className()), className);
    QCOMPARE(window->objectName(), QStringLiteral("Databaze%1Dialog").arg(slot));
    window->setDatabaseName(QStringLiteral("Rock"));
    // The standard database keeps its caption whatever the chooser calls it.
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->databaseName(), QStringLiteral("Rock"));
    QCOMPARE(window->table(), m_sluzby->dataModule()->table(slot));
    QCOMPARE(QString::fromLatin1(window->values().programCode), code);
    QCOMPARE(QString::fromLatin1(window->values().linkMark), mark);
    QCOMPARE(QString::fromLatin1(window->values().windowItem),
             QStringLiteral("o%1").arg(slot) + "1");
    QCOMPARE(QString::fromLatin1(window->values().statusIcon), QStringLiteral("SBD%1").arg(slot));
    QCOMPARE(window->statusTip(), QStringLiteral("Stiskněte klávesu F1 pro nápovědu"));
}

void TestDatabazeOkno::closingForGoodHandsEverythingBack_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("marksAfter");
    QTest::newRow("standard keeps the marks") << 1 << "1";
    QTest::newRow("optional resets them") << 3 << "0";
}

void TestDatabazeOkno::closingForGoodHandsEverythingBack()
{
    QFETCH(int, slot);
    QFETCH(QString, marksAfter);
    TDatabazeDialog* window = openWindow(slot);
    QVERIFY(window);
    QVERIFY(m_sluzby->isIndicatorVisible("SBO10"));
    m_dotaz->setExitMark(1);
    m_sluzby->setPartEnabled("DatabazeL", false);
    QPointer<TDatabazeDialog> watched(window);
    QVERIFY(window->close());
    QTRY_VERIFY(!watched);
    QCOMPARE(m_folder->key("Otevreni", QStringLiteral("Databaze%1").arg(slot)), "0");
    QVERIFY(!m_sluzby->dataModule()->slotTable(slot)->isActive());
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO10"));
    for (const char* command : {"MS4", "MS5", "TS3", "TS5", "OS3", "OS4", "MU1", "MU8", "MU9",
                                "TD1", "TD10", "UD1", "UD10"})
        QVERIFY2(m_sluzby->unavailable.contains(command), command);
    QVERIFY(m_sluzby->disabledParts.isEmpty());
    QCOMPARE(m_dotaz->exitMark(), marksAfter);
}

void TestDatabazeOkno::editedLoanCardKeepsTheWindow()
{
    TDatabazeDialog* window = openWindow(2);
    QVERIFY(window);
    auto* pane = new StandInPane;
    auto* card = new StandInLoanCard(true, true);
    pane->plugLoanCard(card);
    window->setEditor(pane);
    QVERIFY(window->isLoanCardEditing());
    QVERIFY(!window->isRecordEditing());
    QSignalSpy warning(window, &TDatabazeDialog::loanCardWarningNeeded);
    QVERIFY(!window->close());
    QCOMPARE(warning.count(), 1);
    QCOMPARE(warning.first().first().toInt(), 2);
    QVERIFY(!m_dotaz->isVisible());
    QCOMPARE(m_folder->key("Otevreni", "Databaze2"), QStringLiteral("1"));
    QVERIFY(window->table()->isActive());
    card->undo->setEnabled(false);
    QVERIFY(window->close());
}

void TestDatabazeOkno::loanCardWritingASurnameKeepsTheTable_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("surnameEdited");
    QTest::newRow("saved, surname edited") << true << true;
    QTest::newRow("saved, surname done") << true << false;
    QTest::newRow("dropped, surname edited") << false << true;
    QTest::newRow("dropped, surname done") << false << false;
}

// The card goes on working on the record after the record's own question is
// answered, so the table stays open exactly while its surname is written.
void TestDatabazeOkno::loanCardWritingASurnameKeepsTheTable()
{
    QFETCH(bool, saved);
    QFETCH(bool, surnameEdited);
    m_folder->addCarriers("AudioS.dbf", {"Půjčená"});
    TDatabazeDialog* window = openWindow(1);
    QVERIFY(window);
    auto* pane = new StandInPane(true);
    auto* card = new StandInLoanCard(true, true);
    card->surname->setEnabled(surnameEdited);
    pane->plugLoanCard(card);
    window->setEditor(pane);
    QCOMPARE(pane->recordSlot(), 1);
    QVERIFY(window->table()->first());
    QVERIFY(window->table()->edit());
    if (saved)
        QVERIFY(window->saveAndClose());
    else
        window->discardAndClose();
    QVERIFY(!window->isRecordEditing());
    QCOMPARE(window->table()->isActive(), surnameEdited);
    QVERIFY(!pane->isEditing());
}

void TestDatabazeOkno::recordMenuGoesWithItsEditor()
{
    TDatabazeDialog* window = openWindow(1);
    QVERIFY(window);
    QMenu* own = window->popupMenu1();
    QCOMPARE(own->objectName(), QStringLiteral("PopupMenu1"));
    auto* editor = new StandInPane;
    auto* menu = new QMenu(editor);
    menu->setObjectName("PopupMenu1");
    window->setEditor(editor);
    window->setRecordMenu(menu);
    QCOMPARE(window->popupMenu1(), menu);
    QCOMPARE(window->currentPopupMenu(), menu);
    QCOMPARE(window->findChildren<QMenu*>("PopupMenu1").size(), 1);
    window->setEditor(new StandInPane);
    QCOMPARE(window->popupMenu1(), own);
    QCOMPARE(window->currentPopupMenu(), own);
    QCOMPARE(window->findChildren<QMenu*>("PopupMenu1"), QList<QMenu*>{own});
}

void TestDatabazeOkno::newEditorDropsTheOldSaver()
{
    QVERIFY(OptionalDatabases(m_folder->folder()).create(1, QStringLiteral("Rock")));
    m_folder->addCarriers("Audio1.dbf", {"Původní"});
    TDatabazeDialog* window = openWindow(2);
    QVERIFY(window);
    int calls = 0;
    window->setRecordSaver([&calls] {
        ++calls;
        return Status::ok();
    });
    // The saver belonged to the editor that is now gone: the window stamps and posts itself.
    window->setEditor(new StandInPane);
    QVERIFY(window->table()->first());
    QVERIFY(window->table()->edit());
    QVERIFY(window->table()->setFieldText("NAZEV", "Uloženo oknem"));
    QVERIFY(window->saveAndClose());
    QCOMPARE(calls, 0);
    QCOMPARE(m_folder->records("Audio1.dbf"), 1);
    TTable check;
    check.setDatabaseName(m_folder->folder().dataFolder());
    check.setTableName("Audio1.dbf");
    QVERIFY(check.open());
    QCOMPARE(check.fieldText("NAZEV"), QStringLiteral("Uloženo oknem"));
    QCOMPARE(check.fieldValueText("DATUM"), QDate::currentDate().toString(Qt::ISODate));
}

void TestDatabazeOkno::overviewFollowsTheCursor()
{
    m_folder->addCarriers("AudioS.dbf", {"Jedna", "Dvě"});
    TTable* table = m_sluzby->dataModule()->table(1);
    QVERIFY(table->open());
    QVERIFY(table->first());
    TZaznamPrehled overview(table);
    QCOMPARE(overview.shownText("NAZEV"), QStringLiteral("Jedna"));
    QCOMPARE(overview.shownText("DRUH"), QStringLiteral("LP"));
    // 72 min 10 s, not 72 min 1 s; whole minutes stay whole.
    QVERIFY(table->edit());
    QVERIFY(table->setFieldText("CELKEM", "72.1"));
    QVERIFY(table->setFieldText("DELKA", "74"));
    QCOMPARE(overview.shownText("CELKEM"), "72" + table->locale().decimalPoint() + "10");
    QCOMPARE(overview.shownText("DELKA"), QStringLiteral("74"));
    table->cancel();
    QVERIFY(table->next());
    QCOMPARE(overview.shownText("NAZEV"), QStringLiteral("Dvě"));
    table->close();
    QCOMPARE(overview.shownText("NAZEV"), QString());
}

// The exit sequence asks about edited records only in windows whose open key
// says so: a window whose key cannot be written must not open.
void TestDatabazeOkno::openingWithoutItsKeyFails()
{
    const QString ini = m_folder->folder().programIniPath();
    QVERIFY(QFile::remove(ini));
    QVERIFY(QDir().mkdir(ini));
    TOtevreniDialog chooser(*m_sluzby);
    QStringList messages;
    connect(&chooser, &TOtevreniDialog::failed, &chooser,
            [&messages](const Status& status) { messages << status.message(); });
    QVERIFY(!chooser.open(1, QStringLiteral("Standardní databáze")));
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QStringLiteral("Standardní databáze")),
             qPrintable(messages.first()));
    QVERIFY(!m_sluzby->dataModule()->slotTable(1)->isActive());
    QVERIFY(!m_sluzby->documentWindow(1));
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO3"));
}

void TestDatabazeOkno::closingWithoutItsKeyIsReported()
{
    TDatabazeDialog* window = openWindow(2);
    QVERIFY(window);
    const QString ini = m_folder->folder().programIniPath();
    QVERIFY(QFile::remove(ini));
    QVERIFY(QDir().mkdir(ini));
    QPointer<TDatabazeDialog> watched(window);
    QVERIFY(window->close());
    QTRY_VERIFY(!watched);
    QCOMPARE(m_sluzby->errors.size(), 1);
    QVERIFY(!m_sluzby->dataModule()->slotTable(2)->isActive());
}

void TestDatabazeOkno::progressWindowClosesWhateverTheWorkDoes_data()
{
    QTest::addColumn<int>("phases");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<int>("lastPosition");
    QTest::newRow("all phases") << 7 << false << 100;
    QTest::newRow("more steps than phases") << 9 << false << 100;
    QTest::newRow("gives up after the third") << 3 << true << 42;
    QTest::newRow("gives up at once") << 0 << true << 0;
}

void TestDatabazeOkno::progressWindowClosesWhateverTheWorkDoes()
{
    QFETCH(int, phases);
    QFETCH(bool, fails);
    QFETCH(int, lastPosition);
    m_sluzby->slot = 1;
    QPointer<TInfoOtevritDialog> progress = new TInfoOtevritDialog(*m_sluzby);
    QVERIFY(!m_sluzby->mainEnabled);
    QVERIFY(m_sluzby->isIndicatorVisible("SBO3"));
    progress->setText(QStringLiteral("Rock"));
    int seen = -1;
    bool shownDuringWork = false;
    const Status s = progress->run([&]() -> Status {
        for (int i = 0; i < phases; ++i)
            progress->nextPhase();
        seen = progress->progress();
        shownDuringWork = progress->isVisible();
        return fails ? Status::error(QStringLiteral("Nejde to.")) : Status::ok();
    });
    QCOMPARE(bool(s), !fails);
    QCOMPARE(seen, lastPosition);
    QVERIFY(shownDuringWork);
    QCOMPARE(m_sluzby->sounds, QStringList{"Info.wav"});
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO3"));
    QVERIFY(m_sluzby->isIndicatorVisible("SBO10"));
    QTRY_VERIFY(!progress);
}

QTEST_MAIN(TestDatabazeOkno)
#include "test_databazeokno.moc"
