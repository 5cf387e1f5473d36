#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QMainWindow;
class QToolBar;

// Keeps the two toolbar rows at the top of the main window apart: the row of
// the main toolbars above and the row of the tips bar below it. A main toolbar
// dropped into the tips row, or the tips bar dropped into the main row, is put
// back into its own row. The bars may float anywhere; the rows are only
// checked when a bar has been dropped.
class DockKeeper final : public QObject
{
    Q_OBJECT

public:
    DockKeeper(QMainWindow* window, const QList<QToolBar*>& mainBars, QToolBar* tipsBar);

    // True when every docked main bar stands in a row above the docked tips bar.
    bool rowsAreKept() const;
    // Puts every docked bar back into its own row, in the order of the bars.
    void restoreRows();
    // Docks the floating bars too.
    void dockAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkLater();
    void check();
    bool isDockedAndShown(const QToolBar* bar) const;
    void dock(bool floatingToo);

    QMainWindow* m_window;
    QList<QPointer<QToolBar>> m_mainBars;
    QPointer<QToolBar> m_tipsBar;
    bool m_checkPending = false;
};
