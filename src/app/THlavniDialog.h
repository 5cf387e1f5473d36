#pragma once

#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "Status.h"
#include "TPomocnikDialog.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class CommandRouter;
class HelpWindows;
class DockKeeper;
class InstanceGuard;
class KindChoice;
class QActionGroup;
class QLineEdit;
class QMdiSubWindow;
class QPrinter;
class QToolBar;
class TipStepper;
class TDataModule1;
class TDokumenty;
class TLookOut;
class TStavovyRadek;
class TZvuky;
class ViewState;

namespace commandtable {
struct Button;
struct Menu;
struct ToolBar;
} // namespace commandtable

// The frame of the program: the menus, the four toolbars, the side bar, the
// status bar and the document area with the database windows. Commands reach
// their windows through routes; a command whose window does not exist yet
// stays disabled. The bars follow the Zobrazit keys of the program settings.
class THlavniDialog final : public QMainWindow, public HlavniSluzby
{
    Q_OBJECT

public:
    static const QString kCaption;

    THlavniDialog(const ProgramFolder& folder, TDataModule1* data, TZvuky* zvuky,
                  QWidget* parent = nullptr);
    ~THlavniDialog() override;

    // The name a second copy looks for: this class, the caption and the user.
    static QString instanceEndpoint();
    // Makes this window the running copy on `endpoint`; the claim ends with the window.
    bool claimInstance(const QString& endpoint);

    void attachAssistant(TPomocnikDialog* pomocnik);
    // The tips, welcome and help windows: their commands, the tip line and the
    // presentation at the first showing go through them once attached.
    void attachHelp(HelpWindows* help);
    TPomocnikDialog* assistant() const { return m_pomocnik; }

    QAction* action(const QString& name) const;
    // Leads a command (the name of its menu item) to the window that runs it.
    void route(const QString& command, QObject* context, std::function<void()> handler);

    // Reads the Zobrazit keys again and shows or hides the bars accordingly.
    void applyViewState();
    // After the settings were put back: every bar in its own place, then as the keys say.
    void restoreStandardView();

    TDokumenty* dokumenty() const { return m_dokumenty; }
    TStavovyRadek* stavovyRadek() const { return m_stav; }
    QToolBar* toolBar(const QString& name) const { return m_toolBars.value(name); }
    // A menu of the menu bar by its name ("MenuNastroje").
    QMenu* mainMenu(const QString& name) const { return m_menus.value(name); }
    // The ticked item of the genre choice ("D0", "DR5").
    QString genreChoice() const;

    QMenu* createPopupMenu() override;

signals:
    // The window has closed for good: the program ends.
    void ended();
    // A failure for the message balloon.
    void errorReported(const Status& status);

public:
    // HlavniSluzby
    const ProgramFolder& programFolder() const override { return m_folder; }
    TDataModule1* dataModule() const override { return m_data; }
    void setIndicator(const QString& name, bool visible) override;
    bool isIndicatorVisible(const QString& name) const override;
    void setMainEnabled(bool enabled) override;
    void setAssistantEnabled(bool enabled) override;
    QPoint placeBalloon(const BalloonRule& rule, const QSize& dialogSize) override;
    void showAssistant() override;
    void playSound(const QString& fileName) override;
    int activeDatabaseSlot() const override;
    void addDocumentWindow(QMdiSubWindow* window) override;
    QMdiSubWindow* documentWindow(int slot) const override;
    void setCommandAvailable(const QString& name, bool available) override;
    void setPartEnabled(const QString& name, bool enabled) override;
    void closeMain() override;
    void reportError(const Status& status) override { emit errorReported(status); }
    QPrinter* printer() const override { return m_printer.get(); }
    KindChoice& kindChoice() const override { return *m_kindChoice; }
    ReportMode reportMode() const override { return m_reportMode; }
    void setReportMode(ReportMode mode) override { m_reportMode = mode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    QAction* createAction(const QString& name, const QString& command);
    void createChoiceGroups();
    void createMenus();
    void fillMenu(QMenu* menu, const commandtable::Menu& definition);
    void createToolBars();
    QToolBar* createToolBar(const commandtable::ToolBar& definition);
    void addButtons(QToolBar* bar, const QList<commandtable::Button>& buttons);
    void addCloseButton(QToolBar* bar, const QString& key);
    void createTipsBar();
    void createCentralArea();
    void createSideBar();
    void createStatusBar();
    void createViewState();
    void routeOwnCommands();
    void connectMenus();
    void blockItems(const QMenu* menu, bool blocked);

    QAction* buttonAction(const commandtable::Button& button);
    void updateWindowState();
    void updateWindowCommands();
    void updateFileMenu();
    void updateToolsMenu();
    void syncWindowList();
    void updateDatabasePanel();

    void firstShowing();
    void updateManualCommands();
    void followTips(TipStepper& stepper, QObject* owner);
    void showTipText(const QString& tip);
    void startAssistant();

    void closeDatabaseWindow();
    void setupPrinter();
    void cancelPicture();
    void cascade();
    void bringToFront(int slot);
    void chooseKind(const QString& item);
    bool exitStoppedByDatabase();
    void writeExitSettings();

    ProgramFolder m_folder;
    TDataModule1* m_data;
    TZvuky* m_zvuky;
    QPointer<TPomocnikDialog> m_pomocnik;
    // The editor that had the focus when a dialog disabled the window.
    QPointer<QWidget> m_focusBeforeDialog;
    HelpWindows* m_help = nullptr;
    TipStepper* m_ownTips = nullptr;

    CommandRouter* m_router = nullptr;
    ViewState* m_view = nullptr;
    DockKeeper* m_docks = nullptr;
    InstanceGuard* m_guard = nullptr;
    TDokumenty* m_dokumenty = nullptr;
    TLookOut* m_lookOut = nullptr;
    TStavovyRadek* m_stav = nullptr;
    QLineEdit* m_tip = nullptr;
    QActionGroup* m_kinds = nullptr;
    QActionGroup* m_genres = nullptr;
    QHash<QString, QToolBar*> m_toolBars;
    QHash<QString, QMenu*> m_menus;
    // Toolbars and side-bar pages that the database windows enable as a whole.
    QHash<QString, QWidget*> m_parts;
    QAction* m_windowSeparator = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    KindChoice* m_kindChoice = nullptr;
    ReportMode m_reportMode = ReportMode::Preview;
    bool m_shownBefore = false;
};
