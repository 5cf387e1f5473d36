#include "Aplikace.h"
#include "AppTestSupport.h"
#include "DatabaseWindows.h"
#include "ListReport.h"
#include "OptionalDatabases.h"
#include "RecordCommands.h"
#include "ReportOutput.h"
#include "ReportWindows.h"
#include "SearchWindows.h"
#include "TAbecedaDialog.h"
#include "TDataModule1.h"
#include "TDatabazeDialog.h"
#include "TDokumenty.h"
#include "TDotazOdstranitDialog.h"
#include "THlavniDialog.h"
#include "TInterpretDialog.h"
#include "TNahledSestavy.h"
#include "TOfficeLabel.h"
#include "TOtevreniDialog.h"
#include "TTable.h"
#include "TTiskInterpretDialog.h"
#include "TVolba.h"
#include "TVyberSestavy.h"
#include "TZaznamEditor.h"
#include "TableLayout.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QWindow>

class TestRecordCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void navigationFollowsTheRecord();
    void newRecordSavedFromTheMenu();
    void deleteAsksFirst();
    void windowHasOneRecordMenu();
    void emptyDatabaseOffersEditNewAndGoTo();
    void editingOffersOnlySaveAndUndo();
    void enterSavesTheRecord();
    void enterInAnOpenListOnlyPicks_data();
    void enterInAnOpenListOnlyPicks();
    void undoDropsANewRecord();
    void deletingTheOnlyRecordEmptiesTheWindow();
    void kindChoiceThatLeavesNothing();
    void genreChoiceFollowsTheKindInFront();
    void commandsActOnTheWindowInFront();
    void reportsFromTheMainWindowAndTheRecordMenu();
    void listsPrintFromTheSearchCopy();

private:
    bool enabled(const char* name) const
    {
        auto* item = m_aplikace->hlavni()->findChild<QAction*>(QString::fromLatin1(name));
        return item && item->isEnabled();
    }
    bool popupEnabled(const char* name) const
    {
        auto* item = editor()->popupMenu()->findChild<QAction*>(QString::fromLatin1(name));
        return item && item->isEnabled();
    }
    // The items the enabling table speaks of, each with the value expected.
    void expectEnabled(const QStringList& names, bool expected) const;
    void expectPopupEnabled(const QStringList& names, bool expected) const;
    // Lays out the standard database with one LP (or the given kind) per number,
    // starts the program and opens the database.
    void startWithKinds(const QList<QPair<QString, QString>>& carriers);
    void start(const QStringList& numbers);
    TZaznamEditor* editor() const { return m_aplikace->recordCommands()->activeEditor(); }
    TTable* table() const { return m_aplikace->dataModule()->table(1); }
    template <typename T> T* child(const char* name) const
    {
        return editor()->findChild<T*>(QString::fromLatin1(name));
    }

    // Clicks an item of a balloon of the report windows, as a user can.
    static void choose(TSestavyBublina* balloon, const char* name)
    {
        TVolba* item = balloon->item(QString::fromLatin1(name));
        QVERIFY(item && item->isEnabled());
        QTest::mouseClick(item->label(), Qt::LeftButton, {}, item->label()->rect().center());
    }

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<Aplikace> m_aplikace;
};

void TestRecordCommands::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    // Neither the welcome nor the tips: each holds the main window until it goes.
    QVERIFY(m_program->suiteIni().writeString(QStringLiteral("Nastaveni"),
                                              QStringLiteral("Uvitani"), QStringLiteral("0")));
    QVERIFY(m_program->programIni().writeString(QStringLiteral("Zobrazit"), QStringLiteral("Tipy"),
                                                QStringLiteral("0")));
}

void TestRecordCommands::startWithKinds(const QList<QPair<QString, QString>>& carriers)
{
    {
        TTable table;
        table.setDatabaseName(m_program->folder().dataFolder());
        table.setTableName(QStringLiteral("AudioS.dbf"));
        QVERIFY(table.open());
        for (const auto& [number, kind] : carriers) {
            QVERIFY(table.insert());
            QVERIFY(table.setFieldText("CISLO", number));
            QVERIFY(table.setFieldText("DRUH", kind));
            QVERIFY(table.post());
        }
    }
    m_aplikace = startOnStandardDatabase(m_program->folder());
    QVERIFY(m_aplikace);
    QVERIFY(editor());
}

