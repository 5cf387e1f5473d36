#include "ViewState.h"

#include <QAction>
#include <QWidget>

ViewState::ViewState(const QString& programIniPath, QObject* parent)
    : QObject(parent), m_settings(programIniPath)
{
}

void ViewState::addBar(const QString& key, QWidget* bar, QAction* menuItem, QAction* popupItem)
{
    m_bars.append(Bar{key, bar, menuItem, popupItem, true});
}

void ViewState::applySettings()
{
    for (Bar& bar : m_bars)
        show(bar, m_settings.isViewShown(bar.key));
}

void ViewState::toggle(const QString& key)
{
    if (Bar* bar = find(key)) {
        show(*bar, !bar->shown);
        write(*bar);
    }
}

void ViewState::barClosed(const QString& key)
{
    if (Bar* bar = find(key)) {
        show(*bar, false);
        write(*bar);
    }
}

bool ViewState::isShown(const QString& key) const
{
    const Bar* bar = find(key);
    return bar && bar->shown;
}

QStringList ViewState::keys() const
{
    QStringList list;
    for (const Bar& bar : m_bars)
        list << bar.key;
    return list;
}

ViewState::Bar* ViewState::find(const QString& key)
{
    for (Bar& bar : m_bars) {
        if (bar.key == key)
            return &bar;
    }
    return nullptr;
}

const ViewState::Bar* ViewState::find(const QString& key) const
{
    return const_cast<ViewState*>(this)->find(key);
}

void ViewState::show(Bar& bar, bool shown)
{
    bar.shown = shown;
    if (bar.widget)
        bar.widget->setVisible(shown);
    if (bar.menuItem)
        bar.menuItem->setChecked(shown);
    if (bar.popupItem)
        bar.popupItem->setChecked(shown);
}

void ViewState::write(const Bar& bar)
{
    if (Status s = m_settings.setViewShown(bar.key, bar.shown); !s)
        emit writeFailed(s);
}
