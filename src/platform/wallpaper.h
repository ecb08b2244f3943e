#pragma once

#include "base/status.h"

#include <QDBusConnection>
#include <QImage>
#include <QString>
#include <QStringList>

namespace montora {

// Sets and removes the desktop wallpaper: first through the desktop portal
// (SetWallpaperFile with the file handed over open), then through the settings
// of the desktops that have their own (GNOME, MATE, Cinnamon, KDE), the running
// desktop's first. Each call blocks until a method answered.
class Wallpaper {
public:
    static QString fileName() { return QStringLiteral("Vantile Wallpaper.bmp"); }
    // The user's data location (the folder is created when needed).
    static QString defaultFolder();

    // `folder` holds the wallpaper file; empty means defaultFolder().
    explicit Wallpaper(QDBusConnection bus = QDBusConnection::sessionBus(), QString folder = QString());

    QString filePath() const;
    // Writes the picture (24-bit BMP) as the wallpaper file, then sets it.
    Status set(const QImage& picture);
    // Sets a picture file that already exists.
    Status setFile(const QString& path);
    // Leaves the desktop without a wallpaper picture (the portal cannot do this).
    Status remove();
    // How the last successful call did it: "portal", "gnome", "mate", "cinnamon" or "kde".
    const QString& lastMethod() const { return m_lastMethod; }
    void setPortalTimeout(int milliseconds) { m_portalTimeout = milliseconds; }

private:
    struct Fallback;
    static QList<Fallback> fallbacks();
    Status setThroughPortal(const QString& path);
    Status runFallbacks(const QString& path, bool removing);
    static Status runProgram(const QString& program, const QStringList& arguments);

    QDBusConnection m_bus;
    QString m_folder;
    QString m_lastMethod;
    int m_portalTimeout = 30000;
};

} // namespace montora
