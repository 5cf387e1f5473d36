#include "THlavniDialog.h"

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

const QString THlavniDialog::kCaption = QStringLiteral("Fonarium 2000");

namespace {

// Names that stand for menus rather than commands of their own.
bool isSubmenu(const QString& name)
{
    return menu(name) || name == QLatin1String("P1M0");
}

// The bars, their keys and the menu items that tick them.
struct BarItems
{
    const char* key;
    const char* menuItem;
    const char* popupItem;
};
const BarItems kBars[] = {{"Standardni", "PN1", "P1M1"},   {"Databaze", "PN2", "P1M2"},
                          {"Okna", "PN3", "P1M3"},         {"TipyDne", "PN4", "P1M4"},
                          {"StavovyRadek", "MZ2", "P1M5"}, {"PanelOutlook", "MZ3", "P1M6"}};

const QStringList kWindowCommands{"MO1", "MO2", "MO3", "MO4", "MO5", "TO1", "TO2",
                                  "TO3", "TO4", "OO1", "OO2", "OO3", "OO4"};
const QSize kCascadeClient(517, 419);

// "o11" ... "o41": the Okno menu's item for the database window of a slot.
QString windowListItem(int slot)
{
    return QLatin1Char('o') + QString::number(slot) + QLatin1Char('1');
}
const QSize kRestoredSize(1000, 700);

// The Okno item names a database as the chooser lists it.
QString listedName(const QMdiSubWindow* window)
{
    const auto* database = qobject_cast<const TDatabazeDialog*>(window);
    return database && !database->databaseName().isEmpty() ? database->databaseName()
                                                           : window->windowTitle();
}

} // namespace

THlavniDialog::THlavniDialog(const ProgramFolder& folder, TDataModule1* data, TZvuky* zvuky,
                             QWidget* parent)
    : QMainWindow(parent), m_folder(folder), m_data(data),
      m_zvuky(zvuky ? zvuky : new TZvuky(folder.programFolder(), this)),
      m_router(new CommandRouter(this)), m_printer(std::make_unique<QPrinter>())
{
    setObjectName(QStringLiteral("HlavniDialog"));
    setWindowTitle(kCaption);
    setStatusTip(defaultHint());
    createActions();
    createMenus();
    createCentralArea();
    createToolBars();
    createTipsBar();
    createStatusBar();
    createViewState();
    routeOwnCommands();
    connectMenus();
    // Every hint of the program, from any of its windows, goes to the status bar.
    qApp->installEventFilter(this);
    resize(kRestoredSize);
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
}

THlavniDialog::~THlavniDialog()
{
    // Closing the frame on the way out activates no window of ours any more.
    m_dokumenty->disconnect(this);
    qApp->removeEventFilter(this);
}

QString THlavniDialog::instanceEndpoint()
{
    return InstanceGuard::endpointName(staticMetaObject, kCaption);
}

bool THlavniDialog::claimInstance(const QString& endpoint)
{
    if (!m_guard)
        m_guard = new InstanceGuard(this);
    return m_guard->claim(endpoint);
}

void THlavniDialog::attachAssistant(TPomocnikDialog* pomocnik)
{
    m_pomocnik = pomocnik;
    if (pomocnik)
        connect(pomocnik, &TPomocnikDialog::settingsNotWritten, this, &THlavniDialog::reportError,
                Qt::UniqueConnection);
    if (m_help && pomocnik)
        connect(pomocnik, &TPomocnikDialog::doubleClicked, m_help,
                &HelpWindows::showWelcomeFromFigure, Qt::UniqueConnection);
}

void THlavniDialog::attachHelp(HelpWindows* help)
{
    m_help = help;
    TipStepper& stepper = help->tipStepper();
    connect(&stepper, &TipStepper::tipChanged, this, &THlavniDialog::showTipText);
    const auto tipsAvailable = [this](bool available) {
        m_router->setAvailable(QStringLiteral("TT1"), available);
        m_router->setAvailable(QStringLiteral("TT2"), available);
    };
    connect(&stepper, &TipStepper::availabilityChanged, this, tipsAvailable);
    // The stepper tells only changes; without a tips table it never speaks,
    // so the buttons start from what it holds now.
    tipsAvailable(stepper.isAvailable());
    route(QStringLiteral("TT1"), help, [&stepper] { stepper.previous(); });
    route(QStringLiteral("TT2"), help, [&stepper] { stepper.next(); });
    route(QStringLiteral("MN4"), help, [help] { help->showTips(); });
    route(QStringLiteral("Napoveda1"), help, [help] { help->showHelp(); });
    route(QStringLiteral("EM"), help, [help] { help->startManual(); });
    attachAssistant(m_pomocnik);
    updateManualCommands();
}

