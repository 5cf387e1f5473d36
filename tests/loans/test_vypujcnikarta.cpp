#include "Aplikace.h"
#include "AppTestSupport.h"
#include "DatabaseWindows.h"
#include "LoanFiles.h"
#include "RecordCommands.h"
#include "TDataModule1.h"
#include "TDatabazeDialog.h"
#include "TDotazKonecDialog.h"
#include "TDotazVypujckaDialog.h"
#include "THlavniDialog.h"
#include "TOtevreniDialog.h"
#include "TTable.h"
#include "TZaznamEditor.h"
#include "TZpravaDialog.h"

#include "FieldCodec.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>

// The loan card of the real program, driven by object names inside the
// database window (the main window has buttons of the same names).
class TestVypujcniKarta : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newCardLentAndReturned();
    void blankCardStoresNothing();
    void refusedValueStoresNothing();
    void savingWhileTheRecordIsEdited_data();
    void savingWhileTheRecordIsEdited();
    void closeAndExitWhileTheCardIsEdited();
    void markStaysWhileThePersonBorrows();
    void newRecordWithoutNumberGetsNoCard();
    void brokenBookLeavesTheLoanRecorded();
    void twoWindowsEachKeepTheirCarrier();
    void typedCardKeepsItsCarrier_data();
    void typedCardKeepsItsCarrier();

private:
    void start(const QStringList& numbers, int windows = 1);
    TDatabazeDialog* window(int slot = 1) const
    {
        return qobject_cast<TDatabazeDialog*>(m_aplikace->hlavni()->documentWindow(slot));
    }
    template <typename T = QWidget> T* in(const QString& name, int slot = 1) const
    {
        return window(slot) ? window(slot)->findChild<T*>(name) : nullptr;
    }
    bool shown(const QString& name, int slot = 1) const
    {
        auto* w = in(name, slot);
        return w && w->isVisibleTo(window(slot));
    }
    bool enabled(const QString& name, int slot = 1) const
    {
        auto* w = in(name, slot);
        return w && w->isEnabledTo(window(slot));
    }
    void click(const QString& name, int slot = 1);
    void openCard(int slot = 1);
    void fill(const QStringList& values, int slot = 1);
    void lend(const QStringList& values, int slot = 1);
    bool mainPartsEnabled() const;
    QString carrierMark(int slot = 1) const
    {
        return m_aplikace->dataModule()->table(slot)->fieldText("PUJCENO");
    }
    QString data() const { return m_program->folder().dataFolder(); }
    QStringList marks(int book, const QString& field) const
    {
        return loanfiles::column(data(), QStringLiteral("Adresar%1.dbf").arg(book), field);
    }
    QStringList register_(const QString& field) const
    {
        return loanfiles::column(data(), "Pujcovna.dbf", field);
    }

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<Aplikace> m_aplikace;
};

void TestVypujcniKarta::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    QVERIFY(m_program->suiteIni().writeString("Nastaveni", "Uvitani", "0"));
    QVERIFY(m_program->programIni().writeString("Zobrazit", "Tipy", "0"));
    const QList<loanfiles::Row> people = {loanfiles::person("Novák", "Jan", "Dlouhá"),
                                          loanfiles::person("Novák", "Petr", "Dlouhá"),
                                          loanfiles::person("Nováková", "Jana", "Dlouhá")};
    loanfiles::create(data(), "Adresar1", people);
    loanfiles::create(data(), "Adresar2", people);
    // A sibling program's loan of the same evidence number.
    loanfiles::append(data(), "Pujcovna.dbf",
                      {{{"PRIJMENI", "Novák"}, {"ID", "12"}, {"PROGRAM", "KN"}}});
}

void TestVypujcniKarta::cleanup()
{
    m_aplikace.reset();
    m_program.reset();
}

void TestVypujcniKarta::start(const QStringList& numbers, int windows)
{
    for (int slot = 2; slot <= windows; ++slot)
        QVERIFY(tablefiles::create(data(), layouts::carrier(layouts::carrierTableOfSlot(slot)),
                                   ".dbt", ".mdx"));
    for (int slot = 1; slot <= windows; ++slot) {
        QList<loanfiles::Row> rows;
        for (const QString& number : numbers)
            rows.append({{"CISLO", number}, {"DRUH", "Audio CD"}, {"C1", "3.45"}});
        loanfiles::append(data(), layouts::carrierTableOfSlot(slot) + ".dbf", rows);
    }
    m_aplikace = std::make_unique<Aplikace>(m_program->folder(), QString());
    m_aplikace->create(nullptr);
    for (int slot = 1; slot <= windows; ++slot)
        QVERIFY(m_aplikace->databases()->otevreniDialog()->open(slot,
                                                                QStringLiteral("Db %1").arg(slot)));
    QCoreApplication::processEvents();
    QVERIFY(in("Panel10"));
}

