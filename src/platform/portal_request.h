#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace montora {

// One request to the desktop portal: its answer comes later as a Response signal
// on a request object whose path the caller's handle token fixes. Listening
// starts before the call, so an answer that comes quickly is not missed.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    static constexpr uint kSuccess = 0;
    static constexpr uint kCancelled = 1;

    PortalRequest(QDBusConnection bus, const QString& handleToken);

    // The request path the portal uses for this connection and token.
    QString expectedPath() const { return m_expected; }
    // Also listens on the path the portal returned, when it differs.
    void follow(const QString& handlePath);
    // The response code, or none when no answer came within the time.
    std::optional<uint> wait(int timeoutMs);

signals:
    void answered();

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    QDBusConnection m_bus;
    QString m_expected;
    std::optional<uint> m_response;
};

} // namespace montora
