#include "AppTestSupport.h"
#include "BalloonRule.h"
#include "KeyNames.h"
#include "KindChoice.h"
#include "PrinterSetup.h"
#include "TDokumenty.h"
#include "TStavovyRadek.h"
#include "TTable.h"
#include "TableLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

namespace {

QStringList itemNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* item : actions) {
        if (!item->isVisible())
            continue;
        names << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    }
    return names;
}

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestHlavniDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frame();
    void menuItems_data();
    void menuItems();
    void menuShortcutTexts_data();
    void menuShortcutTexts();
    void menuOrder_data();
    void menuOrder();
    void toolBarButtons_data();
    void toolBarButtons();
    void buttonsShareTheHintOfTheirCommand_data();
    void buttonsShareTheHintOfTheirCommand();
    void sideBarPages_data();
    void sideBarPages();
    void sideBarPageClickOpensThePage();
    void genreAndKindChoices();
    void commandsWithoutTheirWindowAreDisabled_data();
    void commandsWithoutTheirWindowAreDisabled();
    void routingEnablesEveryHandleOfACommand();
    void hintsOfEveryWindowGoToPanelOne();
    void indicators_data();
    void indicators();
    void tipsBarShowsTheFirstTip();
    void tipsBarWithoutTipsTable();
    void manualCommandsNeedLauncherAndIndex_data();
    void manualCommandsNeedLauncherAndIndex();
    void assistantAtFirstShowing_data();
    void assistantAtFirstShowing();
    void balloonBringsTheFigureOut();
    void printerSetupKeepsThePrinter();
    void cancelPictureEmptiesTheKey();
    void kindChoiceFiltersTheDatabaseInFront();
    void exitResetsThePerRunKeys();
    void focusComesBackAfterADialog();

private:
    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<TestMainWindow> m_main;
};

void TestHlavniDialog::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    m_main = std::make_unique<TestMainWindow>(*m_program);
}

void TestHlavniDialog::cleanup()
{
    m_main.reset();
    m_program.reset();
}