QAction* THlavniDialog::action(const QString& name) const
{
    return m_router->action(name);
}

void THlavniDialog::route(const QString& command, QObject* context, std::function<void()> handler)
{
    m_router->route(command, context, std::move(handler));
}

// ---------------------------------------------------------------- creation

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

// ---------------------------------------------------------------- routes

void THlavniDialog::routeOwnCommands()
{
    using Handler = void (THlavniDialog::*)();
    const QList<QPair<QString, Handler>> own{{"MS3", &THlavniDialog::closeDatabaseWindow},
                                             {"MS9", &THlavniDialog::setupPrinter},
                                             {"PP2", &THlavniDialog::cancelPicture},
                                             {"MO3", &THlavniDialog::cascade}};
    for (const auto& [name, handler] : own)
        route(name, this, [this, handler] { (this->*handler)(); });
    route(QStringLiteral("MS8"), this, [this] { close(); });
    route(QStringLiteral("MO1"), this, [this] { m_dokumenty->tileHorizontally(); });
    route(QStringLiteral("MO2"), this, [this] { m_dokumenty->tileVertically(); });
    route(QStringLiteral("MO4"), this, [this] { m_dokumenty->minimiseAll(); });
    route(QStringLiteral("MO5"), this, [this] { m_dokumenty->arrangeIcons(); });
    for (int slot = 1; slot <= 4; ++slot)
        route(windowListItem(slot), this, [this, slot] { bringToFront(slot); });
    for (const BarItems& bar : kBars) {
        const QString key = QString::fromLatin1(bar.key);
        route(bar.menuItem, this, [this, key] { m_view->toggle(key); });
    }
    for (const QString& item : recordrules::kindItems())
        route(item, this, [this, name = item] { chooseKind(name); });
    // Ticking the genre is all there is to it; the lists read the tick.
    for (QAction* genre : m_genres->actions())
        route(genre->objectName(), this, {});
    for (const Menu& submenu : commandtable::menus())
        route(submenu.name, this, {});
    updateWindowState();
}

void THlavniDialog::connectMenus()
{
    auto aboutToShow = [this](const char* name, void (THlavniDialog::*update)()) {
        if (QMenu* target = mainMenu(QString::fromLatin1(name)))
            connect(target, &QMenu::aboutToShow, this, update);
    };
    aboutToShow("MenuSoubor", &THlavniDialog::updateFileMenu);
    aboutToShow("MenuOkno", &THlavniDialog::updateWindowState);
    aboutToShow("MenuNastroje", &THlavniDialog::updateToolsMenu);
    aboutToShow("MenuNapoveda", &THlavniDialog::updateManualCommands);
}

// ---------------------------------------------------------------- state

void THlavniDialog::updateWindowState()
{
    updateWindowCommands();
    updateFileMenu();
    syncWindowList();
    updateDatabasePanel();
    // The restore question leaves the settings of open databases alone.
    m_router->setAvailable(QStringLiteral("MN5"), !m_dokumenty->hasDatabaseWindow());
}

void THlavniDialog::updateWindowCommands()
{
    const bool active = m_dokumenty->currentDatabaseWindow() != nullptr;
    for (const QString& name : kWindowCommands)
        m_router->setAvailable(name, active);
    // The kind and genre choices concern the database in front.
    m_router->setAvailable(QStringLiteral("MN7"), active);
    m_router->setAvailable(QStringLiteral("MN8"), active);
}

void THlavniDialog::updateFileMenu()
{
    m_router->setAvailable(QStringLiteral("MS3"), m_dokumenty->currentDatabaseWindow());
}

void THlavniDialog::updateToolsMenu()
{
    updateWindowState();
    const ProgramSettings settings(m_folder.programIniPath());
    const bool picture = !settings.picturePath().isEmpty();
    m_router->setAvailable(QStringLiteral("PP2"), picture);
    m_router->setAvailable(QStringLiteral("PP3"), picture);
    m_router->setAvailable(QStringLiteral("MN1"), !settings.isDatabaseOpen(1));
}

