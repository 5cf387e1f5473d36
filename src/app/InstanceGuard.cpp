#include "InstanceGuard.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QMetaObject>

#include <unistd.h>

namespace {
// A live copy answers at once; a frozen one is still accepted by the system.
constexpr int kConnectTimeoutMs = 1000;
} // namespace

InstanceGuard::InstanceGuard(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    // Only the owner and the user's own second copies may connect.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceGuard::dropCaller);
}

InstanceGuard::~InstanceGuard()
{
    m_server->close();
}

QString InstanceGuard::endpointName(const QMetaObject& windowClass, const QString& caption)
{
    return endpointName(QString::fromLatin1(windowClass.className()), caption,
                        QString::number(::getuid()));
}

QString InstanceGuard::endpointName(const QString& windowClass, const QString& caption,
                                    const QString& user)
{
    return QStringLiteral("%1-%2-%3").arg(windowClass, caption, user);
}

bool InstanceGuard::isRunning(const QString& endpoint)
{
    QLocalSocket socket;
    socket.connectToServer(endpoint);
    const bool answered = socket.waitForConnected(kConnectTimeoutMs);
    socket.abort();
    return answered;
}

bool InstanceGuard::claim(const QString& endpoint)
{
    m_server->close();
    if (isRunning(endpoint))
        return false;
    QLocalServer::removeServer(endpoint);
    return m_server->listen(endpoint);
}

bool InstanceGuard::isClaimed() const
{
    return m_server->isListening();
}

QString InstanceGuard::endpoint() const
{
    return m_server->serverName();
}

void InstanceGuard::dropCaller()
{
    // The caller only wanted to know that we are here.
    while (QLocalSocket* caller = m_server->nextPendingConnection()) {
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        caller->disconnectFromServer();
    }
}
