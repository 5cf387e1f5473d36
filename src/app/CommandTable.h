#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The main window's commands as data: every menu item, toolbar button and
// side-bar button with its object name, caption, shortcut, hint and icon, and
// the order in which the menus, toolbars and side-bar pages hold them.
namespace commandtable {

// What a control shows in the status bar when nothing better is said.
QString defaultHint();

struct Command
{
    QString name;          // object name of the menu item ("MS1")
    QString caption;       // with the ampersand of its access key
    QStringList shortcuts; // portable key sequences, the first one shown
    QString hint;
};

// A toolbar or side-bar button runs the command of a menu item.
struct Button
{
    Button() = default;
    Button(QString name, QString command, QString icon, QString caption = {}, QString hint = {})
        : name(std::move(name)), command(std::move(command)), icon(std::move(icon)),
          caption(std::move(caption)), hint(std::move(hint))
    {
    }

    QString name;    // "TS1", "OS1"
    QString command; // the menu item it mirrors ("MS1")
    QString icon;    // picture name, empty for none
    QString caption; // side-bar text; toolbars show the command's caption as a tip
    QString hint;    // empty: the command's hint
};

// A menu lists item names; "-" is a separator and the name of another menu
// makes that menu a submenu at this place.
struct Menu
{
    QString name;
    QString caption;
    QString hint;
    QStringList items;
};

struct ToolBar
{
    QString name;          // "StandardniL"
    QString caption;       // the window title of the bar
    QString iniKey;        // key of section Zobrazit
    QList<Button> buttons; // a button without a name is a separator
};

struct Page
{
    QString name;
    QString caption;
    QString hint;
    QList<Button> buttons;
};

const QList<Command>& commands();
const Command* command(const QString& name);
const QList<Menu>& menus(); // the menu bar's menus first, then the submenus
const Menu* menu(const QString& name);
const QStringList& menuBar();
// The toolbars except the tips bar, whose contents are not only buttons.
const QList<ToolBar>& toolBars();
const ToolBar& tipsToolBar();
const QList<Page>& sideBarPages();

// A command's caption as a tip: no access key, no trailing ellipsis.
QString plainCaption(const QString& caption);

} // namespace commandtable
