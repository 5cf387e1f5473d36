#include "Aplikace.h"
#include "AppTestSupport.h"
#include "DatabaseWindows.h"
#include "RecordCommands.h"
#include "SearchWindows.h"
#include "TNajitDialog.h"
#include "TOfficeLabel.h"
#include "TOtevreniDialog.h"
#include "TPomocnaDialog.h"
#include "TTable.h"
#include "TZaznamEditor.h"

#include <QMenu>

// The search as the program offers it: its commands in the main window and
// in the record menu, and the kind choice it follows.
class TestSearchCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandsOpenTheSearchOfTheWindow_data();
    void commandsOpenTheSearchOfTheWindow();
    void kindChoiceAndTheCopies();

private:
    QString key(const QString& name) const
    {
        return m_program->programIni().readString(QStringLiteral("Kontrola"), name);
    }

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<Aplikace> m_aplikace;
};

void TestSearchCommands::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    QVERIFY(m_program->suiteIni().writeString("Nastaveni", "Uvitani", "0"));
    QVERIFY(m_program->programIni().writeString("Zobrazit", "Tipy", "0"));
    {
        TTable table;
        table.setDatabaseName(m_program->folder().dataFolder());
        table.setTableName(QStringLiteral("AudioS.dbf"));
        QVERIFY(table.open());
        for (const char* kind : {"LP", "MC", "LP"}) {
            QVERIFY(table.insert());
            QVERIFY(table.setFieldText("CISLO", QString::number(table.recordCount() + 1)));
            QVERIFY(table.setFieldText("DRUH", kind));
            QVERIFY(table.setFieldText("NAZEV", QStringLiteral("Nosič %1").arg(kind)));
            QVERIFY(table.post());
        }
    }
    m_aplikace = std::make_unique<Aplikace>(m_program->folder(), QString());
    m_aplikace->create(nullptr);
    QVERIFY(m_aplikace->databases()->otevreniDialog()->open(
        1, QStringLiteral("Standardní databáze programu Fonarium")));
    QCoreApplication::processEvents();
}

void TestSearchCommands::cleanup()
{
    m_aplikace.reset();
    m_program.reset();
}

void TestSearchCommands::commandsOpenTheSearchOfTheWindow_data()
{
    QTest::addColumn<QString>("command");
    for (const char* name : {"MU7", "TD9", "UD9", "MP7"})
        QTest::newRow(name) << name;
}

void TestSearchCommands::commandsOpenTheSearchOfTheWindow()
{
    QFETCH(QString, command);
    TNajitDialog* najit = m_aplikace->search()->najitDialog();
    if (command == "MP7") {
        TZaznamEditor* editor = m_aplikace->recordCommands()->activeEditor();
        QVERIFY(editor);
        auto* item = editor->popupMenu()->findChild<QAction*>(command);
        QVERIFY(item && item->isEnabled());
        item->trigger();
    } else {
        auto* item = m_aplikace->hlavni()->findChild<QAction*>(command);
        QVERIFY(item && item->isEnabled());
        item->trigger();
    }
    QVERIFY(najit->isVisible());
    QCOMPARE(najit->slot(), 1);
    QVERIFY(!m_aplikace->hlavni()->isEnabled());
    QTest::keyClick(najit, Qt::Key_Escape);
    QVERIFY(m_aplikace->hlavni()->isEnabled());
}

void TestSearchCommands::kindChoiceAndTheCopies()
{
    THlavniDialog* hlavni = m_aplikace->hlavni();
    TTable* table = m_aplikace->dataModule()->slotTable(1);
    QVERIFY(m_program->programIni().writeString("Kontrola", "Pomocna1", "1"));
    TRIGGER(hlavni, "NO3");
    QCOMPARE(table->recordCount(), 2);
    QCOMPARE(key("Pomocna1"), QStringLiteral("0"));
    // The per-carrier copy takes every kind, and the menu says so.
    TRIGGER(hlavni, "MU7");
    auto* label = m_aplikace->search()->najitDialog()->criterionLabel("2");
    QVERIFY(label);
    label->click();
    TPomocnaDialog* builder = m_aplikace->search()->pomocnaDialog();
    QVERIFY(builder->isVisible());
    builder->findChild<TOfficeLabel*>("Vytvorit")->click();
    QCOMPARE(key("Pomocna"), QStringLiteral("1"));
    QVERIFY(hlavni->findChild<QAction*>("N0")->isChecked());
    QVERIFY(!table->filtered());
    QCOMPARE(table->recordCount(), 3);
}

QTEST_MAIN(TestSearchCommands)
#include "test_searchcommands.moc"