void TestRecordCommands::start(const QStringList& numbers)
{
    QList<QPair<QString, QString>> carriers;
    for (const QString& number : numbers)
        carriers.append({number, QStringLiteral("LP")});
    startWithKinds(carriers);
}

void TestRecordCommands::expectEnabled(const QStringList& names, bool expected) const
{
    for (const QString& name : names) {
        auto* item = m_aplikace->hlavni()->findChild<QAction*>(name);
        QVERIFY2(item, qPrintable(name));
        QVERIFY2(item->isEnabled() == expected, qPrintable(name));
    }
}

void TestRecordCommands::expectPopupEnabled(const QStringList& names, bool expected) const
{
    for (const QString& name : names) {
        auto* item = editor()->popupMenu()->findChild<QAction*>(name);
        QVERIFY2(item, qPrintable(name));
        QVERIFY2(item->isEnabled() == expected, qPrintable(name));
    }
}

void TestRecordCommands::cleanup()
{
    m_aplikace.reset();
    m_program.reset();
}

void TestRecordCommands::navigationFollowsTheRecord()
{
    start({"1", "2", "3"});
    QVERIFY(!enabled("PNa1") && !enabled("TD2") && enabled("PNa3") && enabled("UD4"));
    TRIGGER(m_aplikace->hlavni(), "TD3");
    QCOMPARE(table()->fieldText("CISLO"), QString("2"));
    QVERIFY(enabled("PNa1") && enabled("TD2") && enabled("PNa3") && enabled("MU4"));
    TRIGGER(m_aplikace->hlavni(), "PNa4");
    QCOMPARE(table()->fieldText("CISLO"), QString("3"));
    QVERIFY(!enabled("TD3") && !enabled("UD4") && enabled("PNa1"));
}

void TestRecordCommands::newRecordSavedFromTheMenu()
{
    start({"1", "2", "3"});
    TRIGGER(m_aplikace->hlavni(), "PNa5");
    QVERIFY(editor()->isEditing());
    QVERIFY(enabled("MU6") && enabled("TD10") && !enabled("MU4") && !enabled("PNa3"));
    editor()->findChild<QLineEdit*>("C1")->setText("7");
    editor()->findChild<QComboBox*>("D1")->setCurrentText("Datové CD");
    editor()->findChild<QLineEdit*>("T1")->setText("100,5");
    editor()->findChild<QLineEdit*>("T2")->setText("200,25");
    TRIGGER(m_aplikace->hlavni(), "MU6");
    QVERIFY(!editor()->isEditing());
    QCOMPARE(table()->recordCount(), 4);
    QCOMPARE(table()->fieldText("CISLO"), QString("7"));
    QCOMPARE(table()->fieldValueText("CELKEM"), QString("300.75"));
    QVERIFY(enabled("MU5") && !enabled("MU6"));
}

void TestRecordCommands::deleteAsksFirst()
{
    start({"1", "2", "3"});
    TRIGGER(m_aplikace->hlavni(), "MU4");
    TDotazOdstranitDialog* question = m_aplikace->recordCommands()->deleteQuestion();
    QVERIFY(question->isVisible());
    QCOMPARE(table()->recordCount(), 3);
    QTest::keyClick(question, Qt::Key_Return);
    QVERIFY(!question->isVisible());
    QCOMPARE(table()->recordCount(), 2);
    QCOMPARE(table()->fieldText("CISLO"), QString("2"));
}

// The window's record menu is the one its editor follows the rules with.
void TestRecordCommands::windowHasOneRecordMenu()
{
    start({"1", "2"});
    QWidget* window = m_aplikace->hlavni()->documentWindow(1);
    const QList<QMenu*> menus = window->findChildren<QMenu*>(QStringLiteral("PopupMenu1"));
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first(), editor()->popupMenu());
    QVERIFY(menus.first()->findChild<QAction*>(QStringLiteral("MP12")));
}

