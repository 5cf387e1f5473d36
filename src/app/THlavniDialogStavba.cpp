// The main window as it is built: its commands, menus, bars, side bar, tips
// line and status bar, and the view state that shows and hides them.
#include "THlavniDialog.h"

#include "MainBars.h"

#include "RecordCommandRules.h"

#include "ElectronicManual.h"
#include "HelpWindows.h"
#include "TipStepper.h"

#include "CommandRouter.h"
#include "CommandTable.h"
#include "DockKeeper.h"
#include "IniFile.h"
#include "InstanceGuard.h"
#include "KindChoice.h"
#include "Obrazky.h"
#include "PrinterSetup.h"
#include "ProgramSettings.h"
#include "TDataModule1.h"
#include "TDatabazeDialog.h"
#include "TDokumenty.h"
#include "TLookOut.h"
#include "TPomocnikDialog.h"
#include "TStavovyRadek.h"
#include "TTable.h"
#include "TZvuky.h"
#include "ViewState.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>

using namespace commandtable;

namespace {

// Names that stand for menus rather than commands of their own.
bool isSubmenu(const QString& name)
{
    return menu(name) || name == QLatin1String("P1M0");
}

} // namespace

void THlavniDialog::createActions()
{
    for (const Command& command : commands()) {
        if (!isSubmenu(command.name))
            createAction(command.name, command.name);
    }
    for (const BarItems& bar : kBars) {
        m_router->action(bar.menuItem)->setCheckable(true);
        QAction* popup = m_router->action(bar.popupItem);
        popup->setCheckable(true);
        // The pop-up item is another handle on the same command.
        m_router->addAction(popup, bar.menuItem);
    }
    createChoiceGroups();
}

QAction* THlavniDialog::createAction(const QString& name, const QString& commandName)
{
    const Command* definition = command(name);
    auto* item = new QAction(definition ? definition->caption : name, this);
    item->setObjectName(name);
    if (definition) {
        item->setStatusTip(definition->hint);
        item->setToolTip(plainCaption(definition->caption));
        QList<QKeySequence> keys;
        for (const QString& key : definition->shortcuts)
            keys.append(QKeySequence(key, QKeySequence::PortableText));
        item->setShortcuts(keys);
    }
    // Shortcuts work while the main window is active, whatever menu holds the item.
    addAction(item);
    m_router->addAction(item, commandName);
    return item;
}

void THlavniDialog::createChoiceGroups()
{
    m_kinds = new QActionGroup(this);
    m_genres = new QActionGroup(this);
    m_kindChoice = new KindChoice(this);
    for (const QString& item : recordrules::kindItems()) {
        QAction* kind = m_router->action(item);
        m_kinds->addAction(kind);
        // However the tick moves, the windows that follow the choice hear of it.
        connect(kind, &QAction::toggled, m_kindChoice,
                [choice = m_kindChoice, name = item](bool on) {
                    if (on)
                        choice->setItem(name);
                });
    }
    m_genres->addAction(m_router->action(QStringLiteral("D0")));
    for (int i = 1; m_router->action(QStringLiteral("DR%1").arg(i)); ++i)
        m_genres->addAction(m_router->action(QStringLiteral("DR%1").arg(i)));
    for (QAction* genre : m_genres->actions()) {
        connect(genre, &QAction::toggled, m_kindChoice,
                [choice = m_kindChoice, name = genre->objectName()](bool on) {
                    if (on)
                        choice->setGenreItem(name);
                });
    }
    for (QActionGroup* group : {m_kinds, m_genres}) {
        for (QAction* item : group->actions())
            item->setCheckable(true);
        group->actions().first()->setChecked(true);
    }
}

void THlavniDialog::createMenus()
{
    for (const QString& name : commandtable::menuBar()) {
        const Menu* definition = menu(name);
        QMenu* top = menuBar()->addMenu(definition->caption);
        top->setObjectName(name);
        m_menus.insert(name, top);
        top->menuAction()->setObjectName(name);
        top->menuAction()->setStatusTip(definition->hint);
        fillMenu(top, *definition);
    }
}

