#include "CommandTable.h"

#include "RecordCommandRules.h"
#include "TableLayout.h"

#include <QHash>

namespace commandtable {

namespace {

// Genre hints as the menu words them, in the order of the genre list.
const char* const kGenreHints[] = {"Vybere avantgardní muziku",
                                   "Vybere beat",
                                   "Vybere muziku bez kapely",
                                   "Vybere black metal",
                                   "Vybere blues",
                                   "Vybere Country",
                                   "Vybere dance music",
                                   "Vybere death metal",
                                   "Vybere dechovku",
                                   "Vybere disko",
                                   "Vybere elektronickou muziky",
                                   "Vybere folk",
                                   "Vybere hard rock",
                                   "Vybere heavy metal",
                                   "Vybere hip-hop",
                                   "Vybere house",
                                   "Vybere jaz",
                                   "Vybere klasickou hudbu",
                                   "Vybere lidové písně",
                                   "Vybere mluvené slovo",
                                   "Vybere oldies",
                                   "Vybere pop",
                                   "Vybere punk",
                                   "Vybere rap",
                                   "Vybere relaxační hudbu",
                                   "Vybere rock",
                                   "Vybere rock and roll",
                                   "Vybere soundtrack",
                                   "Vybere techno"};

using recordrules::RecordCommand;

QList<Command> fixedCommands()
{
    return {
        // Soubor
        {"MS1",
         "&Volitelná databáze...",
         {"Ctrl+N"},
         "Zobrazí dialog pro práci s volitelnými databázemi"},
        {"MS2", "&Otevřít databázi...", {"Ctrl+O"}, "Zobrazí dialog pro otevření databáze"},
        {"MS3", "&Zavřít", {"Ctrl+F4"}, "Uzavře aktivní okno s databází"},
        {"MS4", "Ná&hled...", {}, recordrules::hintOf(RecordCommand::Preview)},
        {"MS9", "N&astavení tiskárny...", {}, "Zobrazí dialog s vlastnostmi tiskárny"},
        {"MS5", "&Tisk...", {"Ctrl+P"}, recordrules::hintOf(RecordCommand::Print)},
        {"MS8", "&Konec", {}, "Ukončí program"},
        {"MSExport",
         "&Exportovat do CSV...",
         {},
         "Uloží nosiče aktivní databáze do souboru CSV pro tabulkový procesor"},
        {"MSImport", "&Importovat z CSV...", {}, "Načte nosiče ze souboru CSV do aktivní databáze"},
        // Úpravy
        {"MU1", "&Vyjmout", {"Ctrl+X"}, recordrules::hintOf(RecordCommand::Cut)},
        {"MU2", "&Kopírovat", {"Ctrl+C"}, recordrules::hintOf(RecordCommand::Copy)},
        {"MU3", "V&ložit", {"Ctrl+V"}, recordrules::hintOf(RecordCommand::Paste)},
        {"MU4", "Odstranit zázna&m", {"Ctrl+Del"}, recordrules::hintOf(RecordCommand::Delete)},
        {"MU5", "&Editovat záznam", {"Ctrl+Ins"}, recordrules::hintOf(RecordCommand::Edit)},
        {"MU6", "&Uložit záznam", {"Return", "Enter"}, recordrules::hintOf(RecordCommand::Save)},
        {"MU9", "Zpět", {}, recordrules::hintOf(RecordCommand::Undo)},
        {"MU7", "&Najít...", {"Ctrl+F"}, recordrules::hintOf(RecordCommand::Find)},
        {"MU8", "Přejít n&a", {}, {}},
        {"MU10", "Načíst stopy z disku...", {}, recordrules::hintOf(RecordCommand::ReadTracks)},
        {"PNa1", "&První", {"F5"}, recordrules::hintOf(RecordCommand::First)},
        {"Pna2", "Př&edchozí", {"F6"}, recordrules::hintOf(RecordCommand::Previous)},
        {"PNa3", "&Další", {"F7"}, recordrules::hintOf(RecordCommand::Next)},
        {"PNa4", "Po&slední", {"F8"}, recordrules::hintOf(RecordCommand::Last)},
        {"PNa5", "&Nový záznam", {"Ins"}, recordrules::hintOf(RecordCommand::New)},
        // Zobrazit, and its repetition in the bars' pop-up menu
        {"MZ1", "Panely &nástrojů", {}, {}},
        {"PN1", "Standardní", {}, "Zobrazí nebo skryje panel Standardní"},
        {"PN2", "Databáze", {}, "Zobraz nebo skryje panel Databáze"},
        {"PN3", "Okna", {}, "Zobrazí nebo skryje panel Okna"},
        {"PN4", "Tipy dne", {}, "Zobrazí nebo skryje panel Tipy dne"},
        {"MZ2", "Stavový řáde&k", {}, "Zobrazí nebo skryje stavový řádek"},
        {"MZ3", "Panel &Outlook", {}, "Zobrazí nebo skryje panel Outlook"},
        {"P1M0", "Panely &nástrojů", {}, {}},
        {"P1M1", "Standardní", {}, "Zobrazí nebo skryje panel Standardní"},
        {"P1M2", "Databáze", {}, "Zobraz nebo skryje panel Databáze"},
        {"P1M3", "Okna", {}, "Zobrazí nebo skryje panel Okna"},
        {"P1M4", "Tipy dne", {}, "Zobrazí nebo skryje panel Tipy dne"},
        {"P1M5", "Stavový řádek", {}, "Zobrazí nebo skryje stavový řádek"},
        {"P1M6", "Panel Outlook", {}, "Zobrazí nebo skryje panel Outlook"},
        // Nástroje
        {"MN1", "&Vymazat Standardní databázi", {}, "Zruší veškerá data ve Standardní databázi"},
        {"MN5", "&Obnovit nastavení v *.INI souboru", {}, "Obnoví hodnoty v *.INI souboru"},
        {"MN3", "Výběr obrázku na přední popisku nosičů", {}, {}},
        {"PP1", "Vybrat obrázek pro tisk", {}, "Otevře dialogové okno pro výběr obrázku"},
        {"PP2", "Zrušit tisk obrázku", {}, "Zruší tisk obrázku v předních popiskách nosičů"},
        {"PP3",
         "Zobrazit vybraný obrázek",
         {},
         "Zobrazí momentálně vybraný obrázek pro přední popisky nosičů"},
        {"MN7", "Výběr &hudebního žánru pro abecední seznam nosičů", {}, {}},
        {"D0", "Všechny druhy", {}, "Vybere všechny žánry"},
        {"MN8", "Výběr &druhu nosiče pro zobrazení databáze", {}, {}},
        {"N0", "Všechny druhy", {}, "Vybere všechny druhy nosičů"},
        {"NO1", "Audio CD", {}, "Vybere audio CD"},
        {"NO5", "Audio MP3 CD", {}, "Vybere audio MP3 CD"},
        {"NO2", "Datové CD", {}, "Vybere datové CD"},
        {"NO3", "LP", {}, "Vybere LP"},
        {"NO4", "MC", {}, "Vybere MC"},
        {"MN4", "Zobrazit &Tipy dne...", {}, "Zobrazí uvítací dialogové okno"},
        // Okno
        {"MO1", "Dlaždice vodorovně", {}, "Uspořádá okna vodorovně vedle sebe"},
        {"MO2", "Dlaždice svisle", {}, "Uspořádá okna svisle nad sebou"},
        {"MO3", "Kaskáda", {}, "Uspořádá okna přes sebe do kaskády"},
        {"MO4", "Minimalizovat vše", {}, "Minimalizuje všechna otevřená okna"},
        {"MO5", "Uspořádat ikony", {}, "Uspořádá ikony minimalizovaných oken"},
        {"o11", "o1", {}, {}},
        {"o21", "o2", {}, {}},
        {"o31", "o3", {}, {}},
        {"o41", "o4", {}, {}},
        // Nápověda
        {"Napoveda1", "Nápo&věda pro Fonarium 2000", {"F1"}, "Zobrazí nápovědu"},
        {"EM", "&Elektronický manuál", {}, "Spustí elektronický manuál programu Fonarium 2000"},
        {"Oprogramu",
         "&O programu Fonarium 2000...",
         {},
         "Zobrazí dialog s informacemi o programu"},
        // Tips bar only
        {"TT1", "Předchozí tip", {}, "Zobrazí předchozí tip dne"},
        {"TT2", "Následující tip", {}, "Zobrazí následující tip dne"},
    };
}

QList<Command> buildCommands()
{
    QList<Command> list = fixedCommands();
    const QStringList& genres = layouts::genres();
    for (int i = 0; i < genres.size(); ++i) {
        const QString hint = i < int(std::size(kGenreHints)) ? kGenreHints[i] : QString();
        list.append({QStringLiteral("DR%1").arg(i + 1), genres.at(i), {}, hint});
    }
    for (Command& command : list) {
        if (command.hint.isEmpty())
            command.hint = defaultHint();
    }
    return list;
}

QStringList genreItems()
{
    QStringList items{"D0", "-"};
    for (int i = 1; i <= layouts::genres().size(); ++i)
        items << QStringLiteral("DR%1").arg(i);
    return items;
}

QList<Menu> buildMenus()
{
    return {
        {"MenuSoubor",
         "&Soubor",
         "Obsahuje příkazy pro práci s vybranými databázemi",
         {"MS1", "MS2", "MS3", "-", "MS4", "MS9", "MS5", "-", "MS8", "-", "MSExport", "MSImport"}},
        {"MenuUpravy",
         "Úpr&avy",
         "Obsahuje příkazy pro vytváření a úpravu položek databáze",
         {"MU1", "MU2", "MU3", "-", "MU4", "MU5", "MU6", "MU9", "-", "MU7", "MU8", "-", "MU10"}},
        {"MenuZobrazit",
         "&Zobrazit",
         "Obsahuje příkazy pro změnu zobrazení",
         {"MZ1", "MZ2", "MZ3"}},
        {"MenuNastroje",
         "&Nástroje",
         "Obsahuje příkazy pro práci se Standardní databází a s programem Fonarium",
         {"MN1", "MN5", "-", "MN3", "MN7", "MN8", "-", "MN4"}},
        {"MenuOkno",
         "&Okno",
         "Obsahuje příkazy pro práci s otevřenými okny",
         {"MO1", "MO2", "MO3", "MO4", "MO5", "OknaOddelovac", "o11", "o21", "o31", "o41"}},
        {"MenuNapoveda",
         "Nápo&věda",
         "Obsahuje příkazy pro získání nápovědy",
         {"Napoveda1", "EM", "-", "Oprogramu"}},
        {"MU8", {}, {}, {"PNa1", "Pna2", "PNa3", "PNa4", "PNa5"}},
        {"MZ1", {}, {}, {"PN1", "PN2", "PN3", "PN4"}},
        {"MN3", {}, {}, {"PP1", "PP2", "PP3"}},
        {"MN7", {}, {}, genreItems()},
        {"MN8", {}, {}, {"N0", "-", "NO1", "NO5", "NO2", "NO3", "NO4"}},
    };
}

template <typename T> const T* byName(const QList<T>& list, const QString& name)
{
    for (const T& entry : list) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

} // namespace

QString defaultHint()
{
    return QStringLiteral("Stiskněte klávesu F1 pro nápovědu");
}

const QList<Command>& commands()
{
    static const QList<Command> list = buildCommands();
    return list;
}

const Command* command(const QString& name)
{
    return byName(commands(), name);
}

const QList<Menu>& menus()
{
    static const QList<Menu> list = buildMenus();
    return list;
}

const Menu* menu(const QString& name)
{
    return byName(menus(), name);
}

const QStringList& menuBar()
{
    static const QStringList names{"MenuSoubor",   "MenuUpravy", "MenuZobrazit",
                                   "MenuNastroje", "MenuOkno",   "MenuNapoveda"};
    return names;
}

const QList<ToolBar>& toolBars()
{
    static const QList<ToolBar> bars{
        {"StandardniL",
         "Srandardní",
         "Standardni",
         {{"TS1", "MS1", "volitelna"},
          {"TS2", "MS2", "otevrit"},
          {},
          {"TS3", "MS4", "nahled"},
          {"TS4", "MS9", "tiskarna"},
          {"TS5", "MS5", "tisk"},
          {},
          {"TS6", "MU1", "vyjmout"},
          {"TS7", "MU2", "kopirovat"},
          {"TS8", "MU3", "vlozit"}}},
        {"DatabazeL",
         "Databáze",
         "Databaze",
         {{"TD1", "PNa1", "prvni"},
          {"TD2", "Pna2", "predchozi"},
          {"TD3", "PNa3", "dalsi"},
          {"TD4", "PNa4", "posledni"},
          {"TD5", "PNa5", "novy"},
          {"TD6", "MU4", "odstranit"},
          {"TD7", "MU5", "editovat"},
          {"TD8", "MU6", "ulozit"},
          {"TD10", "MU9", "zpet"},
          {},
          {"TD9", "MU7", "najit"}}},
        {"OknaL",
         "Okna",
         "Okna",
         {{"TO1", "MO1", "vodorovne"},
          {"TO2", "MO2", "svisle"},
          {"TO3", "MO3", "kaskada"},
          {},
          {"TO4", "MO4", "minimalizovat"},
          {},
          {"TO5", "Napoveda1", "napoveda", {}, "Zobrazí nápovědu k aktuální operaci"}}},
    };
    return bars;
}

const ToolBar& tipsToolBar()
{
    static const ToolBar bar{
        "TipyDneL",
        "Tipy",
        "TipyDne",
        {{"TT1", "TT1", "predchozi"}, {"TT2", "TT2", "dalsi"}, {}, {"EM1", "EM", "manual"}}};
    return bar;
}

const QList<Page>& sideBarPages()
{
    static const QList<Page> pages{
        {"LookOutPage1",
         "Soubor",
         "Obsahuje příkazy pro práci s vybranými databázemi",
         {{"OS1", "MS1", "volitelna", "Volitelná databáze ..."},
          {"OS2", "MS2", "otevrit", "Otevřít databázi ..."},
          {"OS3", "MS4", "nahled", "Náhled ..."},
          {"OS4", "MS5", "tisk", "Tisk ..."},
          {"LookOutButton1", "MS8", "konec", "Konec programu"}}},
        {"LookOutPage2",
         "Úpravy",
         "Obsahuje příkazy pro vytváření a úpravu položek databáze",
         {{"UD1", "PNa1", "prvni", "První záznam"},
          {"UD2", "Pna2", "predchozi", "Předchozí záznam"},
          {"UD3", "PNa3", "dalsi", "Další záznam"},
          {"UD4", "PNa4", "posledni", "Poslední záznam"},
          {"UD5", "PNa5", "novy", "Nový záznam"},
          {"UD6", "MU4", "odstranit", "Odstranit záznam"},
          {"UD7", "MU5", "editovat", "Editovat záznam"},
          {"UD8", "MU6", "ulozit", "Uložit záznam"},
          {"UD9", "MU7", "najit", "Najít ..."},
          {"UD10", "MU9", "zpet", "Zpět"}}},
        {"LookOutPage3",
         "Okna",
         "Obsahuje příkazy pro práci s otevřenými okny",
         {{"OO1", "MO1", "vodorovne", "Dlaždice vodorovně"},
          {"OO2", "MO2", "svisle", "Dlaždice svisle"},
          {"OO3", "MO3", "kaskada", "Kaskáda"},
          {"OO4", "MO4", "minimalizovat", "Minimalizovat vše"}}},
    };
    return pages;
}

QString plainCaption(const QString& caption)
{
    QString text = caption;
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.trimmed();
}

} // namespace commandtable
