#include "BalloonRule.h"
#include "DatabaseFolder.h"
#include "DatabaseWindows.h"
#include "FakeSluzby.h"
#include "OptionalDatabases.h"
#include "TDotazJmenoDialog.h"
#include "TEditaceDialog.h"
#include "TJmenoDialog.h"
#include "TNovyDialog.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TOtevreniDialog.h"
#include "TVolba.h"
#include "TVymazatDialog.h"
#include "TZpravaDialog.h"
#include "TZrusitVolitelnyDialog.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

namespace {
const QString kNotCreated = QStringLiteral("Uživatelsky definovatelná databáze programu Fonarium");
const QString kNames = QStringLiteral("Volitelne");
const QString kOpen = QStringLiteral("Otevreni");

QStringList entryTexts(const TVyberDialog* dialog)
{
    QStringList texts;
    for (int i = 1; i <= dialog->entryCount(); ++i)
        texts << dialog->entry(i)->text();
    return texts;
}

QList<bool> struckEntries(const TVyberDialog* dialog)
{
    QList<bool> struck;
    for (int i = 1; i <= dialog->entryCount(); ++i)
        struck << dialog->entry(i)->isStruck();
    return struck;
}
} // namespace

class TestOptionalDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogsComeUpAndGo_data();
    void dialogsComeUpAndGo();
    void struckEntriesAreRedAndDisabled();
    void novyStrikesOpenDatabases();
    void chooserStrikesOpenAndNotCreated();
    void missingNameKeyReadsAsEmpty();
    void editaceStandsBesideThePickedEntry_data();
    void editaceStandsBesideThePickedEntry();
    void editaceGivesNovyBack_data();
    void editaceGivesNovyBack();
    void deleteIsStruckWithoutTable();
    void createThroughTheDialogs_data();
    void createThroughTheDialogs();
    void missingNameWarns_data();
    void missingNameWarns();
    void namingCanBeLeft_data();
    void namingCanBeLeft();
    void renamingKeepsTheRecords();
    void deleteThroughTheDialogs_data();
    void deleteThroughTheDialogs();
    void deleteCanBeRefused_data();
    void deleteCanBeRefused();
    void undeletableFileIsReported();
    void missingTemplateIsReported();
    void clearingTheStandardDatabase_data();
    void clearingTheStandardDatabase();
    void clearingIsNotOfferedWhileOpen();

private:
    TNovyDialog* novy() const { return m_windows->novyDialog(); }
    TEditaceDialog* editace() const { return m_windows->editaceDialog(); }
    TJmenoDialog* jmeno() const { return m_windows->jmenoDialog(); }
    // Novy, entry k, then the action `action` (1 create, 2 delete).
    void pick(int k, int action);
    void create(int k, const QString& name);

    std::unique_ptr<DatabaseFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<DatabaseWindows> m_windows;
};

void TestOptionalDialogs::init()
{
    m_folder = std::make_unique<DatabaseFolder>();
    QVERIFY(m_folder->isValid());
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_windows = std::make_unique<DatabaseWindows>(*m_sluzby);
    m_windows->createAll();
}

void TestOptionalDialogs::cleanup()
{
    m_windows.reset();
    m_sluzby.reset();
    m_folder.reset();
}

void TestOptionalDialogs::pick(int k, int action)
{
    novy()->ask();
    QVERIFY(novy()->isVisible());
    CLICK(novy(), TOfficeLabel, QStringLiteral("Volba%1").arg(k));
    QVERIFY(editace()->isVisible());
    CLICK(editace(), TOfficeLabel, QStringLiteral("Volba%1").arg(action));
}

void TestOptionalDialogs::create(int k, const QString& name)
{
    pick(k, 1);
    QVERIFY(jmeno()->isVisible());
    jmeno()->nameEdit()->setText(name);
    CLICK(jmeno(), TOfficeButton, "Ok");
    QVERIFY(!jmeno()->isVisible());
}