void THlavniDialog::fillMenu(QMenu* into, const Menu& definition)
{
    for (const QString& name : definition.items) {
        if (name == QLatin1String("-")) {
            into->addSeparator();
        } else if (name == QLatin1String("OknaOddelovac")) {
            m_windowSeparator = into->addSeparator();
            m_windowSeparator->setObjectName(name);
            m_windowSeparator->setVisible(false);
        } else if (const Menu* sub = menu(name)) {
            const Command* title = command(name);
            QMenu* submenu = into->addMenu(title->caption);
            submenu->setObjectName(name + QStringLiteral("Menu"));
            submenu->menuAction()->setObjectName(name);
            submenu->menuAction()->setStatusTip(title->hint);
            m_router->addAction(submenu->menuAction(), name);
            fillMenu(submenu, *sub);
        } else {
            into->addAction(m_router->action(name));
        }
    }
}

void THlavniDialog::createCentralArea()
{
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("Plocha"));
    auto* layout = new QHBoxLayout(centre);
    // The thin border panels around the side bar and the document area.
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    createSideBar();
    m_lookOut->setParent(centre);
    layout->addWidget(m_lookOut);
    m_dokumenty = new TDokumenty(centre);
    m_dokumenty->setStatusTip(defaultHint());
    layout->addWidget(m_dokumenty, 1);
    setCentralWidget(centre);
    connect(m_dokumenty, &QMdiArea::subWindowActivated, this, &THlavniDialog::updateWindowState);
    connect(m_dokumenty, &TDokumenty::windowsChanged, this, &THlavniDialog::updateWindowState);
}

void THlavniDialog::createSideBar()
{
    m_lookOut = new TLookOut(this);
    m_lookOut->setStatusTip(defaultHint());
    for (const Page& page : sideBarPages()) {
        const int index = m_lookOut->addPage(page.name, page.caption, page.hint);
        m_parts.insert(page.name, m_lookOut->page(index));
        for (const Button& button : page.buttons) {
            QAction* item = buttonAction(button);
            item->setText(button.caption);
            // Shown as written, ellipsis included.
            item->setIconText(button.caption);
            m_lookOut->addButton(index, item);
        }
    }
    connect(m_lookOut, &TLookOut::pageClicked, this,
            [this] { m_zvuky->play(TZvuky::Udalost::Lista); });
}

QAction* THlavniDialog::buttonAction(const Button& button)
{
    // A button without a menu item of its own is its command's only handle.
    QAction* item = button.name == button.command ? m_router->action(button.name)
                                                  : createAction(button.name, button.command);
    const Command* mirrored = command(button.command);
    removeAction(item); // the shortcut stays with the menu item
    item->setShortcuts({});
    item->setText(plainCaption(mirrored->caption));
    item->setToolTip(plainCaption(mirrored->caption));
    item->setStatusTip(button.hint.isEmpty() ? mirrored->hint : button.hint);
    if (!button.icon.isEmpty())
        item->setIcon(obrazky::ikona(button.icon));
    return item;
}

void THlavniDialog::createToolBars()
{
    for (const ToolBar& definition : commandtable::toolBars()) {
        QToolBar* bar = createToolBar(definition);
        addButtons(bar, definition.buttons);
        addCloseButton(bar, definition.iniKey);
    }
}

QToolBar* THlavniDialog::createToolBar(const ToolBar& definition)
{
    auto* bar = new QToolBar(definition.caption, this);
    bar->setObjectName(definition.name);
    bar->setStatusTip(defaultHint());
    bar->setIconSize(QSize(20, 20));
    bar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, bar);
    m_toolBars.insert(definition.name, bar);
    m_parts.insert(definition.name, bar);
    return bar;
}

void THlavniDialog::addButtons(QToolBar* bar, const QList<Button>& buttons)
{
    for (const Button& button : buttons) {
        if (button.name.isEmpty()) {
            bar->addSeparator();
            continue;
        }
        QAction* item = buttonAction(button);
        bar->addAction(item);
        if (QWidget* widget = bar->widgetForAction(item))
            widget->setObjectName(button.name);
    }
}