void THlavniDialog::syncWindowList()
{
    bool any = false;
    QMdiSubWindow* current = m_dokumenty->currentDatabaseWindow();
    for (int slot = 1; slot <= 4; ++slot) {
        QAction* item = m_router->action(windowListItem(slot));
        QMdiSubWindow* window = m_dokumenty->databaseWindow(slot);
        item->setVisible(window != nullptr);
        item->setCheckable(true);
        item->setChecked(window && window == current);
        if (window)
            item->setText(listedName(window));
        any = any || window;
    }
    if (m_windowSeparator)
        m_windowSeparator->setVisible(any);
}

void THlavniDialog::updateDatabasePanel()
{
    QMdiSubWindow* current = m_dokumenty->currentDatabaseWindow();
    m_stav->setDatabase(TDokumenty::slotOf(current), current ? current->windowTitle() : QString());
}

QString THlavniDialog::genreChoice() const
{
    return m_genres->checkedAction() ? m_genres->checkedAction()->objectName() : QString();
}

// ---------------------------------------------------------------- first showing

void THlavniDialog::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownBefore || event->spontaneous())
        return;
    m_shownBefore = true;
    firstShowing();
}

void THlavniDialog::firstShowing()
{
    updateManualCommands();
    if (m_help) {
        m_help->presentAtStart();
        return;
    }
    openTips();
    startAssistant();
}

void THlavniDialog::updateManualCommands()
{
    const bool manual = ElectronicManual(m_folder).isInstalled();
    m_router->setAvailable(QStringLiteral("EM"), manual);
    m_router->setAvailable(QStringLiteral("EM1"), manual);
}

void THlavniDialog::openTips()
{
    TTable* tips = m_data ? m_data->table(6) : nullptr;
    const bool present =
        tips && ProgramFolder::fileExists(m_folder.dataFolder(), QStringLiteral("TipyA.dbf"));
    const bool open = present && (tips->isActive() || tips->open().isOk());
    m_router->setAvailable(QStringLiteral("TT1"), open);
    m_router->setAvailable(QStringLiteral("TT2"), open);
    if (!open)
        return;
    connect(tips, &TTable::cursorMoved, this, &THlavniDialog::showTip, Qt::UniqueConnection);
    connect(tips, &TTable::recordChanged, this, &THlavniDialog::showTip, Qt::UniqueConnection);
    showTip();
}

void THlavniDialog::showTipText(const QString& tip)
{
    m_tip->setText(tip.trimmed());
    m_tip->setCursorPosition(0);
}

void THlavniDialog::showTip()
{
    const TTable* tips = m_data->table(6);
    m_tip->setText(tips->isActive() ? tips->fieldText(QStringLiteral("TIPDNE")).trimmed()
                                    : QString());
    m_tip->setCursorPosition(0);
}

void THlavniDialog::startAssistant()
{
    const bool tipy =
        ProgramSettings(m_folder.programIniPath()).isViewShown(QStringLiteral("Tipy"));
    // The tips window, once it exists, brings the assistant out when it closes.
    if (tipy && m_router->isRouted(QStringLiteral("MN4"))) {
        m_router->run(QStringLiteral("MN4"));
        return;
    }
    const QString pomocnik =
        IniFile(m_folder.suiteIniPath())
            .readString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik"));
    if (pomocnik == QLatin1String("1"))
        showAssistant();
}

// ---------------------------------------------------------------- commands

void THlavniDialog::closeDatabaseWindow()
{
    if (QMdiSubWindow* window = m_dokumenty->currentDatabaseWindow())
        window->close();
}

void THlavniDialog::setupPrinter()
{
    PrinterSetup::exec(m_printer.get(), this);
}

void THlavniDialog::cancelPicture()
{
    if (Status s = ProgramSettings(m_folder.programIniPath()).setPicturePath(QString()); !s)
        reportError(s);
}

void THlavniDialog::cascade()
{
    m_dokumenty->cascadeSubWindows();
    const ProgramSettings settings(m_folder.programIniPath());
    for (int slot = 1; slot <= 4; ++slot) {
        QMdiSubWindow* window = m_dokumenty->databaseWindow(slot);
        if (window && settings.isDatabaseOpen(slot))
            TDokumenty::setClientSize(window, kCascadeClient);
    }
}