void TestOptionalDialogs::dialogsComeUpAndGo_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<int>("rule"); // -1 centred, else the balloon kind
    QTest::newRow("NovyDialog") << "NovyDialog"
                                << "SBO4"
                                << "Dialog.wav" << int(BalloonRule::Kind::Upper);
    QTest::newRow("OtevreniDialog") << "OtevreniDialog"
                                    << "SBO3"
                                    << "Dialog.wav" << int(BalloonRule::Kind::Upper);
    QTest::newRow("VymazatDialog") << "VymazatDialog"
                                   << "SBO6"
                                   << "Dotaz.wav" << int(BalloonRule::Kind::Side);
    QTest::newRow("ZrusitVolitelnyDialog") << "ZrusitVolitelnyDialog"
                                           << "SBO6"
                                           << "Dotaz.wav" << int(BalloonRule::Kind::Side);
    QTest::newRow("JmenoDialog") << "JmenoDialog"
                                 << "SBO4"
                                 << "" << -1;
}

void TestOptionalDialogs::dialogsComeUpAndGo()
{
    QFETCH(QString, dialog);
    QFETCH(QString, indicator);
    QFETCH(QString, sound);
    QFETCH(int, rule);
    m_sluzby->slot = 2;
    m_sluzby->setIndicator("SBO10", true);
    QWidget* window = nullptr;
    if (dialog == "NovyDialog") {
        novy()->ask();
        window = novy();
    } else if (dialog == "OtevreniDialog") {
        m_windows->otevreniDialog()->ask();
        window = m_windows->otevreniDialog();
    } else if (dialog == "VymazatDialog") {
        m_windows->vymazatDialog()->ask();
        window = m_windows->vymazatDialog();
    } else if (dialog == "ZrusitVolitelnyDialog") {
        m_windows->zrusitVolitelnyDialog()->ask(2);
        window = m_windows->zrusitVolitelnyDialog();
    } else {
        jmeno()->ask(1, QStringLiteral("Moje desky"));
        window = jmeno();
    }
    QCOMPARE(window->objectName(), dialog);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_sluzby->isIndicatorVisible(indicator));
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO10"));
    QVERIFY(!m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->assistantEnabled);
    QCOMPARE(m_sluzby->sounds, sound.isEmpty() ? QStringList() : QStringList{sound});
    if (rule < 0) {
        QVERIFY(m_sluzby->rules.isEmpty());
        QCOMPARE(window->size(), QSize(372, 92));
    } else {
        QCOMPARE(m_sluzby->rules.size(), 1);
        QCOMPARE(int(m_sluzby->rules.first().kind), rule);
    }
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(!m_sluzby->isIndicatorVisible(indicator));
    // A database window is in front, so its ready sign comes back.
    QVERIFY(m_sluzby->isIndicatorVisible("SBO10"));
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(m_sluzby->assistantEnabled);
}

void TestOptionalDialogs::struckEntriesAreRedAndDisabled()
{
    m_folder->setKey(kOpen, "Databaze2", "1");
    m_folder->setKey(kNames, "Data2", "Desky");
    novy()->ask();
    TVolba* open = novy()->entry(1);
    TVolba* shortName = novy()->entry(2);
    QVERIFY(open->isStruck());
    QVERIFY(!open->label()->isEnabled());
    QVERIFY(shortName->label()->isEnabled());
    // The long text takes two lines, so it gets two lines through it.
    const QList<QPair<int, int>> bands = redBands(open->grab().toImage());
    QCOMPARE(bands.size(), 2);
    QCOMPARE(open->strikeLines(), 2);
    for (const auto& [top, bottom] : bands)
        QCOMPARE(bottom - top + 1, 2);
    QVERIFY(redBands(shortName->grab().toImage()).isEmpty());
    // A struck entry does not react to the mouse.
    QSignalSpy picked(novy(), &TNovyDialog::picked);
    QTest::mouseClick(open->label(), Qt::LeftButton);
    QCOMPARE(picked.count(), 0);
    QTest::mouseClick(shortName->label(), Qt::LeftButton);
    QCOMPARE(picked.count(), 1);
}

void TestOptionalDialogs::novyStrikesOpenDatabases()
{
    m_folder->setKey(kNames, "Data1", "Jazz");
    m_folder->setKey(kNames, "Data3", "Klasika");
    m_folder->setKey(kOpen, "Databaze4", "1");
    m_folder->setKey(kOpen, "Databaze1", "1");
    novy()->ask();
    QCOMPARE(entryTexts(novy()), (QStringList{"Jazz", kNotCreated, "Klasika"}));
    // Created or not, only an open database is out of reach.
    QCOMPARE(struckEntries(novy()), (QList<bool>{false, false, true}));
    QCOMPARE(novy()->entry(3)->strikeLines(), 1);
}