void TestVypujcniKarta::click(const QString& name, int slot)
{
    auto* button = in<QAbstractButton>(name, slot);
    QVERIFY2(button, qPrintable("no button " + name));
    QVERIFY2(button->isEnabled(), qPrintable("disabled button " + name));
    button->click();
}

void TestVypujcniKarta::openCard(int slot)
{
    auto* mark = in<QLabel>("RxLabel1", slot);
    QVERIFY(mark);
    QTest::mouseClick(mark, Qt::LeftButton);
}

void TestVypujcniKarta::fill(const QStringList& values, int slot)
{
    const QStringList editors = {"DBEdit2", "DBEdit1", "DBEdit3", "DBEdit7"};
    for (int i = 0; i < values.size(); ++i)
        in<QLineEdit>(editors.at(i), slot)->setText(values.at(i));
}

// Surname, first name, street and post code on a new card, saved.
void TestVypujcniKarta::lend(const QStringList& values, int slot)
{
    openCard(slot);
    click("TD3", slot);
    fill(values, slot);
    click("TD4", slot);
}

bool TestVypujcniKarta::mainPartsEnabled() const
{
    THlavniDialog* hlavni = m_aplikace->hlavni();
    return hlavni->findChild<QToolBar*>("DatabazeL")->isEnabled() &&
           hlavni->findChild<QToolBar*>("StandardniL")->isEnabled() &&
           hlavni->findChild<QWidget*>("LookOutPage1")->isEnabled() &&
           hlavni->findChild<QWidget*>("LookOutPage2")->isEnabled() &&
           hlavni->findChild<QMenu*>("MenuSoubor")->menuAction()->isEnabled() &&
           hlavni->findChild<QMenu*>("MenuUpravy")->menuAction()->isEnabled();
}

void TestVypujcniKarta::newCardLentAndReturned()
{
    start({"12", "13"});
    const QByteArray book = loanfiles::bytes(data() + "Adresar1.dbf");
    openCard();
    QVERIFY(shown("Panel10"));
    QVERIFY(shown("Kryti"));
    QCOMPARE(window()->currentPopupMenu(), window()->popupMenu2());
    QVERIFY(!mainPartsEnabled());
    QCOMPARE((QList<bool>{enabled("TD2"), enabled("TD3"), enabled("TD4"), enabled("TD5"),
                          enabled("TD7")}),
             (QList<bool>{false, true, false, false, true}));
    click("TD3");
    QVERIFY(!shown("Kryti"));
    QVERIFY(!enabled("TD7"));
    QVERIFY(window()->isLoanCardEditing());
    fill({"Novák", "Jan", "Dlouhá", "11000"});
    click("TD4");

    QCOMPARE(register_("PROGRAM"), (QStringList{"KN", "AS"}));
    QCOMPARE(register_("ID").last(), "12");
    QCOMPARE(register_("PSC").last(), "11000");
    QCOMPARE(in<QLabel>("DBText2")->text(),
             QLocale().toString(QDate::currentDate(), fieldcodec::dateFormat(QLocale())));
    QCOMPARE(carrierMark(), "Půjčeno");
    for (int b : {1, 2}) {
        QCOMPARE(marks(b, "A1"), (QStringList{"True", "False", "False"}));
        QCOMPARE(marks(b, "A3"), (QStringList{"True", "True", "True"}));
    }
    QVERIFY(enabled("TD2") && enabled("TD7") && !enabled("TD5"));

    click("TD2");
    QCOMPARE(register_("PROGRAM"), QStringList{"KN"});
    QCOMPARE(carrierMark(), "");
    QVERIFY(shown("Kryti"));
    QCOMPARE(loanfiles::bytes(data() + "Adresar1.dbf").mid(4), book.mid(4));
    click("TD7");
    QVERIFY(!shown("Panel10"));
    QVERIFY(mainPartsEnabled());
    QCOMPARE(window()->currentPopupMenu(), window()->popupMenu1());
}