void TestRecordCommands::emptyDatabaseOffersEditNewAndGoTo()
{
    start(QStringList());
    QVERIFY(table()->bof() && table()->eof());
    expectEnabled({"MU5", "TD7", "UD7", "PNa5", "TD5", "UD5", "MU8"}, true);
    expectEnabled({"MS4",  "MS5",  "TS3", "TS5", "OS3",  "OS4",  "MU4",  "TD6",  "UD6",
                   "MU6",  "TD8",  "UD8", "MU9", "TD10", "UD10", "MU7",  "TD9",  "UD9",
                   "PNa1", "Pna2", "TD1", "TD2", "UD1",  "UD2",  "PNa3", "PNa4", "TD3",
                   "TD4",  "UD3",  "UD4", "MU1", "MU2",  "MU3",  "TS6",  "TS7",  "TS8"},
                  false);
    // In the pop-up menu the way to the records leads only to a new one.
    expectPopupEnabled({"MP5", "MP12"}, true);
    expectPopupEnabled({"MP0", "MP01", "MP4", "MP6", "MP13", "MP7", "MP8", "MP9", "MP10", "MP11"},
                       false);
}

void TestRecordCommands::editingOffersOnlySaveAndUndo()
{
    start({"1", "2", "3"});
    TRIGGER(m_aplikace->hlavni(), "TD3");
    TRIGGER(m_aplikace->hlavni(), "MU5");
    QVERIFY(editor()->isEditing());
    expectEnabled({"MU6", "TD8", "UD8", "MU9", "TD10", "UD10"}, true);
    expectEnabled({"MS4",  "MS5",  "TS3", "TS5", "OS3", "OS4",  "MU4",  "TD6", "UD6", "MU5", "TD7",
                   "UD7",  "MU7",  "TD9", "UD9", "MU8", "PNa1", "Pna2", "TD1", "TD2", "UD1", "UD2",
                   "PNa3", "PNa4", "TD3", "TD4", "UD3", "UD4",  "PNa5", "TD5", "UD5"},
                  false);
    expectPopupEnabled({"MP6", "MP13"}, true);
    expectPopupEnabled({"MP0", "MP01", "MP4", "MP5", "MP7"}, false);
    // Cut, copy and paste go with the focus: a text editor offers them.
    m_aplikace->hlavni()->show();
    QVERIFY(m_aplikace->hlavni()->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(m_aplikace->hlavni()));
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    child<QLineEdit>("M7")->setFocus();
    QCOMPARE(editor()->clipboardTarget(), child<QLineEdit>("M7"));
    expectEnabled({"MU1", "MU2", "MU3", "TS6", "TS7", "TS8"}, true);
    child<QLineEdit>("M7")->setText(QStringLiteral("Sedmá"));
    child<QLineEdit>("C1")->setFocus();
    expectEnabled({"MU1", "MU2", "MU3", "TS6", "TS7", "TS8"}, false);
    child<QLineEdit>("M7")->setFocus();
    child<QLineEdit>("M7")->selectAll();
    TRIGGER(m_aplikace->hlavni(), "MU2");
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Sedmá"));
    // Undoing gives the middle position back.
    TRIGGER(m_aplikace->hlavni(), "MU9");
    QVERIFY(!editor()->isEditing());
    expectEnabled({"PNa1", "PNa3", "MU4", "MU5", "PNa5"}, true);
    expectEnabled({"MU6", "MU9"}, false);
}

void TestRecordCommands::enterSavesTheRecord()
{
    start({"1", "2"});
    TRIGGER(m_aplikace->hlavni(), "MU5");
    child<QComboBox>("D1")->setCurrentText(QStringLiteral("Audio CD"));
    auto* track = child<QLineEdit>("T1");
    track->setText(QStringLiteral("3,45"));
    child<QLineEdit>("T2")->setText(QStringLiteral("4,30"));
    QTest::keyClick(track, Qt::Key_Return);
    QVERIFY(!editor()->isEditing());
    QCOMPARE(table()->fieldText("CISLO"), QString("1"));
    QCOMPARE(table()->fieldValueText("CELKEM"), QString("8.15"));
    QCOMPARE(table()->fieldValueText("DATUM"), QDate::currentDate().toString(Qt::ISODate));
    QVERIFY(enabled("MU5") && !enabled("MU6") && enabled("PNa3"));
}