void TestHlavniDialog::frame()
{
    THlavniDialog* window = m_main->get();
    QCOMPARE(window->objectName(), QStringLiteral("HlavniDialog"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Fonarium 2000"));
    QVERIFY(window->findChild<QMdiArea*>());
    QCOMPARE(window->findChild<QWidget*>("LookOut1")->width(), 126);
    QCOMPARE(window->findChild<QStatusBar*>("StavovyRadek"), window->statusBar());
    QCOMPARE(window->findChild<QWidget*>("StavovyPanel1")->width(), 500);
    QCOMPARE(window->findChild<QWidget*>("StavovyPanel2")->width(), 22);
    QCOMPARE(window->findChild<QWidget*>("StavovyPanel3")->width(), 150);
    const QList<QPair<QString, QString>> bars{{"StandardniL", "Srandardní"},
                                              {"DatabazeL", "Databáze"},
                                              {"OknaL", "Okna"},
                                              {"TipyDneL", "Tipy"}};
    for (const auto& [name, caption] : bars) {
        QToolBar* bar = window->findChild<QToolBar*>(name);
        QVERIFY2(bar, qPrintable(name));
        QCOMPARE(bar->windowTitle(), caption);
    }
    QStringList menus;
    for (QAction* top : window->menuBar()->actions())
        menus << top->text();
    QCOMPARE(menus,
             (QStringList{"&Soubor", "Úpr&avy", "&Zobrazit", "&Nástroje", "&Okno", "Nápo&věda"}));
}

void TestHlavniDialog::menuItems_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("hint");
    const QString f1 = QStringLiteral("Stiskněte klávesu F1 pro nápovědu");
    QTest::newRow("MS1") << "&Volitelná databáze..."
                         << "Ctrl+N"
                         << "Zobrazí dialog pro práci s volitelnými databázemi";
    QTest::newRow("MS2") << "&Otevřít databázi..."
                         << "Ctrl+O"
                         << "Zobrazí dialog pro otevření databáze";
    QTest::newRow("MS3") << "&Zavřít"
                         << "Ctrl+F4"
                         << "Uzavře aktivní okno s databází";
    QTest::newRow("MS4") << "Ná&hled..."
                         << ""
                         << "Zobrazí náhled tiskových sestav";
    QTest::newRow("MS9") << "N&astavení tiskárny..."
                         << ""
                         << "Zobrazí dialog s vlastnostmi tiskárny";
    QTest::newRow("MS5") << "&Tisk..."
                         << "Ctrl+P"
                         << "Zobrazí dialog pro výběr tisku jednotlivých sestav";
    QTest::newRow("MS8") << "&Konec"
                         << ""
                         << "Ukončí program";
    QTest::newRow("MU1") << "&Vyjmout"
                         << "Ctrl+X"
                         << "Vyjme označený text a uloží ho do schránky";
    QTest::newRow("MU2") << "&Kopírovat"
                         << "Ctrl+C"
                         << "Zkopíruje označený text do schránky";
    QTest::newRow("MU3") << "V&ložit"
                         << "Ctrl+V"
                         << "Vloží text ze schránky na místo kurzoru";
    QTest::newRow("MU4") << "Odstranit zázna&m"
                         << "Ctrl+Del"
                         << "Zruší aktuální záznam ve vybrané databázi";
    QTest::newRow("MU5") << "&Editovat záznam"
                         << "Ctrl+Ins"
                         << "Umožní editaci aktuálního záznamu ve vybrané databázi";
    QTest::newRow("MU6") << "&Uložit záznam"
                         << "Return"
                         << "Uloží změny aktuálního záznamu ve vybrané databázi";
    QTest::newRow("MU9") << "Zpět"
                         << ""
                         << "Vrátí změny aktuálního záznamu ve vybrané databázi";
    QTest::newRow("MU7") << "&Najít..."
                         << "Ctrl+F"
                         << "Vyhledá záznam ve vybrané databázi";
    QTest::newRow("MU8") << "Přejít n&a"
                         << "" << f1;
    QTest::newRow("PNa1") << "&První"
                          << "F5"
                          << "Zobrazí první záznam vybrané databáze";
    QTest::newRow("Pna2") << "Př&edchozí"
                          << "F6"
                          << "Zobrazí předchozí záznam vybrané databáze";
    QTest::newRow("PNa3") << "&Další"
                          << "F7"
                          << "Zobrazí následující záznam vybrané databáze";
    QTest::newRow("PNa4") << "Po&slední"
                          << "F8"
                          << "Zobrazí poslední záznam vybrané databáze";
    QTest::newRow("PNa5") << "&Nový záznam"
                          << "Ins"
                          << "Vytvoří nový záznam ve vybrané databázi";
    QTest::newRow("MZ1") << "Panely &nástrojů"
                         << "" << f1;
    QTest::newRow("PN1") << "Standardní"
                         << ""
                         << "Zobrazí nebo skryje panel Standardní";
    QTest::newRow("PN2") << "Databáze"
                         << ""
                         << "Zobraz nebo skryje panel Databáze";
    QTest::newRow("PN3") << "Okna"
                         << ""
                         << "Zobrazí nebo skryje panel Okna";
    QTest::newRow("PN4") << "Tipy dne"
                         << ""
                         << "Zobrazí nebo skryje panel Tipy dne";
    QTest::newRow("MZ2") << "Stavový řáde&k"
                         << ""
                         << "Zobrazí nebo skryje stavový řádek";
    QTest::newRow("MZ3") << "Panel &Outlook"
                         << ""
                         << "Zobrazí nebo skryje panel Outlook";
    QTest::newRow("MN1") << "&Vymazat Standardní databázi"
                         << ""
                         << "Zruší veškerá data ve Standardní databázi";
    QTest::newRow("MN5") << "&Obnovit nastavení v *.INI souboru"
                         << ""
                         << "Obnoví hodnoty v *.INI souboru";
    QTest::newRow("MN3") << "Výběr obrázku na přední popisku nosičů"
                         << "" << f1;
    QTest::newRow("PP1") << "Vybrat obrázek pro tisk"
                         << ""
                         << "Otevře dialogové okno pro výběr obrázku";
    QTest::newRow("PP2") << "Zrušit tisk obrázku"
                         << ""
                         << "Zruší tisk obrázku v předních popiskách nosičů";
    QTest::newRow("PP3") << "Zobrazit vybraný obrázek"
                         << ""
                         << "Zobrazí momentálně vybraný obrázek pro přední popisky nosičů";
    QTest::newRow("MN7") << "Výběr &hudebního žánru pro abecední seznam nosičů"
                         << "" << f1;
    QTest::newRow("D0") << "Všechny druhy"
                        << ""
                        << "Vybere všechny žánry";
    QTest::newRow("MN8") << "Výběr &druhu nosiče pro zobrazení databáze"
                         << "" << f1;
    QTest::newRow("N0") << "Všechny druhy"
                        << ""
                        << "Vybere všechny druhy nosičů";
    QTest::newRow("NO1") << "Audio CD"
                         << ""
                         << "Vybere audio CD";
    QTest::newRow("NO5") << "Audio MP3 CD"
                         << ""
                         << "Vybere audio MP3 CD";
    QTest::newRow("NO2") << "Datové CD"
                         << ""
                         << "Vybere datové CD";
    QTest::newRow("NO3") << "LP"
                         << ""
                         << "Vybere LP";
    QTest::newRow("NO4") << "MC"
                         << ""
                         << "Vybere MC";
    QTest::newRow("MN4") << "Zobrazit &Tipy dne..."
                         << ""
                         << "Zobrazí uvítací dialogové okno";
    QTest::newRow("MO1") << "Dlaždice vodorovně"
                         << ""
                         << "Uspořádá okna vodorovně vedle sebe";
    QTest::newRow("MO2") << "Dlaždice svisle"
                         << ""
                         << "Uspořádá okna svisle nad sebou";
    QTest::newRow("MO3") << "Kaskáda"
                         << ""
                         << "Uspořádá okna přes sebe do kaskády";
    QTest::newRow("MO4") << "Minimalizovat vše"
                         << ""
                         << "Minimalizuje všechna otevřená okna";
    QTest::newRow("MO5") << "Uspořádat ikony"
                         << ""
                         << "Uspořádá ikony minimalizovaných oken";
    QTest::newRow("Napoveda1") << "Nápo&věda pro Fonarium 2000"
                               << "F1"
                               << "Zobrazí nápovědu";
    QTest::newRow("EM") << "&Elektronický manuál"
                        << ""
                        << "Spustí elektronický manuál programu Fonarium 2000";
    QTest::newRow("Oprogramu") << "&O programu Fonarium 2000..."
                               << ""
                               << "Zobrazí dialog s informacemi o programu";
}

void TestHlavniDialog::menuItems()
{
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(QString, hint);
    QAction* item = m_main->window->findChild<QAction*>(QTest::currentDataTag());
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), shortcut);
    QCOMPARE(item->statusTip(), hint);
}

