// What the main window offers every dialog: indicators and enabling, balloon
// placement and sounds, the documents and the commands they may use.
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
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>

using namespace commandtable;

void THlavniDialog::setIndicator(const QString& name, bool visible)
{
    m_stav->setIndicator(name, visible);
}

bool THlavniDialog::isIndicatorVisible(const QString& name) const
{
    return m_stav->isIndicatorVisible(name);
}

// A disabled window loses its focus and does not get it back by itself: after
// a message about a refused record the typing would go nowhere. The editor
// gets it back unless another database window came in front meanwhile.
void THlavniDialog::setMainEnabled(bool enabled)
{
    if (!enabled && isEnabled())
        m_focusBeforeDialog = focusWidget();
    setEnabled(enabled);
    if (!enabled || !m_focusBeforeDialog)
        return;
    QWidget* editor = m_focusBeforeDialog;
    m_focusBeforeDialog = nullptr;
    const QMdiSubWindow* front = m_dokumenty->activeSubWindow();
    if (editor->isEnabled() && (!front || front->isAncestorOf(editor)))
        editor->setFocus(Qt::OtherFocusReason);
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
        blockItems(menu, !enabled);
        return;
    }
    if (QWidget* part = m_parts.value(name))
        part->setEnabled(enabled);
}

// A disabled menu does not stop the shortcuts of its items: a loan card
// being typed would otherwise see its carrier moved away under it.
void THlavniDialog::blockItems(const QMenu* menu, bool blocked)
{
    for (QAction* item : menu->actions()) {
        if (const QMenu* submenu = item->menu())
            blockItems(submenu, blocked);
        if (m_router->action(item->objectName()) == item)
            m_router->setBlocked(item->objectName(), blocked);
    }
}

void THlavniDialog::closeMain()
{
    close();
}