void TestRecordCommands::enterInAnOpenListOnlyPicks_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("key");
    QTest::newRow("kind, Enter") << "D1" << int(Qt::Key_Return);
    QTest::newRow("kind, keypad Enter") << "D1" << int(Qt::Key_Enter);
    QTest::newRow("genre, Enter") << "F1" << int(Qt::Key_Return);
}

void TestRecordCommands::enterInAnOpenListOnlyPicks()
{
    QFETCH(QString, list);
    QFETCH(int, key);
    start({"1"});
    THlavniDialog* main = m_aplikace->hlavni();
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main));
    TRIGGER(main, "MU5");
    child<QLineEdit>("J1")->setText(QStringLiteral("Napůl napsané"));
    auto* combo = editor()->findChild<QComboBox*>(list);
    combo->setCurrentIndex(0);
    combo->lineEdit()->setFocus();
    combo->showPopup();
    QTRY_VERIFY(QApplication::activePopupWidget());
    // The keys come as the window system brings them, to the list's window.
    QWindow* popup = QApplication::activePopupWidget()->windowHandle();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key(key));
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(editor()->isEditing());
    QCOMPARE(combo->currentIndex(), 1);
    // With the list closed, Enter saves the record.
    QTest::keyClick(combo->lineEdit(), Qt::Key(key));
    QVERIFY(!editor()->isEditing());
    QCOMPARE(table()->fieldText("NAZEV"), QStringLiteral("Napůl napsané"));
}

void TestRecordCommands::undoDropsANewRecord()
{
    start({"1", "2"});
    TRIGGER(m_aplikace->hlavni(), "PNa4");
    TRIGGER(m_aplikace->hlavni(), "TD5");
    child<QLineEdit>("C1")->setText(QStringLiteral("99"));
    child<QLineEdit>("J1")->setText(QStringLiteral("Nedokončený"));
    TRIGGER(m_aplikace->hlavni(), "UD10");
    QVERIFY(!editor()->isEditing());
    QCOMPARE(table()->recordCount(), 2);
    // The record that was current before is shown again.
    QCOMPARE(table()->fieldText("CISLO"), QString("2"));
    QCOMPARE(child<QLineEdit>("C1")->text(), QString("2"));
    QVERIFY(!table()->findKey(QStringLiteral("99")));
    QVERIFY(child<QLineEdit>("J1")->text() != QStringLiteral("Nedokončený"));
    QVERIFY(enabled("MU4") && enabled("PNa5") && !enabled("MU6"));
}

void TestRecordCommands::deletingTheOnlyRecordEmptiesTheWindow()
{
    start({"5"});
    // A table that has just opened stands at its start, however short it is.
    QVERIFY(!enabled("PNa1") && enabled("PNa3") && enabled("MU4"));
    TRIGGER(m_aplikace->hlavni(), "UD6");
    QTest::keyClick(m_aplikace->recordCommands()->deleteQuestion(), Qt::Key_Return);
    QCOMPARE(table()->recordCount(), 0);
    QVERIFY(table()->bof() && table()->eof());
    QVERIFY(m_aplikace->hlavni()->documentWindow(1));
    QVERIFY(child<QLineEdit>("C1")->text().isEmpty());
    QVERIFY(!enabled("MU4") && !enabled("MU7") && !enabled("MS4"));
    QVERIFY(enabled("MU5") && enabled("PNa5"));
    // The empty window takes a new carrier.
    TRIGGER(m_aplikace->hlavni(), "PNa5");
    child<QLineEdit>("C1")->setText(QStringLiteral("6"));
    TRIGGER(m_aplikace->hlavni(), "MU6");
    QCOMPARE(table()->recordCount(), 1);
    QVERIFY(enabled("MU4") && enabled("MU5") && !enabled("MU6"));
}

