#include "CommandRouter.h"

#include <QAction>

CommandRouter::CommandRouter(QObject* parent) : QObject(parent) {}

void CommandRouter::addAction(QAction* action, const QString& command)
{
    const QString name = action->objectName();
    m_actions.insert(name, action);
    m_commandOf.insert(name, command);
    m_mirrors.insert(command, name);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    updateEnabled(command);
}

QAction* CommandRouter::action(const QString& name) const
{
    return m_actions.value(name);
}

QList<QAction*> CommandRouter::actionsOf(const QString& command) const
{
    QList<QAction*> list;
    for (const QString& name : m_mirrors.values(command))
        list.append(m_actions.value(name));
    return list;
}

QString CommandRouter::commandOf(const QString& actionName) const
{
    return m_commandOf.value(actionName);
}

void CommandRouter::route(const QString& command, QObject* context, std::function<void()> handler)
{
    m_routes.insert(command, Route{context, std::move(handler)});
    connect(context, &QObject::destroyed, this, [this, command] { unroute(command); });
    updateEnabled(command);
}

bool CommandRouter::isRouted(const QString& command) const
{
    const auto found = m_routes.constFind(command);
    return found != m_routes.constEnd() && !found->context.isNull();
}

void CommandRouter::run(const QString& command)
{
    const auto found = m_routes.constFind(command);
    if (found == m_routes.constEnd() || found->context.isNull() || !found->handler)
        return;
    // The handler may reroute the command; run a copy.
    const std::function<void()> handler = found->handler;
    handler();
}

void CommandRouter::setAvailable(const QString& actionName, bool available)
{
    if (available)
        m_unavailable.remove(actionName);
    else
        m_unavailable.insert(actionName);
    if (QAction* item = action(actionName))
        item->setEnabled(available && isRouted(commandOf(actionName)) &&
                         !m_blocked.contains(actionName));
}

void CommandRouter::setBlocked(const QString& actionName, bool blocked)
{
    if (blocked)
        m_blocked.insert(actionName);
    else
        m_blocked.remove(actionName);
    updateEnabled(commandOf(actionName));
}

bool CommandRouter::isAvailable(const QString& actionName) const
{
    return !m_unavailable.contains(actionName);
}

void CommandRouter::unroute(const QString& command)
{
    const auto found = m_routes.find(command);
    // A newer route with a living context stays.
    if (found != m_routes.end() && found->context.isNull())
        m_routes.erase(found);
    updateEnabled(command);
}

void CommandRouter::updateEnabled(const QString& command)
{
    const bool routed = isRouted(command);
    for (const QString& name : m_mirrors.values(command)) {
        if (QAction* item = m_actions.value(name))
            item->setEnabled(routed && isAvailable(name) && !m_blocked.contains(name));
    }
}
