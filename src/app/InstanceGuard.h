#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QMetaObject;

// How a running copy of the program is found: its main window owns a local
// socket named after the window's class and caption and the user, and the
// socket goes when the window goes. A second copy that can connect knows the
// first one is there. A crashed copy leaves only a dead socket file, which
// refuses connections, so it does not count and is cleared away.
class InstanceGuard final : public QObject
{
    Q_OBJECT

public:
    explicit InstanceGuard(QObject* parent = nullptr);
    ~InstanceGuard() override;

    // "<class>-<caption>-<user id>".
    static QString endpointName(const QMetaObject& windowClass, const QString& caption);
    static QString endpointName(const QString& windowClass, const QString& caption,
                                const QString& user);

    // True when a live copy answers on `endpoint`.
    static bool isRunning(const QString& endpoint);

    // Claims `endpoint` for this copy, clearing a dead socket left by a crash.
    // False when a live copy already holds it or the socket cannot be made.
    bool claim(const QString& endpoint);
    bool isClaimed() const;
    QString endpoint() const;

private:
    void dropCaller();

    QLocalServer* m_server;
};