void TestOptionalDialogs::chooserStrikesOpenAndNotCreated()
{
    m_folder->setKey(kNames, "Data1", "Jazz");
    m_folder->setKey(kNames, "Data3", "Klasika");
    m_folder->setKey(kOpen, "Databaze4", "1");
    TOtevreniDialog* chooser = m_windows->otevreniDialog();
    chooser->ask();
    QCOMPARE(entryTexts(chooser), (QStringList{"Standardní databáze programu Fonarium", "Jazz",
                                               kNotCreated, "Klasika"}));
    QCOMPARE(struckEntries(chooser), (QList<bool>{false, false, true, true}));
    chooser->hide();
    m_folder->setKey(kOpen, "Databaze1", "1");
    m_folder->setKey(kOpen, "Databaze4", "0");
    chooser->ask();
    QCOMPARE(struckEntries(chooser), (QList<bool>{true, false, true, false}));
}

void TestOptionalDialogs::missingNameKeyReadsAsEmpty()
{
    create(2, QStringLiteral("Jazz"));
    QList<QByteArray> lines = m_folder->iniBytes().split('\n');
    lines.removeIf([](const QByteArray& line) { return line.startsWith("Data2="); });
    QFile file(m_folder->folder().programIniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join('\n'));
    file.close();
    QVERIFY(!m_folder->iniBytes().contains("Data2="));
    novy()->ask();
    QCOMPARE(novy()->entry(2)->text(), QString());
    novy()->hide();
    pick(2, 1);
    QVERIFY(jmeno()->isVisible());
    QCOMPARE(jmeno()->nameEdit()->text(), QString());
}

void TestOptionalDialogs::editaceStandsBesideThePickedEntry_data()
{
    QTest::addColumn<QPoint>("novy");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("first") << QPoint(700, 500) << 1 << QPoint(500, 539);
    QTest::newRow("second") << QPoint(700, 500) << 2 << QPoint(500, 571);
    QTest::newRow("third") << QPoint(700, 500) << 3 << QPoint(500, 603);
    QTest::newRow("at the left edge") << QPoint(204, 100) << 2 << QPoint(304, 171);
    QTest::newRow("just room") << QPoint(205, 100) << 1 << QPoint(5, 139);
}

void TestOptionalDialogs::editaceStandsBesideThePickedEntry()
{
    QFETCH(QPoint, novy);
    QFETCH(int, entry);
    QFETCH(QPoint, expected);
    QCOMPARE(TEditaceDialog::placeBeside(novy, entry), expected);
    this->novy()->ask();
    this->novy()->move(novy);
    CLICK(this->novy(), TOfficeLabel, QStringLiteral("Volba%1").arg(entry));
    QCOMPARE(editace()->pos(), expected);
    QCOMPARE(editace()->optional(), entry);
    static const QStringList headings{"První volitelná databáze", "Druhá volitelná databáze",
                                      "Třetí volitelná databáze"};
    QCOMPARE(editace()->findChild<QLabel*>("Label1")->text(), headings.at(entry - 1));
    QCOMPARE(editace()->findChild<QLineEdit*>("Kontrola")->text(), QString::number(entry));
    QVERIFY(!this->novy()->isEnabled());
    QVERIFY(this->novy()->isVisible());
    QVERIFY(m_sluzby->isIndicatorVisible("SBO4"));
}

void TestOptionalDialogs::editaceGivesNovyBack_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Storno") << 0;
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TestOptionalDialogs::editaceGivesNovyBack()
{
    QFETCH(int, how);
    novy()->ask();
    CLICK(novy(), TOfficeLabel, "Volba2");
    if (how)
        QTest::keyClick(editace(), Qt::Key(how));
    else
        CLICK(editace(), TOfficeButton, "Storno");
    QVERIFY(!editace()->isVisible());
    QVERIFY(novy()->isVisible());
    QVERIFY(novy()->isEnabled());
    QVERIFY(m_sluzby->isIndicatorVisible("SBO4"));
    QVERIFY(!m_sluzby->mainEnabled);
    QTest::keyClick(novy(), Qt::Key_Return);
    QVERIFY(!novy()->isVisible());
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO4"));
    QVERIFY(m_sluzby->mainEnabled);
}