void TestHlavniDialog::menuShortcutTexts_data()
{
    QTest::addColumn<QString>("shown");
    QTest::newRow("MU4") << "Ctrl+Del";
    QTest::newRow("MU5") << "Ctrl+Ins";
    QTest::newRow("MU6") << "Enter";
    QTest::newRow("PNa5") << "Ins";
    QTest::newRow("MS3") << "Ctrl+F4";
}

// The menus write the keys as the program does, also where Qt's own Czech
// texts would spell them out.
void TestHlavniDialog::menuShortcutTexts()
{
    QFETCH(QString, shown);
    QTranslator czech;
    if (czech.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&czech);
    KeyNames keys;
    QCoreApplication::installTranslator(&keys);
    QAction* item = m_main->window->findChild<QAction*>(QTest::currentDataTag());
    QVERIFY(item);
    QCOMPARE(item->shortcut().toString(QKeySequence::NativeText), shown);
}

void TestHlavniDialog::menuOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("Soubor") << "MenuSoubor"
                            << QStringList{"MS1", "MS2", "MS3", "-", "MS4",      "MS9",
                                           "MS5", "-",   "MS8", "-", "MSExport", "MSImport"};
    QTest::newRow("Úpravy") << "MenuUpravy"
                            << QStringList{"MU1", "MU2", "MU3", "-",   "MU4", "MU5", "MU6",
                                           "MU9", "-",   "MU7", "MU8", "-",   "MU10"};
    QTest::newRow("Přejít na") << "MU8Menu" << QStringList{"PNa1", "Pna2", "PNa3", "PNa4", "PNa5"};
    QTest::newRow("Zobrazit") << "MenuZobrazit" << QStringList{"MZ1", "MZ2", "MZ3"};
    QTest::newRow("Panely") << "MZ1Menu" << QStringList{"PN1", "PN2", "PN3", "PN4"};
    QTest::newRow("Nástroje") << "MenuNastroje"
                              << QStringList{"MN1", "MN5", "-", "MN3", "MN7", "MN8", "-", "MN4"};
    QTest::newRow("Obrázek") << "MN3Menu" << QStringList{"PP1", "PP2", "PP3"};
    QTest::newRow("Druh") << "MN8Menu" << QStringList{"N0", "-", "NO1", "NO5", "NO2", "NO3", "NO4"};
    // The window list and its separator are hidden while no database window is open.
    QTest::newRow("Okno") << "MenuOkno" << QStringList{"MO1", "MO2", "MO3", "MO4", "MO5"};
    QTest::newRow("Nápověda") << "MenuNapoveda" << QStringList{"Napoveda1", "EM", "-", "Oprogramu"};
}

