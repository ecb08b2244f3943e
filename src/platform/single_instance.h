#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace montora {

// One running program per user. The first start listens on a local socket named
// after the program's identity; a later start connects, asks the first to bring
// its window forward, and goes away without opening one.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Primary,    // this process runs the program
        HandedOver, // another process runs it and has been asked to come forward
    };

    static QString defaultIdentity() { return QStringLiteral("EBA9178B-BA5C-4223-B05D-74FA48993354"); }

    explicit SingleInstance(const QString& identity = defaultIdentity(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Asks a running instance to come forward (and to open `filesToOpen`, absolute
    // paths), or becomes the running instance. A socket left behind by a crashed
    // instance is cleared away.
    Role claim(const QStringList& filesToOpen = {});

    // The local socket name: the identity and the user id.
    QString serverName() const { return m_serverName; }
    bool isListening() const;

signals:
    // A later start asked this instance to show its window.
    void activationRequested();
    // A later start was given this file to open (after activationRequested).
    void openRequested(const QString& path);

private:
    bool askRunningInstance(const QStringList& filesToOpen) const;
    void handleRequest(const QByteArray& request);
    void listen();
    void acceptConnections();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace montora
