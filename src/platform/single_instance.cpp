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
// One request per line: "show", then "open PATH" for each file, paths in UTF-8.
const QByteArray kShowRequest = QByteArrayLiteral("show");
const QByteArray kOpenRequest = QByteArrayLiteral("open ");

} // namespace

SingleInstance::SingleInstance(const QString& identity, QObject* parent)
    : QObject(parent), m_serverName(QStringLiteral("montora-%1-%2").arg(identity).arg(::getuid()))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }

bool SingleInstance::askRunningInstance(const QStringList& filesToOpen) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    // A stale socket file of a crashed instance refuses the connection at once.
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    QByteArray request = kShowRequest + '\n';
    for (const QString& path : filesToOpen)
        if (!path.contains('\n'))
            request += kOpenRequest + path.toUtf8() + '\n';
    socket.write(request);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
}

SingleInstance::Role SingleInstance::claim(const QStringList& filesToOpen)
{
    if (askRunningInstance(filesToOpen))
        return Role::HandedOver;

    // Two starts at the same moment: only the one holding the lock may clear the
    // old socket and listen; the other finds it listening once it gets the lock.
    QLockFile lock(QDir::temp().filePath(m_serverName + QStringLiteral(".lock")));
    lock.tryLock(kLockTimeoutMs);
    if (askRunningInstance(filesToOpen))
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
        // A request may arrive in pieces: it is read whole once the later start hung up.
        auto* request = new QByteArray;
        connect(socket, &QLocalSocket::readyRead, this, [socket, request] { *request += socket->readAll(); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, request] {
            *request += socket->readAll();
            handleRequest(*request);
            delete request;
            socket->deleteLater();
        });
    }
}

void SingleInstance::handleRequest(const QByteArray& request)
{
    const QList<QByteArray> lines = request.split('\n');
    if (!lines.contains(kShowRequest))
        return;
    emit activationRequested();
    for (const QByteArray& line : lines)
        if (line.startsWith(kOpenRequest) && line.size() > kOpenRequest.size())
            emit openRequested(QString::fromUtf8(line.mid(kOpenRequest.size())));
}

} // namespace montora