void TestHlavniDialog::menuOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    QMenu* target = m_main->window->findChild<QMenu*>(menu);
    QVERIFY(target);
    QCOMPARE(itemNames(target->actions()), items);
}

void TestHlavniDialog::toolBarButtons_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("StandardniL") << "StandardniL" << QStringList{"TS1", "TS2", "-",   "TS3", "TS4",
                                                                 "TS5", "-",   "TS6", "TS7", "TS8"};
    QTest::newRow("DatabazeL") << "DatabazeL"
                               << QStringList{"TD1", "TD2", "TD3",  "TD4", "TD5", "TD6",
                                              "TD7", "TD8", "TD10", "-",   "TD9"};
    QTest::newRow("OknaL") << "OknaL" << QStringList{"TO1", "TO2", "TO3", "-", "TO4", "-", "TO5"};
    QTest::newRow("TipyDneL") << "TipyDneL" << QStringList{"", "", "-", "TT1", "TT2", "-", "EM1"};
}

void TestHlavniDialog::toolBarButtons()
{
    QFETCH(QString, bar);
    QFETCH(QStringList, buttons);
    QToolBar* target = m_main->window->findChild<QToolBar*>(bar);
    QVERIFY(target);
    QCOMPARE(itemNames(target->actions()), buttons);
    for (const QString& name : buttons) {
        if (name.isEmpty() || name == QLatin1String("-"))
            continue;
        auto* button = target->findChild<QToolButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->defaultAction(), m_main->window->findChild<QAction*>(name));
        QCOMPARE(button->objectName(), name);
        QVERIFY2(!button->icon().isNull(), qPrintable(name));
    }
}

void TestHlavniDialog::buttonsShareTheHintOfTheirCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("hint");
    QTest::newRow("TS1") << "MS1"
                         << "";
    QTest::newRow("OS1") << "MS1"
                         << "";
    QTest::newRow("TS4") << "MS9"
                         << "";
    QTest::newRow("TD10") << "MU9"
                          << "";
    QTest::newRow("UD9") << "MU7"
                         << "";
    QTest::newRow("OO4") << "MO4"
                         << "";
    QTest::newRow("LookOutButton1") << "MS8"
                                    << "";
    QTest::newRow("EM1") << "EM"
                         << "Spustí elektronický manuál programu Fonarium 2000";
    QTest::newRow("TO5") << "Napoveda1"
                         << "Zobrazí nápovědu k aktuální operaci";
    QTest::newRow("TT1") << "TT1"
                         << "Zobrazí předchozí tip dne";
    QTest::newRow("TT2") << "TT2"
                         << "Zobrazí následující tip dne";
}

void TestHlavniDialog::buttonsShareTheHintOfTheirCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, hint);
    QAction* button = m_main->window->findChild<QAction*>(QTest::currentDataTag());
    QAction* item = m_main->window->findChild<QAction*>(command);
    QVERIFY(button && item);
    QCOMPARE(button->statusTip(), hint.isEmpty() ? item->statusTip() : hint);
    // The key belongs to the menu item alone, so it is never ambiguous.
    if (button != item)
        QVERIFY(button->shortcuts().isEmpty());
}