void TestOptionalDialogs::deleteIsStruckWithoutTable()
{
    // A name alone, as a table deleted by hand leaves it.
    m_folder->setKey(kNames, "Data1", "Ztracená");
    create(2, QStringLiteral("Existující"));
    novy()->ask();
    CLICK(novy(), TOfficeLabel, "Volba1");
    QVERIFY(editace()->deleteEntry()->isStruck());
    QCOMPARE(editace()->deleteEntry()->strikeLines(), 1);
    QCOMPARE(redBands(editace()->deleteEntry()->grab().toImage()).size(), 1);
    QVERIFY(!editace()->createEntry()->isStruck());
    QTest::keyClick(editace(), Qt::Key_Escape);
    CLICK(novy(), TOfficeLabel, "Volba2");
    QVERIFY(!editace()->deleteEntry()->isStruck());
    QVERIFY(editace()->deleteEntry()->label()->isEnabled());
}

void TestOptionalDialogs::createThroughTheDialogs_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("enter");
    QTest::newRow("first, Ok") << 1 << false;
    QTest::newRow("second, Enter") << 2 << true;
    QTest::newRow("third, Ok") << 3 << false;
}

void TestOptionalDialogs::createThroughTheDialogs()
{
    QFETCH(int, k);
    QFETCH(bool, enter);
    const QString table = QStringLiteral("Audio%1").arg(k);
    pick(k, 1);
    QVERIFY(!editace()->isVisible());
    QVERIFY(!novy()->isVisible());
    QVERIFY(jmeno()->isVisible());
    QCOMPARE(jmeno()->findChild<QLabel*>("Label2")->text(), QString::number(k));
    QCOMPARE(jmeno()->nameEdit()->text(), kNotCreated);
    const QString name = QStringLiteral("Sbírka vinylů č. %1 – celá polička u okna").arg(k);
    jmeno()->nameEdit()->setText(name);
    if (enter)
        QTest::keyClick(jmeno()->nameEdit(), Qt::Key_Return);
    else
        CLICK(jmeno(), TOfficeButton, "Ok");
    QVERIFY(!jmeno()->isVisible());
    QCOMPARE(m_folder->key(kNames, QStringLiteral("Data%1").arg(k)), name);
    for (const char* extension : {".dbf", ".dbt", ".mdx"})
        QVERIFY2(m_folder->exists(table + extension), extension);
    QCOMPARE(m_folder->records(table + ".dbf"), 0);
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO4"));
    novy()->ask();
    QCOMPARE(novy()->entry(k)->text(), name);
    QVERIFY(!novy()->entry(k)->isStruck());
}

void TestOptionalDialogs::missingNameWarns_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("close");
    QTest::newRow("empty, Ok") << "" << 0;
    QTest::newRow("not created, Enter") << kNotCreated << int(Qt::Key_Return);
    QTest::newRow("blanks, Esc") << "   " << int(Qt::Key_Escape);
}

void TestOptionalDialogs::missingNameWarns()
{
    QFETCH(QString, name);
    QFETCH(int, close);
    const QByteArray before = m_folder->iniBytes();
    pick(1, 1);
    jmeno()->nameEdit()->setText(name);
    CLICK(jmeno(), TOfficeButton, "Ok");
    TDotazJmenoDialog* warning = m_windows->dotazJmenoDialog();
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->findChild<QLabel*>("Label2")->text(),
             QStringLiteral("Nejprve musíte zadat název volitelné databáze."));
    QVERIFY(jmeno()->isVisible());
    QVERIFY(!jmeno()->isEnabled());
    QVERIFY(m_sluzby->isIndicatorVisible("SBO7"));
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO4"));
    QCOMPARE(m_sluzby->sounds.last(), QStringLiteral("Info.wav"));
    QCOMPARE(int(m_sluzby->rules.last().kind), int(BalloonRule::Kind::Side));
    if (close)
        QTest::keyClick(warning, Qt::Key(close));
    else
        CLICK(warning, TOfficeButton, "Ok");
    QVERIFY(!warning->isVisible());
    QVERIFY(jmeno()->isVisible());
    QVERIFY(jmeno()->isEnabled());
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO7"));
    QVERIFY(m_sluzby->isIndicatorVisible("SBO4"));
    // The naming dialog is still up: the main window stays disabled.
    QVERIFY(!m_sluzby->mainEnabled);
    QVERIFY(!m_folder->exists("Audio1.dbf"));
    QCOMPARE(m_folder->iniBytes(), before);
}

