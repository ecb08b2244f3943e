#include "platform/wallpaper.h"
#include "support/test_files.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace montora;

namespace {

// The desktop portal's wallpaper interface as a test plays it: it keeps what it was
// handed and answers each request with `response`.
class FakeWallpaperPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Wallpaper")
public:
    explicit FakeWallpaperPortal(QDBusConnection bus) : m_bus(std::move(bus)) {}

    uint response = 0;
    QByteArray received;
    QVariantMap options;

public slots:
    QDBusObjectPath SetWallpaperFile(const QString&, const QDBusUnixFileDescriptor& fd, const QVariantMap& given,
                                     const QDBusMessage& message)
    {
        options = given;
        QFile file;
        if (file.open(::dup(fd.fileDescriptor()), QIODevice::ReadOnly, QFile::AutoCloseHandle))
            received = file.readAll();
        QString sender = message.service().mid(1).replace(u'.', u'_');
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                   .arg(sender, given.value(QStringLiteral("handle_token")).toString());
        QDBusMessage answer = QDBusMessage::createSignal(handle, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        answer << response << QVariantMap();
        m_bus.send(answer);
        return QDBusObjectPath(handle);
    }

private:
    QDBusConnection m_bus;
};

// A session bus of the test's own, with a portal on it when asked, and a PATH
// whose gsettings (with the memory backend) writes down how it was called.
class WallpaperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        ASSERT_TRUE(bus.waitForStarted());
        ASSERT_TRUE(bus.waitForReadyRead(10000));
        address = QString::fromLatin1(bus.readLine()).trimmed();
        ASSERT_FALSE(address.isEmpty());
        m_savedPath = qgetenv("PATH");
        m_savedDesktop = qgetenv("XDG_CURRENT_DESKTOP");
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        qputenv("GSETTINGS_BACKEND", "memory");
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("wallpaper-portal"));
        QDBusConnection::disconnectFromBus(QStringLiteral("wallpaper-client"));
        qputenv("PATH", m_savedPath);
        qputenv("XDG_CURRENT_DESKTOP", m_savedDesktop);
        if (bus.state() != QProcess::NotRunning) {
            bus.kill();
            bus.waitForFinished();
        }
    }

    FakeWallpaperPortal* startPortal()
    {
        QDBusConnection side = QDBusConnection::connectToBus(address, QStringLiteral("wallpaper-portal"));
        portal = std::make_unique<FakeWallpaperPortal>(side);
        EXPECT_TRUE(side.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        EXPECT_TRUE(side.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), portal.get(),
                                        QDBusConnection::ExportAllSlots));
        return portal.get();
    }

    QDBusConnection client() { return QDBusConnection::connectToBus(address, QStringLiteral("wallpaper-client")); }

    // Only our recording gsettings can be found.
    void recordGsettings()
    {
        const QString bin = folder.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        const QString script = bin + QStringLiteral("/gsettings");
        const QString real = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
        ASSERT_FALSE(real.isEmpty()) << "gsettings is not installed";
        ASSERT_TRUE(test::writeFileBytes(script, QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\nexec '%2' \"$@\"\n")
                                                     .arg(log(), real)
                                                     .toUtf8()));
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.toLocal8Bit());
    }

    QString log() const { return folder.filePath(QStringLiteral("gsettings.log")); }

    static QImage picture()
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(qRgb(30, 120, 200));
        return image;
    }

    QTemporaryDir folder;
    QProcess bus;
    QString address;
    std::unique_ptr<FakeWallpaperPortal> portal;

private:
    QByteArray m_savedPath;
    QByteArray m_savedDesktop;
};

} // namespace

TEST_F(WallpaperTest, ThePortalGetsTheWallpaperFileOpen)
{
    FakeWallpaperPortal* fake = startPortal();
    Wallpaper wallpaper(client(), folder.path());
    ASSERT_TRUE(wallpaper.set(picture()).isOk());
    EXPECT_EQ(wallpaper.lastMethod(), "portal");
    const QString file = folder.filePath(Wallpaper::fileName());
    EXPECT_EQ(wallpaper.filePath(), file);
    const QByteArray bmp = test::readFileBytes(file);
    ASSERT_GT(bmp.size(), 30);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(int(uchar(bmp[28])), 24) << "bits per pixel";
    EXPECT_EQ(QImage::fromData(bmp).size(), QSize(64, 48));
    EXPECT_EQ(fake->received, test::readFileBytes(file));
    EXPECT_EQ(fake->options.value("set-on").toString(), "background");
}

TEST_F(WallpaperTest, TheWindowsOutputThreadCanAskThePortal)
{
    // The window sets the wallpaper from a worker thread; the portal here lives on this one.
    FakeWallpaperPortal* fake = startPortal();
    QDBusConnection bus = client();
    Status status = Status::error(QStringLiteral("not run"));
    std::unique_ptr<QThread> worker(QThread::create([&] { status = Wallpaper(bus, folder.path()).set(picture()); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    ASSERT_TRUE(worker->wait(1000));
    EXPECT_TRUE(status.isOk()) << status.message().toStdString();
    EXPECT_TRUE(fake->received.startsWith("BM"));
}

TEST_F(WallpaperTest, ARefusingPortalFallsBackToTheDesktopSettings)
{
    startPortal()->response = 2;
    recordGsettings();
    Wallpaper wallpaper(client(), folder.path());
    ASSERT_TRUE(wallpaper.set(picture()).isOk());
    EXPECT_EQ(wallpaper.lastMethod(), "gnome");
    const QString uri = QUrl::fromLocalFile(wallpaper.filePath()).toString(QUrl::FullyEncoded);
    EXPECT_EQ(QString::fromUtf8(test::readFileBytes(log())),
              QStringLiteral("set org.gnome.desktop.background picture-uri %1\n"
                             "set org.gnome.desktop.background picture-uri-dark %1\n")
                  .arg(uri));

    QFile::remove(log());
    ASSERT_TRUE(wallpaper.remove().isOk());
    EXPECT_EQ(test::readFileBytes(log()), "set org.gnome.desktop.background picture-uri \n"
                                          "set org.gnome.desktop.background picture-uri-dark \n");
}

TEST_F(WallpaperTest, WithNoPortalAndNoDesktopSettingBothCommandsReport)
{
    qputenv("PATH", folder.path().toLocal8Bit()); // nothing to run there
    Wallpaper wallpaper(client(), folder.path());
    const Status set = wallpaper.set(picture());
    EXPECT_FALSE(set.isOk());
    EXPECT_TRUE(set.message().contains(QLatin1String("portal"))) << set.message().toStdString();
    EXPECT_TRUE(set.message().contains(QLatin1String("gsettings is not installed"))) << set.message().toStdString();
    EXPECT_FALSE(wallpaper.remove().isOk());
    EXPECT_TRUE(wallpaper.lastMethod().isEmpty());
}

#include "wallpaper_test.moc"