void TestHlavniDialog::sideBarPages_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("LookOutPage1") << "Soubor"
                                  << "Obsahuje příkazy pro práci s vybranými databázemi"
                                  << QStringList{"Volitelná databáze ...", "Otevřít databázi ...",
                                                 "Náhled ...", "Tisk ...", "Konec programu"};
    QTest::newRow("LookOutPage2") << "Úpravy"
                                  << "Obsahuje příkazy pro vytváření a úpravu položek databáze"
                                  << QStringList{"První záznam",    "Předchozí záznam",
                                                 "Další záznam",    "Poslední záznam",
                                                 "Nový záznam",     "Odstranit záznam",
                                                 "Editovat záznam", "Uložit záznam",
                                                 "Najít ...",       "Zpět"};
    QTest::newRow("LookOutPage3") << "Okna"
                                  << "Obsahuje příkazy pro práci s otevřenými okny"
                                  << QStringList{"Dlaždice vodorovně", "Dlaždice svisle", "Kaskáda",
                                                 "Minimalizovat vše"};
}

void TestHlavniDialog::sideBarPages()
{
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QStringList, buttons);
    QWidget* page = m_main->window->findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(page);
    auto* header = page->findChild<QPushButton*>();
    QVERIFY(header);
    QCOMPARE(header->text(), caption);
    QCOMPARE(header->statusTip(), hint);
    QStringList texts;
    for (QToolButton* button : page->findChildren<QToolButton*>())
        texts << button->text();
    QCOMPARE(texts, buttons);
}

void TestHlavniDialog::sideBarPageClickOpensThePage()
{
    QWidget* page = m_main->window->findChild<QWidget*>("LookOutPage3");
    auto* header = page->findChild<QPushButton*>();
    QWidget* buttons = page->findChild<QToolButton*>("OO1");
    QVERIFY(buttons->isHidden() || !buttons->isVisibleTo(m_main->window.get()));
    header->click();
    QVERIFY(buttons->isVisibleTo(m_main->window.get()));
    QVERIFY(!m_main->window->findChild<QToolButton*>("OS1")->isVisibleTo(m_main->window.get()));
}

void TestHlavniDialog::genreAndKindChoices()
{
    const QStringList& genres = layouts::genres();
    QCOMPARE(genres.size(), 29);
    for (int i = 1; i <= genres.size(); ++i) {
        QAction* genre = m_main->window->findChild<QAction*>(QStringLiteral("DR%1").arg(i));
        QVERIFY(genre);
        QCOMPARE(genre->text(), genres.at(i - 1));
        QVERIFY(genre->statusTip().startsWith(QStringLiteral("Vybere ")));
    }
    QCOMPARE(m_main->window->findChild<QAction*>("DR17")->statusTip(),
             QStringLiteral("Vybere jaz"));
    QCOMPARE(m_main->window->genreChoice(), QStringLiteral("D0"));
    QCOMPARE(m_main->window->kindChoice().item(), QStringLiteral("N0"));
    QSignalSpy kindChanged(&m_main->window->kindChoice(), &KindChoice::changed);
    TRIGGER(m_main->window, "DR5");
    TRIGGER(m_main->window, "NO3");
    TRIGGER(m_main->window, "NO3");
    QCOMPARE(kindChanged.count(), 1);
    QCOMPARE(kindChanged.first().first().toString(), QStringLiteral("NO3"));
    QCOMPARE(m_main->window->genreChoice(), QStringLiteral("DR5"));
    QCOMPARE(m_main->window->kindChoice().item(), QStringLiteral("NO3"));
    QVERIFY(!m_main->window->findChild<QAction*>("D0")->isChecked());
    QVERIFY(!m_main->window->findChild<QAction*>("N0")->isChecked());
}

void TestHlavniDialog::commandsWithoutTheirWindowAreDisabled_data()
{
    QTest::addColumn<bool>("enabled");
    for (const char* name :
         {"MS1", "TS1",       "OS1", "MS2",  "TS2", "OS2", "MS4",  "TS3",       "OS3",
          "MS5", "TS5",       "OS4", "MU1",  "TS6", "MU4", "TD6",  "UD6",       "MU6",
          "TD8", "MU7",       "TD9", "PNa1", "TD1", "UD1", "PNa5", "MN1",       "MN4",
          "PP1", "Napoveda1", "TO5", "EM",   "EM1", "TT1", "TT2",  "Oprogramu", "MN5"})
        QTest::newRow(name) << false;
    // Needing a database window in front.
    for (const char* name : {"MS3", "MO1", "TO1", "OO1", "MO4", "TO4", "MN7", "MN8"})
        QTest::newRow(name) << false;
    for (const char* name : {"MS8", "LookOutButton1", "MS9", "TS4", "PN1", "P1M1", "MZ2", "P1M6"})
        QTest::newRow(name) << true;
}