void TestOptionalDialogs::namingCanBeLeft_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Storno") << false;
    QTest::newRow("Esc") << true;
}

void TestOptionalDialogs::namingCanBeLeft()
{
    QFETCH(bool, escape);
    pick(3, 1);
    jmeno()->nameEdit()->setText(QStringLiteral("Nikdy"));
    if (escape)
        QTest::keyClick(jmeno(), Qt::Key_Escape);
    else
        CLICK(jmeno(), TOfficeButton, "Storno");
    QVERIFY(!jmeno()->isVisible());
    QCOMPARE(m_folder->key(kNames, "Data3"), kNotCreated);
    QVERIFY(!m_folder->exists("Audio3.dbf"));
    QVERIFY(m_sluzby->mainEnabled);
}

void TestOptionalDialogs::renamingKeepsTheRecords()
{
    create(2, QStringLiteral("Staré jméno"));
    m_folder->addCarriers("Audio2.dbf", {"Abbey Road", "Kind of Blue", "Blue Train"});
    pick(2, 1);
    QCOMPARE(jmeno()->nameEdit()->text(), QStringLiteral("Staré jméno"));
    jmeno()->nameEdit()->setText(QStringLiteral("Nové jméno"));
    CLICK(jmeno(), TOfficeButton, "Ok");
    QCOMPARE(m_folder->key(kNames, "Data2"), QStringLiteral("Nové jméno"));
    QCOMPARE(m_folder->records("Audio2.dbf"), 3);
}

void TestOptionalDialogs::deleteThroughTheDialogs_data()
{
    QTest::addColumn<bool>("enter");
    QTest::newRow("Ano") << false;
    QTest::newRow("Enter") << true;
}

void TestOptionalDialogs::deleteThroughTheDialogs()
{
    QFETCH(bool, enter);
    create(3, QStringLiteral("Kazety"));
    m_folder->addCarriers("Audio3.dbf", {"Strana A"});
    m_folder->setKey("Kontrola", "Pomocna", "1");
    m_folder->setKey("Kontrola", "Pomocna1", "1");
    const QByteArray loans = m_folder->bytes("Pujcovna.dbf");
    QVERIFY(!loans.isEmpty());
    pick(3, 2);
    TZrusitVolitelnyDialog* question = m_windows->zrusitVolitelnyDialog();
    QVERIFY(question->isVisible());
    QVERIFY(!novy()->isVisible());
    QVERIFY(!editace()->isVisible());
    QCOMPARE(question->findChild<QLabel*>("Label3")->text(), QStringLiteral("3"));
    QVERIFY(m_sluzby->isIndicatorVisible("SBO6"));
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO4"));
    if (enter)
        QTest::keyClick(question, Qt::Key_Return);
    else
        CLICK(question, TOfficeButton, "Ano");
    QVERIFY(!question->isVisible());
    for (const char* file : {"Audio3.dbf", "Audio3.dbt", "Audio3.mdx"})
        QVERIFY2(!m_folder->exists(file), file);
    QCOMPARE(m_folder->key(kNames, "Data3"), kNotCreated);
    QCOMPARE(m_folder->bytes("Pujcovna.dbf"), loans);
    QCOMPARE(m_folder->key("Kontrola", "Pomocna"), QStringLiteral("1"));
    QCOMPARE(m_folder->key("Kontrola", "Pomocna1"), QStringLiteral("1"));
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO6"));
    QVERIFY(m_sluzby->mainEnabled);
}

void TestOptionalDialogs::deleteCanBeRefused_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Ne") << false;
    QTest::newRow("Esc") << true;
}