void TestVypujcniKarta::blankCardStoresNothing()
{
    start({"12"});
    const QByteArray loans = loanfiles::bytes(data() + "Pujcovna.dbf");
    openCard();
    click("TD3");
    fill({"Novák", "Jan"});
    click("TD5");
    QVERIFY(shown("Kryti"));
    QCOMPARE(in<QLineEdit>("DBEdit2")->text(), "");
    click("TD7");
    openCard();
    QVERIFY(!mainPartsEnabled());
    // A window closed while its card is shown gives the main window back.
    window()->close();
    QTRY_VERIFY(!window());
    QVERIFY(mainPartsEnabled());
    m_aplikace->hlavni()->close();
    QCOMPARE(loanfiles::bytes(data() + "Pujcovna.dbf"), loans);
    QCOMPARE(marks(1, "A1"), (QStringList{"False", "False", "False"}));
}

// A post code with a blank would fail only after the carrier is marked.
void TestVypujcniKarta::refusedValueStoresNothing()
{
    start({"12"});
    const QByteArray loans = loanfiles::bytes(data() + "Pujcovna.dbf");
    const QByteArray carriers = loanfiles::bytes(data() + "AudioS.dbf");
    lend({"Novák", "Jan", "Dlouhá", "110 00"});
    auto* zprava = m_aplikace->databases()->zpravaDialog();
    QTRY_VERIFY(zprava->isVisible());
    QVERIFY2(zprava->message().contains("PSČ"), qPrintable(zprava->message()));
    QVERIFY(window()->isLoanCardEditing());
    QCOMPARE(loanfiles::bytes(data() + "Pujcovna.dbf"), loans);
    QCOMPARE(loanfiles::bytes(data() + "AudioS.dbf"), carriers);
    QCOMPARE(carrierMark(), "");
}

void TestVypujcniKarta::savingWhileTheRecordIsEdited_data()
{
    QTest::addColumn<QString>("track");
    QTest::addColumn<bool>("stored");
    QTest::newRow("a length") << "4.30" << true;
    QTest::newRow("not a length") << "4.3x" << false;
}

void TestVypujcniKarta::savingWhileTheRecordIsEdited()
{
    QFETCH(QString, track);
    QFETCH(bool, stored);
    start({"12"});
    TRIGGER(m_aplikace->hlavni(), "MU5");
    in<QLineEdit>("T2")->setText(track);
    lend({"Novák", "Jan", "Dlouhá", ""});
    TTable* carriers = m_aplikace->dataModule()->table(1);
    QVERIFY(window()->isRecordEditing());
    QVERIFY(carriers->isEditing());
    QCOMPARE(window()->isLoanCardEditing(), !stored);
    QCOMPARE(register_("PROGRAM").size(), stored ? 2 : 1);
    carriers->cancel();
    QCOMPARE(carrierMark(), stored ? "Půjčeno" : "");
    // The total of both tracks went with the mark: 3:45 + 4:30.
    if (stored)
        QCOMPARE(carriers->fieldValueText("CELKEM"), "8.15");
}

void TestVypujcniKarta::closeAndExitWhileTheCardIsEdited()
{
    start({"12"});
    TRIGGER(m_aplikace->hlavni(), "MU5");
    openCard();
    click("TD3");
    QSignalSpy ended(m_aplikace->hlavni(), &THlavniDialog::ended);
    m_aplikace->hlavni()->close();
    // The record's question comes first; its answer resumes the exit, which
    // the card's warning then stops.
    auto* question = m_aplikace->databases()->dotazKonecDialog();
    auto* warning = m_aplikace->databases()->dotazVypujckaDialog();
    QTRY_VERIFY(question->isVisible());
    QVERIFY(!warning->isVisible());
    QTest::keyClick(question, Qt::Key_Return);
    QTRY_VERIFY(warning->isVisible());
    QCOMPARE(warning->findChild<QLabel*>("Label3")->text(), "Db 1");
    QCOMPARE(warning->findChild<QLabel*>("Label2")->text(),
             "Před  uzavřením  okna  je  nutné  uložit  právě prováděné změny u vypůjčitelů.");
    QTest::keyClick(warning, Qt::Key_Return);
    QVERIFY(!warning->isVisible());
    QVERIFY(window());
    QVERIFY(window()->isLoanCardEditing());
    QCOMPARE(ended.count(), 0);

    // Closing the window alone warns again; saved, the card lets it go.
    window()->close();
    QTRY_VERIFY(warning->isVisible());
    QTest::keyClick(warning, Qt::Key_Escape);
    fill({"Novák", "Jan", "Dlouhá"});
    click("TD4");
    window()->close();
    QTRY_VERIFY(!window());
    QCOMPARE(register_("ID"), (QStringList{"12", "12"}));
}

