#include "DockKeeper.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QTimer>
#include <QToolBar>

DockKeeper::DockKeeper(QMainWindow* window, const QList<QToolBar*>& mainBars, QToolBar* tipsBar)
    : QObject(window), m_window(window), m_tipsBar(tipsBar)
{
    for (QToolBar* bar : mainBars)
        m_mainBars.append(bar);
    for (QToolBar* bar : mainBars + QList<QToolBar*>{tipsBar}) {
        // Both rows lie in the top toolbar area.
        bar->setAllowedAreas(Qt::TopToolBarArea);
        bar->installEventFilter(this);
        connect(bar, &QToolBar::topLevelChanged, this, [this](bool floating) {
            if (!floating)
                checkLater();
        });
    }
}

bool DockKeeper::isDockedAndShown(const QToolBar* bar) const
{
    return bar && !bar->isHidden() && !bar->isFloating() &&
           m_window->toolBarArea(const_cast<QToolBar*>(bar)) == Qt::TopToolBarArea;
}

bool DockKeeper::rowsAreKept() const
{
    if (!isDockedAndShown(m_tipsBar))
        return true;
    const int tipsTop = m_tipsBar->geometry().top();
    for (const QPointer<QToolBar>& bar : m_mainBars) {
        if (isDockedAndShown(bar) && bar->geometry().bottom() >= tipsTop)
            return false;
    }
    return true;
}

void DockKeeper::restoreRows()
{
    dock(false);
}

void DockKeeper::dockAll()
{
    dock(true);
}

void DockKeeper::dock(bool floatingToo)
{
    QList<QToolBar*> bars;
    QList<bool> shown;
    for (const QPointer<QToolBar>& bar : m_mainBars + QList<QPointer<QToolBar>>{m_tipsBar}) {
        if (bar && (floatingToo || !bar->isFloating())) {
            bars.append(bar);
            shown.append(!bar->isHidden());
        }
    }
    // Out first, all of them: a bar added back joins the last row there is.
    for (QToolBar* bar : bars)
        m_window->removeToolBar(bar);
    for (int i = 0; i < bars.size(); ++i) {
        if (bars[i] == m_tipsBar && i > 0)
            m_window->addToolBarBreak(Qt::TopToolBarArea);
        m_window->addToolBar(Qt::TopToolBarArea, bars[i]);
        bars[i]->setVisible(shown[i]);
    }
}

bool DockKeeper::eventFilter(QObject* watched, QEvent* event)
{
    // A drag of a docked bar ends where its button is let go.
    if (event->type() == QEvent::MouseButtonRelease)
        checkLater();
    return QObject::eventFilter(watched, event);
}

void DockKeeper::checkLater()
{
    if (m_checkPending)
        return;
    m_checkPending = true;
    // The window lays the bar out only after the drop has been handled.
    QTimer::singleShot(0, this, &DockKeeper::check);
}

void DockKeeper::check()
{
    m_checkPending = false;
    if (m_window->layout())
        m_window->layout()->activate();
    if (!rowsAreKept())
        restoreRows();
}
