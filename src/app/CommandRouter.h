#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>

class QAction;

// Leads every menu item and button to the code that runs its command. A
// command whose window does not exist yet has no handler and all its items
// stay disabled; once a handler is routed, each item is enabled as far as its
// own availability allows. Availability is kept per item, because the rules
// of the program enable a menu item and its toolbar button separately.
class CommandRouter final : public QObject
{
    Q_OBJECT

public:
    explicit CommandRouter(QObject* parent = nullptr);

    // `command` is the name of the menu item the action mirrors, its own name
    // for a menu item.
    void addAction(QAction* action, const QString& command);
    QAction* action(const QString& name) const;
    QList<QAction*> actionsOf(const QString& command) const;
    QString commandOf(const QString& actionName) const;

    // The handler runs while `context` lives; when it goes, the command is
    // unrouted again. An empty handler marks a command that needs no code of
    // its own, such as a submenu.
    void route(const QString& command, QObject* context, std::function<void()> handler);
    bool isRouted(const QString& command) const;
    void run(const QString& command);

    void setAvailable(const QString& actionName, bool available);
    bool isAvailable(const QString& actionName) const;
    // An item of a part that is disabled as a whole (a main menu) is disabled
    // with it, its shortcut included, whatever its own availability.
    void setBlocked(const QString& actionName, bool blocked);

private:
    struct Route
    {
        QPointer<QObject> context;
        std::function<void()> handler;
    };

    void unroute(const QString& command);
    void updateEnabled(const QString& command);

    QHash<QString, QAction*> m_actions;
    QHash<QString, QString> m_commandOf;
    QMultiHash<QString, QString> m_mirrors;
    QHash<QString, Route> m_routes;
    QSet<QString> m_unavailable;
    QSet<QString> m_blocked;
};