void TestOptionalDialogs::deleteCanBeRefused()
{
    QFETCH(bool, escape);
    create(1, QStringLiteral("Zůstane"));
    pick(1, 2);
    TZrusitVolitelnyDialog* question = m_windows->zrusitVolitelnyDialog();
    if (escape)
        QTest::keyClick(question, Qt::Key_Escape);
    else
        CLICK(question, TOfficeButton, "Ne");
    QVERIFY(!question->isVisible());
    QVERIFY(m_folder->exists("Audio1.dbf"));
    QCOMPARE(m_folder->key(kNames, "Data1"), QStringLiteral("Zůstane"));
}

void TestOptionalDialogs::undeletableFileIsReported()
{
    create(1, QStringLiteral("Držená"));
    // A folder in place of the index file cannot be deleted as a file.
    QVERIFY(QFile::remove(m_folder->data("Audio1.mdx")));
    QVERIFY(QDir(m_folder->folder().dataFolder()).mkpath("Audio1.mdx/zamceno"));
    pick(1, 2);
    CLICK(m_windows->zrusitVolitelnyDialog(), TOfficeButton, "Ano");
    TZpravaDialog* message = m_windows->zpravaDialog();
    QVERIFY(message->isVisible());
    QVERIFY2(message->message().contains("Audio1.mdx"), qPrintable(message->message()));
    QCOMPARE(m_folder->key(kNames, "Data1"), QStringLiteral("Držená"));
    QVERIFY(m_sluzby->isIndicatorVisible("SBO7"));
    QTest::keyClick(message, Qt::Key_Return);
    QVERIFY(!message->isVisible());
    QVERIFY(m_sluzby->mainEnabled);
}

void TestOptionalDialogs::missingTemplateIsReported()
{
    QVERIFY(QFile::remove(ProgramFolder::findFile(m_folder->folder().templateFolder(),
                                                  QStringLiteral("Audio2.Dbt"))));
    const QByteArray before = m_folder->iniBytes();
    pick(2, 1);
    jmeno()->nameEdit()->setText(QStringLiteral("Bez šablony"));
    CLICK(jmeno(), TOfficeButton, "Ok");
    QVERIFY(!jmeno()->isVisible());
    TZpravaDialog* message = m_windows->zpravaDialog();
    QVERIFY(message->isVisible());
    QVERIFY2(message->message().contains("Audio2"), qPrintable(message->message()));
    QVERIFY(!m_folder->exists("Audio2.dbf"));
    QCOMPARE(m_folder->iniBytes(), before);
}

void TestOptionalDialogs::clearingTheStandardDatabase_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("Ano") << 0 << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Ne") << -1 << false;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
}

void TestOptionalDialogs::clearingTheStandardDatabase()
{
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    m_folder->addCarriers("AudioS.dbf", {"Jedna", "Dvě"});
    m_folder->setKey("Kontrola", "Pomocna", "1");
    const QByteArray loans = m_folder->bytes("Pujcovna.dbf");
    TVymazatDialog* question = m_windows->vymazatDialog();
    question->ask();
    QCOMPARE(question->findChild<QLabel*>("Label2")->text().replace(QChar::Nbsp, QLatin1Char(' ')),
             QStringLiteral("Opravdu chcete vymazat Standardní databázi ?"));
    if (answer > 0)
        QTest::keyClick(question, Qt::Key(answer));
    else
        question->findChild<TOfficeButton*>(answer == 0 ? "Ano" : "Ne")->click();
    QVERIFY(!question->isVisible());
    QCOMPARE(m_folder->records("AudioS.dbf"), cleared ? 0 : 2);
    QCOMPARE(m_folder->bytes("Pujcovna.dbf"), loans);
    // A search copy of the emptied database would list what is gone.
    QCOMPARE(m_folder->key("Kontrola", "Pomocna"),
             cleared ? QStringLiteral("0") : QStringLiteral("1"));
    QVERIFY(!m_sluzby->isIndicatorVisible("SBO6"));
}

void TestOptionalDialogs::clearingIsNotOfferedWhileOpen()
{
    m_folder->addCarriers("AudioS.dbf", {"Otevřená"});
    m_folder->setKey(kOpen, "Databaze1", "1");
    m_windows->vymazatDialog()->ask();
    QVERIFY(!m_windows->vymazatDialog()->isVisible());
    QVERIFY(m_sluzby->mainEnabled);
    QCOMPARE(m_folder->records("AudioS.dbf"), 1);
}

QTEST_MAIN(TestOptionalDialogs)
#include "test_optionaldialogs.moc"