void TestHlavniDialog::commandsWithoutTheirWindowAreDisabled()
{
    QFETCH(bool, enabled);
    QAction* item = m_main->window->findChild<QAction*>(QTest::currentDataTag());
    QVERIFY(item);
    QCOMPARE(item->isEnabled(), enabled);
}

void TestHlavniDialog::routingEnablesEveryHandleOfACommand()
{
    auto target = std::make_unique<QObject>();
    int runs = 0;
    m_main->window->route(QStringLiteral("MS1"), target.get(), [&runs] { ++runs; });
    for (const char* name : {"MS1", "TS1", "OS1"})
        QVERIFY2(m_main->window->findChild<QAction*>(name)->isEnabled(), name);
    TRIGGER(m_main->window, "TS1");
    TRIGGER(m_main->window, "OS1");
    TRIGGER(m_main->window, "MS1");
    QCOMPARE(runs, 3);
    target.reset();
    for (const char* name : {"MS1", "TS1", "OS1"})
        QVERIFY2(!m_main->window->findChild<QAction*>(name)->isEnabled(), name);
}

void TestHlavniDialog::hintsOfEveryWindowGoToPanelOne()
{
    TStavovyRadek* status = m_main->window->stavovyRadek();
    QStatusTipEvent own(QStringLiteral("Uloží změny"));
    QCoreApplication::sendEvent(m_main->window->findChild<QWidget*>("LookOut1"), &own);
    QCOMPARE(status->panelText(1), QStringLiteral("      Uloží změny"));
    QWidget balloon;
    QStatusTipEvent foreign(QStringLiteral("Uzavře dialogové okno"));
    QCoreApplication::sendEvent(&balloon, &foreign);
    QCOMPARE(status->panelText(1), QStringLiteral("      Uzavře dialogové okno"));
    // The menus send their hints the same way.
    m_main->window->findChild<QAction*>("MS9")->showStatusText(m_main->window.get());
    QCOMPARE(status->panelText(1), QStringLiteral("      Zobrazí dialog s vlastnostmi tiskárny"));
}

void TestHlavniDialog::indicators_data()
{
    QTest::addColumn<int>("panel");
    for (const char* name : {"SBO1", "SBO2", "SBO3", "SBO4", "SBO6", "SBO7", "SBO8", "SBO10"})
        QTest::newRow(name) << 2;
    for (const char* name : {"SBD1", "SBD2", "SBD3", "SBD4"})
        QTest::newRow(name) << 3;
}

void TestHlavniDialog::indicators()
{
    QFETCH(int, panel);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* indicator = m_main->window->findChild<QWidget*>(name);
    QVERIFY(indicator);
    QCOMPARE(indicator->parentWidget()->objectName(), QStringLiteral("StavovyPanel%1").arg(panel));
    QVERIFY(!m_main->window->isIndicatorVisible(name));
    m_main->window->setIndicator(name, true);
    QVERIFY(m_main->window->isIndicatorVisible(name));
    QVERIFY(!indicator->isHidden());
    m_main->window->setIndicator(name, false);
    QVERIFY(indicator->isHidden());
}

void TestHlavniDialog::tipsBarShowsTheFirstTip()
{
    TTable tips;
    tips.setDatabaseName(m_program->folder().dataFolder());
    tips.setTableName(QStringLiteral("TipyA.dbf"));
    QVERIFY(tips.open());
    const QString first = tips.fieldText(QStringLiteral("TIPDNE")).trimmed();
    QVERIFY(!first.isEmpty());
    auto* field = m_main->window->findChild<QLineEdit*>("TipDne");
    QVERIFY(field && field->isReadOnly());
    QVERIFY(field->text().isEmpty());
    m_main->window->show();
    QCOMPARE(field->text(), first);
    // The field follows the tips table when it moves.
    TTable* table6 = m_main->data->table(6);
    QVERIFY(table6->isActive());
    QVERIFY(table6->next());
    QCOMPARE(field->text(), table6->fieldText(QStringLiteral("TIPDNE")).trimmed());
    QVERIFY(field->text() != first);
}

