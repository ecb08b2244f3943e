#include "platform/wallpaper.h"

#include "imaging/picture_saver.h"
#include "platform/portal_request.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace montora {

namespace {

const char* const kPortalService = "org.freedesktop.portal.Desktop";
const char* const kPortalPath = "/org/freedesktop/portal/desktop";
const char* const kWallpaperInterface = "org.freedesktop.portal.Wallpaper";
constexpr int kProgramTimeoutMs = 15000;

} // namespace

// One desktop's own setting: the commands that set a file (`%f` the path, `%u` its
// URI) or clear it; a command whose `optional` flag is set may fail.
struct Wallpaper::Fallback {
    struct Command {
        QString program;
        QStringList arguments;
        bool optional = false;
    };
    QString name;
    QString desktop; // as XDG_CURRENT_DESKTOP names it
    QList<Command> set;
    QList<Command> remove;
};

QList<Wallpaper::Fallback> Wallpaper::fallbacks()
{
    const QString gsettings = QStringLiteral("gsettings");
    auto key = [&](const char* schema, const char* name, const QString& value, bool optional = false) {
        return Fallback::Command{gsettings, {QStringLiteral("set"), QString::fromLatin1(schema), QString::fromLatin1(name), value},
                                 optional};
    };
    const QString uri = QStringLiteral("%u");
    const QString file = QStringLiteral("%f");
    const QString none;
    return {
        {QStringLiteral("gnome"), QStringLiteral("GNOME"),
         {key("org.gnome.desktop.background", "picture-uri", uri),
          key("org.gnome.desktop.background", "picture-uri-dark", uri, true)},
         {key("org.gnome.desktop.background", "picture-uri", none),
          key("org.gnome.desktop.background", "picture-uri-dark", none, true)}},
        {QStringLiteral("mate"), QStringLiteral("MATE"),
         {key("org.mate.background", "picture-filename", file)},
         {key("org.mate.background", "picture-filename", none)}},
        {QStringLiteral("cinnamon"), QStringLiteral("X-Cinnamon"),
         {key("org.cinnamon.desktop.background", "picture-uri", uri)},
         {key("org.cinnamon.desktop.background", "picture-uri", none)}},
        {QStringLiteral("kde"), QStringLiteral("KDE"),
         {Fallback::Command{QStringLiteral("plasma-apply-wallpaperimage"), {file}, false}},
         {}},
    };
}

QString Wallpaper::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

Wallpaper::Wallpaper(QDBusConnection bus, QString folder) : m_bus(std::move(bus)), m_folder(std::move(folder)) {}

QString Wallpaper::filePath() const
{
    const QString folder = m_folder.isEmpty() ? defaultFolder() : m_folder;
    return QDir(folder).filePath(fileName());
}

Status Wallpaper::set(const QImage& picture)
{
    if (picture.isNull())
        return Status::error(QStringLiteral("There is no picture to make the wallpaper of."));
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Status::error(QStringLiteral("Cannot create the folder of \"%1\".").arg(path));
    MONTORA_TRY(PictureSaver::saveByExtension(picture.convertToFormat(QImage::Format_RGB888), path));
    return setFile(path);
}

Status Wallpaper::setFile(const QString& path)
{
    m_lastMethod.clear();
    const Status portal = setThroughPortal(path);
    if (portal) {
        m_lastMethod = QStringLiteral("portal");
        return portal;
    }
    const Status fallback = runFallbacks(path, false);
    if (fallback)
        return fallback;
    return Status::error(QStringLiteral("%1 %2").arg(portal.message(), fallback.message()));
}

Status Wallpaper::remove()
{
    m_lastMethod.clear();
    return runFallbacks(QString(), true);
}

Status Wallpaper::setThroughPortal(const QString& path)
{
    if (!m_bus.isConnected())
        return Status::error(QStringLiteral("There is no session bus for the desktop portal."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::error(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    const QString token = QStringLiteral("montora%1").arg(QRandomGenerator::global()->generate());
    PortalRequest request(m_bus, token);
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kPortalService),
                                                       QString::fromLatin1(kPortalPath),
                                                       QString::fromLatin1(kWallpaperInterface),
                                                       QStringLiteral("SetWallpaperFile"));
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("show-preview"), false},
                              {QStringLiteral("set-on"), QStringLiteral("background")}};
    call << QString() << QVariant::fromValue(QDBusUnixFileDescriptor(file.handle())) << options;
    // Asynchronous, so that a portal in this very thread can answer.
    QDBusPendingReply<QDBusObjectPath> reply = m_bus.asyncCall(call, m_portalTimeout);
    QDBusPendingCallWatcher watcher(reply);
    if (!reply.isFinished()) {
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (reply.isError())
        return Status::error(QStringLiteral("The desktop portal cannot set the wallpaper: %1").arg(reply.error().message()));
    request.follow(reply.value().path());
    const std::optional<uint> response = request.wait(m_portalTimeout);
    if (!response)
        return Status::error(QStringLiteral("The desktop portal did not answer."));
    if (*response == PortalRequest::kCancelled)
        return Status::error(QStringLiteral("The wallpaper was not changed."));
    if (*response != PortalRequest::kSuccess)
        return Status::error(QStringLiteral("The desktop portal refused the wallpaper."));
    return Status::ok();
}

Status Wallpaper::runFallbacks(const QString& path, bool removing)
{
    QList<Fallback> methods = fallbacks();
    // The running desktop's own setting first, the others in their order.
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    std::stable_partition(methods.begin(), methods.end(),
                          [&desktops](const Fallback& method) { return desktops.contains(method.desktop, Qt::CaseInsensitive); });
    const QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    QStringList reasons;
    for (const Fallback& method : methods) {
        const QList<Fallback::Command>& commands = removing ? method.remove : method.set;
        if (commands.isEmpty())
            continue;
        bool worked = true;
        for (const Fallback::Command& command : commands) {
            QStringList arguments = command.arguments;
            for (QString& argument : arguments) {
                if (argument == QLatin1String("%f"))
                    argument = path;
                else if (argument == QLatin1String("%u"))
                    argument = removing ? QString() : uri;
            }
            const Status ran = runProgram(command.program, arguments);
            if (!ran && !command.optional) {
                reasons << ran.message();
                worked = false;
                break;
            }
        }
        if (worked) {
            m_lastMethod = method.name;
            return Status::ok();
        }
    }
    return Status::error(QStringLiteral("No desktop setting took the wallpaper (%1).").arg(reasons.join(QStringLiteral("; "))));
}

Status Wallpaper::runProgram(const QString& program, const QStringList& arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return Status::error(QStringLiteral("%1 is not installed").arg(program));
    QProcess process;
    process.start(found, arguments);
    if (!process.waitForFinished(kProgramTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return Status::error(QStringLiteral("%1 did not finish").arg(program));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return Status::error(QStringLiteral("%1 %2: %3").arg(program, arguments.mid(0, 3).join(u' '), said));
    }
    return Status::ok();
}

} // namespace montora