void TestRecordCommands::kindChoiceThatLeavesNothing()
{
    startWithKinds({{"1", "LP"}, {"2", "Audio CD"}});
    TRIGGER(m_aplikace->hlavni(), "NO4");
    QVERIFY(table()->bof() && table()->eof());
    QVERIFY(!enabled("MU4") && !enabled("PNa3") && enabled("PNa5"));
    TRIGGER(m_aplikace->hlavni(), "NO1");
    QCOMPARE(table()->fieldText("CISLO"), QString("2"));
    QVERIFY(enabled("MU4") && enabled("PNa3") && !enabled("PNa1"));
    TRIGGER(m_aplikace->hlavni(), "PNa3");
    QCOMPARE(table()->fieldText("CISLO"), QString("2"));
    QVERIFY(table()->eof() && !enabled("PNa3") && enabled("PNa1"));
    TRIGGER(m_aplikace->hlavni(), "N0");
    QCOMPARE(table()->recordCount(), 2);
}

void TestRecordCommands::genreChoiceFollowsTheKindInFront()
{
    startWithKinds({{"1", "LP"}, {"2", "Datové CD"}, {"3", "Audio MP3 CD"}});
    auto* tools = m_aplikace->hlavni()->findChild<QMenu*>("MenuNastroje");
    QVERIFY(tools);
    const auto openTools = [tools] { emit tools->aboutToShow(); };
    openTools();
    QVERIFY(enabled("MN7") && enabled("MN8"));
    TRIGGER(m_aplikace->hlavni(), "PNa3");
    QVERIFY(!enabled("MN7"));
    openTools();
    QVERIFY(!enabled("MN7") && enabled("MN8"));
    TRIGGER(m_aplikace->hlavni(), "PNa3");
    openTools();
    QVERIFY(!enabled("MN7"));
    TRIGGER(m_aplikace->hlavni(), "PNa1");
    openTools();
    QVERIFY(enabled("MN7"));
}

void TestRecordCommands::commandsActOnTheWindowInFront()
{
    start({"1", "2", "3"});
    QVERIFY(OptionalDatabases(m_program->folder()).create(1, QStringLiteral("Kazety")));
    {
        TTable tapes;
        tapes.setDatabaseName(m_program->folder().dataFolder());
        tapes.setTableName(layouts::carrierTableOfSlot(2) + QStringLiteral(".dbf"));
        QVERIFY(tapes.open());
        for (const char* number : {"10", "20"}) {
            QVERIFY(tapes.insert());
            QVERIFY(tapes.setFieldText("CISLO", number));
            QVERIFY(tapes.setFieldText("DRUH", "MC"));
            QVERIFY(tapes.post());
        }
    }
    THlavniDialog* hlavni = m_aplikace->hlavni();
    QVERIFY(m_aplikace->databases()->otevreniDialog()->open(2, QStringLiteral("Kazety")));
    QCoreApplication::processEvents();
    TTable* tapes = m_aplikace->dataModule()->table(2);
    QCOMPARE(hlavni->activeDatabaseSlot(), 2);

    TRIGGER(hlavni, "TD4");
    QCOMPARE(tapes->fieldText("CISLO"), QString("20"));
    QCOMPARE(table()->fieldText("CISLO"), QString("1"));
    // At the end of the tapes; the standard database in front is at its start.
    QVERIFY(!enabled("TD3") && enabled("TD1"));
    hlavni->dokumenty()->setActiveSubWindow(hlavni->documentWindow(1));
    QCOMPARE(hlavni->activeDatabaseSlot(), 1);
    QVERIFY(enabled("TD3") && !enabled("TD1"));
    TRIGGER(hlavni, "PNa4");
    QCOMPARE(table()->fieldText("CISLO"), QString("3"));
    QCOMPARE(tapes->fieldText("CISLO"), QString("20"));

    // Editing in one window leaves the other browsing, and the commands
    // follow whichever is in front.
    TRIGGER(hlavni, "MU5");
    QVERIFY(enabled("MU6") && !enabled("PNa1"));
    hlavni->dokumenty()->setActiveSubWindow(hlavni->documentWindow(2));
    QVERIFY(!enabled("MU6") && enabled("PNa1") && enabled("MU4"));
    QVERIFY(tapes->isActive() && !tapes->isEditing());
    hlavni->dokumenty()->setActiveSubWindow(hlavni->documentWindow(1));
    QVERIFY(enabled("MU6") && enabled("MU9"));
    TRIGGER(hlavni, "MU9");

    // Closing the window in front leaves the other one's commands to it.
    hlavni->dokumenty()->setActiveSubWindow(hlavni->documentWindow(2));
    QVERIFY(hlavni->documentWindow(2)->close());
    QCoreApplication::processEvents();
    QVERIFY(!hlavni->documentWindow(2));
    QCOMPARE(hlavni->activeDatabaseSlot(), 1);
    QVERIFY(enabled("PNa1") && enabled("MU4") && !enabled("PNa3") && !enabled("MU6"));
}