void TestHlavniDialog::tipsBarWithoutTipsTable()
{
    QVERIFY(QFile::remove(ProgramFolder::findFile(m_program->folder().dataFolder(), "TipyA.dbf")));
    auto target = std::make_unique<QObject>();
    // Even with a tips window there, the buttons need the tips.
    m_main->window->route(QStringLiteral("TT1"), target.get(), [] {});
    m_main->window->show();
    QVERIFY(m_main->window->findChild<QLineEdit*>("TipDne")->text().isEmpty());
    QVERIFY(!m_main->window->findChild<QAction*>("TT1")->isEnabled());
    QVERIFY(!m_main->data->table(6)->isActive());
}

void TestHlavniDialog::manualCommandsNeedLauncherAndIndex_data()
{
    QTest::addColumn<bool>("launcher");
    QTest::addColumn<bool>("index");
    QTest::newRow("both") << true << true;
    QTest::newRow("no launcher") << false << true;
    QTest::newRow("no index") << true << false;
    QTest::newRow("neither") << false << false;
}

void TestHlavniDialog::manualCommandsNeedLauncherAndIndex()
{
    QFETCH(bool, launcher);
    QFETCH(bool, index);
    const QString folder = m_program->path();
    if (launcher)
        touch(folder + QStringLiteral("/ManualKorvex.exe"));
    if (index) {
        QVERIFY(QDir(folder).mkpath(QStringLiteral("Html/Fonarium2000")));
        touch(folder + QStringLiteral("/Html/Fonarium2000/Index.htm"));
    }
    auto manual = std::make_unique<QObject>();
    m_main->window->route(QStringLiteral("EM"), manual.get(), [] {});
    m_main->window->show();
    QCOMPARE(m_main->window->findChild<QAction*>("EM")->isEnabled(), launcher && index);
    QCOMPARE(m_main->window->findChild<QAction*>("EM1")->isEnabled(), launcher && index);
}

void TestHlavniDialog::assistantAtFirstShowing_data()
{
    QTest::addColumn<QString>("pomocnik");
    QTest::addColumn<bool>("shown");
    QTest::newRow("on screen last time") << "1" << true;
    QTest::newRow("closed last time") << "0" << false;
    QTest::newRow("never set") << "" << false;
}

void TestHlavniDialog::assistantAtFirstShowing()
{
    QFETCH(QString, pomocnik);
    QFETCH(bool, shown);
    QVERIFY(m_program->suiteIni().writeString("Nastaveni", "Pomocnik", pomocnik));
    m_main.reset();
    m_main = std::make_unique<TestMainWindow>(*m_program, true);
    QVERIFY(!m_main->figure->isVisible());
    m_main->window->show();
    QCOMPARE(m_main->figure->isVisible(), shown);
    // Hiding and showing the window again is no first showing.
    m_main->figure->hide();
    m_main->window->hide();
    m_main->window->show();
    QVERIFY(!m_main->figure->isVisible());
}

void TestHlavniDialog::balloonBringsTheFigureOut()
{
    QVERIFY(m_program->suiteIni().writeString("Nastaveni", "Pomocnik", "0"));
    m_main.reset();
    m_main = std::make_unique<TestMainWindow>(*m_program, true);
    TPomocnikDialog* figure = m_main->figure.get();
    QVERIFY(!figure->isVisible());
    const QSize balloon(330, 125);
    const QPoint where = m_main->window->placeBalloon(BalloonRule::side(), balloon);
    QVERIFY(figure->isVisible());
    QCOMPARE(m_program->suiteIni().readString("Nastaveni", "Pomocnik"), QStringLiteral("1"));
    const QRect frame = figure->frameGeometry();
    QCOMPARE(where, QPoint(frame.left() - balloon.width() + 45,
                           frame.top() + frame.height() - balloon.height()));
}

void TestHlavniDialog::printerSetupKeepsThePrinter()
{
    QVERIFY(m_main->window->printer());
    PrinterSetup::takeShownCount();
    PrinterSetup::setNextAnswer(true);
    TRIGGER(m_main->window, "TS4");
    PrinterSetup::setNextAnswer(false);
    TRIGGER(m_main->window, "MS9");
    QCOMPARE(PrinterSetup::takeShownCount(), 2);
    QVERIFY(m_main->window->printer());

    // With or without printers installed, a PDF file is on offer.
    const QString pdf = QDir(m_program->path()).filePath(QStringLiteral("sestava.pdf"));
    QTimer::singleShot(0, this, [pdf] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
        printers->setCurrentIndex(QPrinterInfo::availablePrinterNames().size());
        dialog->accept();
    });
    TRIGGER(m_main->window, "MS9");
    QCOMPARE(m_main->window->printer()->outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(m_main->window->printer()->outputFileName(), pdf);
}