void THlavniDialog::addCloseButton(QToolBar* bar, const QString& key)
{
    // A docked bar is hidden through the menus; a floating one has its own close button.
    auto* close = new QAction(QStringLiteral("×"), bar);
    close->setObjectName(bar->objectName() + QStringLiteral("Zavrit"));
    close->setToolTip(QStringLiteral("Zavřít"));
    close->setStatusTip(QStringLiteral("Skryje panel %1").arg(bar->windowTitle()));
    close->setVisible(false);
    bar->addAction(close);
    connect(bar, &QToolBar::topLevelChanged, close, &QAction::setVisible);
    connect(close, &QAction::triggered, this, [this, key] { m_view->barClosed(key); });
}

void THlavniDialog::createTipsBar()
{
    addToolBarBreak(Qt::TopToolBarArea);
    const ToolBar& definition = tipsToolBar();
    QToolBar* bar = createToolBar(definition);
    auto* label = new QLabel(QStringLiteral(" Víte že ...  "), bar);
    label->setObjectName(QStringLiteral("ViteZe"));
    bar->addWidget(label);
    m_tip = new QLineEdit(bar);
    m_tip->setObjectName(QStringLiteral("TipDne"));
    m_tip->setReadOnly(true);
    m_tip->setFocusPolicy(Qt::NoFocus);
    m_tip->setStatusTip(defaultHint());
    // The tip takes the room the bar leaves beside its label and buttons.
    m_tip->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_tip->setMinimumWidth(200);
    QPalette yellow = m_tip->palette();
    yellow.setColor(QPalette::Base, QColor(0xff, 0xff, 0xe1));
    m_tip->setPalette(yellow);
    bar->addWidget(m_tip);
    bar->addSeparator();
    addButtons(bar, definition.buttons);
    addCloseButton(bar, definition.iniKey);
    QList<QToolBar*> mainBars;
    for (const ToolBar& main : commandtable::toolBars())
        mainBars.append(m_toolBars.value(main.name));
    m_docks = new DockKeeper(this, mainBars, bar);
}

void THlavniDialog::createStatusBar()
{
    m_stav = new TStavovyRadek(this);
    setStatusBar(m_stav);
    m_stav->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_stav, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* popup = createPopupMenu();
        popup->setAttribute(Qt::WA_DeleteOnClose);
        popup->popup(m_stav->mapToGlobal(at));
    });
}

void THlavniDialog::createViewState()
{
    m_view = new ViewState(m_folder.programIniPath(), this);
    connect(m_view, &ViewState::writeFailed, this, &THlavniDialog::reportError);
    const QList<QWidget*> bars{m_toolBars.value("StandardniL"),
                               m_toolBars.value("DatabazeL"),
                               m_toolBars.value("OknaL"),
                               m_toolBars.value("TipyDneL"),
                               m_stav,
                               m_lookOut};
    for (int i = 0; i < bars.size(); ++i) {
        m_view->addBar(kBars[i].key, bars[i], m_router->action(kBars[i].menuItem),
                       m_router->action(kBars[i].popupItem));
    }
    m_view->applySettings();
}

void THlavniDialog::applyViewState()
{
    m_view->applySettings();
}

void THlavniDialog::restoreStandardView()
{
    m_docks->dockAll();
    m_view->applySettings();
}

QMenu* THlavniDialog::createPopupMenu()
{
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    const Command* title = command(QStringLiteral("P1M0"));
    QMenu* bars = popup->addMenu(title->caption);
    bars->menuAction()->setObjectName(title->name);
    bars->menuAction()->setStatusTip(title->hint);
    for (const char* name : {"P1M1", "P1M2", "P1M3", "P1M4"})
        bars->addAction(m_router->action(name));
    popup->addAction(m_router->action(QStringLiteral("P1M5")));
    popup->addAction(m_router->action(QStringLiteral("P1M6")));
    return popup;
}
