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

const QString THlavniDialog::kCaption = QStringLiteral("Fonarium 2000");

namespace {

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
    followTips(help->tipStepper(), help);
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
    const bool active = m_dokumenty->currentDatabaseWindow() != nullptr;
    for (const char* name : {"MS3", "MSExport", "MSImport"})
        m_router->setAvailable(QString::fromLatin1(name), active);
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
    // Without the help windows the bar still walks the tips, the same way.
    if (m_data) {
        m_ownTips = new TipStepper(m_data->table(6), this);
        followTips(*m_ownTips, m_ownTips);
        m_ownTips->open();
    }
    startAssistant();
}

void THlavniDialog::updateManualCommands()
{
    const bool manual = ElectronicManual(m_folder).isInstalled();
    m_router->setAvailable(QStringLiteral("EM"), manual);
    m_router->setAvailable(QStringLiteral("EM1"), manual);
}

// The tips bar shows the stepper's tip; its buttons step while there are tips.
void THlavniDialog::followTips(TipStepper& stepper, QObject* owner)
{
    connect(&stepper, &TipStepper::tipChanged, this, &THlavniDialog::showTipText);
    const auto tipsAvailable = [this](bool available) {
        m_router->setAvailable(QStringLiteral("TT1"), available);
        m_router->setAvailable(QStringLiteral("TT2"), available);
    };
    connect(&stepper, &TipStepper::availabilityChanged, this, tipsAvailable);
    // The stepper tells only changes; without a tips table it never speaks,
    // so the buttons start from what it holds now.
    tipsAvailable(stepper.isAvailable());
    route(QStringLiteral("TT1"), owner, [&stepper] { stepper.previous(); });
    route(QStringLiteral("TT2"), owner, [&stepper] { stepper.next(); });
}

void THlavniDialog::showTipText(const QString& tip)
{
    m_tip->setText(tip.trimmed());
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