void TestHlavniDialog::cancelPictureEmptiesTheKey()
{
    const IniFile ini = m_program->programIni();
    QMenu* tools = m_main->window->findChild<QMenu*>("MenuNastroje");
    emit tools->aboutToShow();
    QVERIFY(!m_main->window->findChild<QAction*>("PP2")->isEnabled());
    QVERIFY(ini.writeString("Obrazek", "Obrazek", "C:/obrazky/predni.bmp"));
    emit tools->aboutToShow();
    TRIGGER(m_main->window, "PP2");
    QCOMPARE(ini.readString("Obrazek", "Obrazek"), QString());
    emit tools->aboutToShow();
    QVERIFY(!m_main->window->findChild<QAction*>("PP2")->isEnabled());
}

void TestHlavniDialog::kindChoiceFiltersTheDatabaseInFront()
{
    TTable* table = m_main->data->table(2);
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("Databaze2Dialog"));
    m_main->window->dokumenty()->addSubWindow(view)->show();
    m_main->window->show();
    QCOMPARE(m_main->window->activeDatabaseSlot(), 2);
    TRIGGER(m_main->window, "NO5");
    QCOMPARE(table->filter(), QStringLiteral("DRUH = 'Audio MP3 CD'"));
    QVERIFY(table->filtered());
    TRIGGER(m_main->window, "N0");
    QCOMPARE(table->filter(), QStringLiteral("DRUH <> ' '"));
    QCOMPARE(m_main->data->table(1)->filter(), QStringLiteral("DRUH <> ' '"));
}

void TestHlavniDialog::exitResetsThePerRunKeys()
{
    const IniFile ini = m_program->programIni();
    QVERIFY(ini.writeString("Otevreni", "Databaze3", "1"));
    QVERIFY(ini.writeString("Kontrola", "Pomocna", "3"));
    QVERIFY(ini.writeString("Kontrola", "Pomocna1", "2"));
    QVERIFY(ini.writeString("Kontrola", "Tipy", "1"));
    QVERIFY(ini.writeString("Obrazek", "Obrazek", "C:/obrazky/predni.bmp"));
    QVERIFY(m_program->suiteIni().writeString("Nastaveni", "Pomocnik", "1"));
    m_main.reset();
    m_main = std::make_unique<TestMainWindow>(*m_program, true);
    m_main->window->show();
    QVERIFY(m_main->figure->isVisible());
    QSignalSpy ended(m_main->window.get(), &THlavniDialog::ended);
    TRIGGER(m_main->window, "LookOutButton1");
    QVERIFY(!m_main->window->isVisible());
    QCOMPARE(ended.count(), 1);
    for (int slot = 1; slot <= 4; ++slot)
        QCOMPARE(ini.readString("Otevreni", QStringLiteral("Databaze%1").arg(slot)), "0");
    QCOMPARE(ini.readString("Kontrola", "Pomocna"), "0");
    QCOMPARE(ini.readString("Kontrola", "Pomocna1"), "0");
    QCOMPARE(ini.readString("Kontrola", "Tipy"), "0");
    QCOMPARE(ini.readString("Obrazek", "Obrazek"), QString());
    // The view and the figure's memory outlive the run.
    QCOMPARE(ini.readString("Zobrazit", "Standardni"), "1");
    QCOMPARE(m_program->suiteIni().readString("Nastaveni", "Pomocnik"), "1");
}

QTEST_MAIN(TestHlavniDialog)
// A message balloon disables the window while it is up; the editor that was
// typed in gets the keys again afterwards.
void TestHlavniDialog::focusComesBackAfterADialog()
{
    THlavniDialog* window = m_main->get();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* typed = new QLineEdit;
    window->dokumenty()->addSubWindow(typed)->show();
    typed->setFocus();
    QTRY_VERIFY(typed->hasFocus());
    window->setMainEnabled(false);
    QVERIFY(!typed->hasFocus());
    window->setMainEnabled(true);
    QVERIFY(typed->hasFocus());
}

#include "test_hlavnidialog.moc"