void THlavniDialog::bringToFront(int slot)
{
    QMdiSubWindow* window = m_dokumenty->databaseWindow(slot);
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->show();
    m_dokumenty->setActiveSubWindow(window);
    window->raise();
    updateWindowState();
}

void THlavniDialog::chooseKind(const QString& item)
{
    TTable* table = m_data ? m_data->slotTable(m_dokumenty->currentSlot()) : nullptr;
    if (!table)
        return;
    const QString filter = KindChoice::filterOf(item);
    if (filter.isEmpty())
        return;
    Status s = table->setFiltered(false);
    if (s)
        s = table->setFiltered(true);
    if (s)
        s = table->setFilter(filter);
    if (!s)
        reportError(s);
}

// ---------------------------------------------------------------- services

void THlavniDialog::setIndicator(const QString& name, bool visible)
{
    m_stav->setIndicator(name, visible);
}

bool THlavniDialog::isIndicatorVisible(const QString& name) const
{
    return m_stav->isIndicatorVisible(name);
}

void THlavniDialog::setMainEnabled(bool enabled)
{
    setEnabled(enabled);
}

void THlavniDialog::setAssistantEnabled(bool enabled)
{
    if (m_pomocnik)
        m_pomocnik->setEnabled(enabled);
}

QPoint THlavniDialog::placeBalloon(const BalloonRule& rule, const QSize& dialogSize)
{
    if (!m_pomocnik)
        return {};
    const bool onScreen = IniFile(m_folder.suiteIniPath())
                              .readString(QStringLiteral("Nastaveni"),
                                          QStringLiteral("Pomocnik")) == QLatin1String("1");
    const QPoint where = m_pomocnik->placeBalloon(rule, dialogSize);
    if (!onScreen)
        showAssistant();
    return where;
}

void THlavniDialog::showAssistant()
{
    if (!m_pomocnik)
        return;
    m_pomocnik->show();
    m_pomocnik->raise();
}

void THlavniDialog::playSound(const QString& fileName)
{
    m_zvuky->play(fileName);
}

int THlavniDialog::activeDatabaseSlot() const
{
    return m_dokumenty->currentSlot();
}

void THlavniDialog::addDocumentWindow(QMdiSubWindow* window)
{
    m_dokumenty->addSubWindow(window);
}

QMdiSubWindow* THlavniDialog::documentWindow(int slot) const
{
    return m_dokumenty->databaseWindow(slot);
}

void THlavniDialog::setCommandAvailable(const QString& name, bool available)
{
    m_router->setAvailable(name, available);
}

void THlavniDialog::setPartEnabled(const QString& name, bool enabled)
{
    if (QMenu* menu = mainMenu(name)) {
        menu->menuAction()->setEnabled(enabled);
        return;
    }
    if (QWidget* part = m_parts.value(name))
        part->setEnabled(enabled);
}

void THlavniDialog::closeMain()
{
    close();
}

// ---------------------------------------------------------------- events

bool THlavniDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        m_stav->setHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void THlavniDialog::closeEvent(QCloseEvent* event)
{
    if (exitStoppedByDatabase()) {
        event->ignore();
        return;
    }
    writeExitSettings();
    event->accept();
    emit ended();
}

// An edited record, then an edited loan card, of the databases in slot order
// stops the exit: that window is asked to close and asks its own question.
bool THlavniDialog::exitStoppedByDatabase()
{
    const ProgramSettings settings(m_folder.programIniPath());
    QList<TDatabazeDialog*> open;
    for (int slot = 1; slot <= 4; ++slot) {
        if (auto* window = qobject_cast<TDatabazeDialog*>(m_dokumenty->databaseWindow(slot));
            window && settings.isDatabaseOpen(slot))
            open.append(window);
    }
    for (bool (TDatabazeDialog::*edited)() const :
         {&TDatabazeDialog::isRecordEditing, &TDatabazeDialog::isLoanCardEditing}) {
        for (TDatabazeDialog* window : open) {
            if ((window->*edited)()) {
                window->closeForExit();
                return true;
            }
        }
    }
    return false;
}

void THlavniDialog::writeExitSettings()
{
    // Which databases were open, the search table and the picture belong to one run.
    if (Status s = ProgramSettings(m_folder.programIniPath()).resetRunKeys(); !s)
        reportError(s);
}
