#include "platform/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace montora {

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 5000;
const QByteArray kShowRequest = QByteArrayLiteral("show\n");

} // namespace

SingleInstance::SingleInstance(const QString& identity, QObject* parent)
    : QObject(parent), m_serverName(QStringLiteral("montora-%1-%2").arg(identity).arg(::getuid()))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }

bool SingleInstance::askRunningInstance() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    // A stale socket file of a crashed instance refuses the connection at once.
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
}

SingleInstance::Role SingleInstance::claim()
{
    if (askRunningInstance())
        return Role::HandedOver;

    // Two starts at the same moment: only the one holding the lock may clear the
    // old socket and listen; the other finds it listening once it gets the lock.
    QLockFile lock(QDir::temp().filePath(m_serverName + QStringLiteral(".lock")));
    lock.tryLock(kLockTimeoutMs);
    if (askRunningInstance())
        return Role::HandedOver;
    listen();
    return Role::Primary;
}

void SingleInstance::listen()
{
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName))
        qWarning("montora: cannot listen for later starts on \"%s\": %s", qPrintable(m_serverName),
                 qPrintable(m_server->errorString()));
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QByteArray request = socket->readAll();
            if (request.contains(kShowRequest.trimmed()))
                emit activationRequested();
        });
    }
}

} // namespace montora