void TestVypujcniKarta::markStaysWhileThePersonBorrows()
{
    start({"12", "13"});
    lend({"Novák", "Jan", "Dlouhá", ""});
    click("TD7");
    TRIGGER(m_aplikace->hlavni(), "PNa3");
    lend({"Novák", "Jan", "Dlouhá", ""});
    click("TD2");
    QCOMPARE(marks(1, "A1"), (QStringList{"True", "False", "False"}));
    click("TD7");
    TRIGGER(m_aplikace->hlavni(), "PNa1");
    openCard();
    // Another borrower on the same card: the first one no longer borrows.
    click("TD3");
    fill({"Novák", "Petr"});
    click("TD4");
    QCOMPARE(marks(2, "A1"), (QStringList{"False", "True", "False"}));
    click("TD2");
    QCOMPARE(marks(2, "A1"), (QStringList{"False", "False", "False"}));
}

void TestVypujcniKarta::newRecordWithoutNumberGetsNoCard()
{
    start({"12"});
    TRIGGER(m_aplikace->hlavni(), "PNa5");
    openCard();
    auto* zprava = m_aplikace->databases()->zpravaDialog();
    QTRY_VERIFY(zprava->isVisible());
    QVERIFY(zprava->message().contains("evidenční číslo"));
    QVERIFY(!shown("Panel10"));
}

void TestVypujcniKarta::twoWindowsEachKeepTheirCarrier()
{
    start({"12", "13"}, 2);
    openCard(1);
    click("TD7", 1);
    TRIGGER(m_aplikace->hlavni(), "PNa3");
    openCard(2);
    openCard(1);
    click("TD3", 1);
    fill({"Novák", "Jan", "Dlouhá"}, 1);
    click("TD3", 2);
    fill({"Novák", "Petr", "Dlouhá"}, 2);
    click("TD4", 1);
    click("TD4", 2);
    QCOMPARE(register_("PROGRAM"), (QStringList{"KN", "AS", "A1"}));
    QCOMPARE(register_("ID"), (QStringList{"12", "12", "13"}));
    QCOMPARE(register_("JMENO"), (QStringList{"", "Jan", "Petr"}));
    QCOMPARE(marks(1, "A1"), (QStringList{"True", "False", "False"}));
    QCOMPARE(marks(1, "A2"), (QStringList{"", "True", ""}));
}

void TestVypujcniKarta::brokenBookLeavesTheLoanRecorded()
{
    QFile book(data() + "Adresar1.dbf");
    QVERIFY(book.open(QIODevice::WriteOnly));
    book.write("no table here");
    book.close();
    start({"12"});
    lend({"Novák", "Jan", "Dlouhá", ""});
    auto* zprava = m_aplikace->databases()->zpravaDialog();
    QTRY_VERIFY(zprava->isVisible());
    QVERIFY2(zprava->message().contains("Adresar1.dbf"), qPrintable(zprava->message()));
    QCOMPARE(register_("ID"), (QStringList{"12", "12"}));
    QCOMPARE(carrierMark(), "Půjčeno");
    QCOMPARE(marks(2, "A1"), (QStringList{"True", "False", "False"}));
    // The progress window went on this path too.
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != "InfoPropojitDialog" || !widget->isVisible());
}

void TestVypujcniKarta::typedCardKeepsItsCarrier_data()
{
    // A command of the main window, or "other" for a move from elsewhere.
    QTest::addColumn<QString>("move");
    QTest::newRow("next record, F7") << "PNa3";
    QTest::newRow("search, Ctrl+F") << "MU7";
    QTest::newRow("another kind shown") << "other";
}

void TestVypujcniKarta::typedCardKeepsItsCarrier()
{
    QFETCH(QString, move);
    start({"12", "13"});
    openCard();
    click("TD3");
    fill({"Dvořák", "Jan", "Dlouhá", ""});
    auto* command = m_aplikace->hlavni()->findChild<QAction*>(move);
    QVERIFY(command ? !command->isEnabled() : bool(m_aplikace->dataModule()->table(1)->next()));
    click("TD4");
    // Saved for its own carrier or refused, never for the one now in front.
    QCOMPARE(register_("ID"), command ? QStringList({"12", "12"}) : QStringList({"12"}));
    QCOMPARE(carrierMark(), command ? "Půjčeno" : "");
    if (command) {
        click("TD7");
        QVERIFY(command->isEnabled());
    }
}

QTEST_MAIN(TestVypujcniKarta)
#include "test_vypujcnikarta.moc"
