#include "Aplikace.h"
#include "AppTestSupport.h"
#include "DatabaseWindows.h"
#include "RecordCommands.h"
#include "TDataModule1.h"
#include "TDatabazeDialog.h"
#include "TDotazOdstranitDialog.h"
#include "THlavniDialog.h"
#include "TOtevreniDialog.h"
#include "TTable.h"
#include "TZaznamEditor.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class TestRecordCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void navigationFollowsTheRecord();
    void newRecordSavedFromTheMenu();
    void deleteAsksFirst();

private:
    bool enabled(const char* name) const
    {
        auto* item = m_aplikace->hlavni()->findChild<QAction*>(QString::fromLatin1(name));
        return item && item->isEnabled();
    }
    TZaznamEditor* editor() const { return m_aplikace->recordCommands()->activeEditor(); }
    TTable* table() const { return m_aplikace->dataModule()->table(1); }

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<Aplikace> m_aplikace;
};

void TestRecordCommands::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    {
        TTable carriers;
        carriers.setDatabaseName(m_program->folder().dataFolder());
        carriers.setTableName(QStringLiteral("AudioS.dbf"));
        QVERIFY(carriers.open());
        for (const char* number : {"1", "2", "3"}) {
            QVERIFY(carriers.insert());
            QVERIFY(carriers.setFieldText("CISLO", number));
            QVERIFY(carriers.setFieldText("DRUH", "LP"));
            QVERIFY(carriers.post());
        }
    }
    m_aplikace = std::make_unique<Aplikace>(m_program->folder(), QString());
    m_aplikace->create(nullptr);
    QVERIFY(m_aplikace->databases()->otevreniDialog()->open(
        1, QStringLiteral("Standardní databáze programu Fonarium")));
    QCoreApplication::processEvents();
    QVERIFY(editor());
}

void TestRecordCommands::cleanup()
{
    m_aplikace.reset();
    m_program.reset();
}

void TestRecordCommands::navigationFollowsTheRecord()
{
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
    TRIGGER(m_aplikace->hlavni(), "MU4");
    TDotazOdstranitDialog* question = m_aplikace->recordCommands()->deleteQuestion();
    QVERIFY(question->isVisible());
    QCOMPARE(table()->recordCount(), 3);
    QTest::keyClick(question, Qt::Key_Return);
    QVERIFY(!question->isVisible());
    QCOMPARE(table()->recordCount(), 2);
    QCOMPARE(table()->fieldText("CISLO"), QString("2"));
}

QTEST_MAIN(TestRecordCommands)
#include "test_recordcommands.moc"