// Preview and print of the main window and of the record menu lead through
// the chooser to the label of the carrier in front.
void TestRecordCommands::reportsFromTheMainWindowAndTheRecordMenu()
{
    startWithKinds({{"1", "MC"}});
    ReportWindows* reports = m_aplikace->reports();
    TNahledDialog* chooser = reports->nahled();
    TRIGGER(m_aplikace->hlavni(), "MS4");
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->mode(), QChar('N'));
    QCOMPARE(chooser->slot(), QStringLiteral("1"));
    QCOMPARE(chooser->kind(), QStringLiteral("MC"));
    choose(chooser, "OfficeLabel3");
    QVERIFY(reports->popisky()->isVisible());
    choose(reports->popisky(), "OfficeLabel1");
    QTRY_VERIFY(reports->output()->preview());
    QCOMPARE(reports->output()->preview()->pageCount(), 1);
    QVERIFY(!chooser->isVisible());
    reports->output()->preview()->close();

    QAction* print = editor()->popupMenu()->findChild<QAction*>(QStringLiteral("MP01"));
    QVERIFY(print && print->isEnabled());
    print->trigger();
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->mode(), QChar('T'));
}

// The performer and title pickers offer the copy the search made for the
// report, and the list prints what was picked, apostrophe and all.
void TestRecordCommands::listsPrintFromTheSearchCopy()
{
    startWithKinds({{"1", "MC"}, {"2", "MC"}, {"3", "LP"}});
    const QStringList titles = {"Zima", "Jaro", "Léto"};
    const QStringList performers = {"O'Brien", "Olympic", "O'Brien"};
    QVERIFY(table()->first());
    for (int i = 0; i < titles.size(); ++i, table()->next()) {
        QVERIFY(table()->edit());
        QVERIFY(table()->setFieldText("NAZEV", titles.at(i)));
        QVERIFY(table()->setFieldText("INTERPRET", performers.at(i)));
        QVERIFY(table()->post());
    }
    m_program->setKey("Kontrola", "Pomocna", "1");
    ReportWindows* reports = m_aplikace->reports();
    TRIGGER(m_aplikace->hlavni(), "MS4");
    choose(reports->nahled(), "OfficeLabel2");
    choose(reports->interpret(), "OfficeLabel3");
    TVysledek1Dialog* performer = m_aplikace->search()->vysledek1Dialog();
    QVERIFY(performer->isVisible());
    QCOMPARE(m_program->key("Kontrola", "Pomocna"), QStringLiteral("0"));
    QAbstractItemModel* model = performer->treeView()->model();
    QCOMPARE(model->rowCount(), 2);
    const QModelIndexList obrien =
        model->match(model->index(0, 0), Qt::DisplayRole, "O'Brien", 1, Qt::MatchExactly);
    QCOMPARE(obrien.size(), 1);
    performer->treeView()->setCurrentIndex(obrien.first());
    QTest::keyClick(performer, Qt::Key_Return);
    QTRY_VERIFY(reports->output()->preview());
    const ListReport& list = reports->interpret()->tiskInterpret();
    QStringList printed;
    for (int row = 0; row < list.rows().rowCount(); ++row)
        printed << list.rows().text(row, "NAZEV");
    printed.sort();
    QCOMPARE(printed, (QStringList{"Léto", "Zima"}));
    reports->output()->preview()->close();

    TRIGGER(m_aplikace->hlavni(), "MS4");
    choose(reports->nahled(), "OfficeLabel4");
    choose(reports->abeceda(), "OfficeLabel3");
    TVysledek2Dialog* title = m_aplikace->search()->vysledek2Dialog();
    QVERIFY(title->isVisible());
    QCOMPARE(title->variant(), QChar('2'));
    QCOMPARE(title->treeView()->model()->rowCount(), titles.size());
}

QTEST_MAIN(TestRecordCommands)
#include "test_recordcommands.moc"
