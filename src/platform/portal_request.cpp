#include "platform/portal_request.h"

#include <QEventLoop>
#include <QTimer>

namespace montora {

namespace {

const char* const kPortalService = "org.freedesktop.portal.Desktop";
const char* const kRequestInterface = "org.freedesktop.portal.Request";

} // namespace

PortalRequest::PortalRequest(QDBusConnection bus, const QString& handleToken) : m_bus(std::move(bus))
{
    QString sender = m_bus.baseService();
    if (sender.startsWith(u':'))
        sender.remove(0, 1);
    sender.replace(u'.', u'_');
    m_expected = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, handleToken);
    follow(m_expected);
}

void PortalRequest::follow(const QString& handlePath)
{
    if (handlePath.isEmpty() || (handlePath == m_expected && m_response))
        return;
    m_bus.connect(QString::fromLatin1(kPortalService), handlePath, QString::fromLatin1(kRequestInterface),
                  QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
}

void PortalRequest::onResponse(uint response, const QVariantMap&)
{
    if (m_response)
        return;
    m_response = response;
    emit answered();
}

std::optional<uint> PortalRequest::wait(int timeoutMs)
{
    if (m_response)
        return m_response;
    QEventLoop loop;
    connect(this, &PortalRequest::answered, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return m_response;
}

} // namespace montora
