#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QUuid>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace montora;

namespace {

QString uniqueIdentity() { return "test-" + QUuid::createUuid().toString(QUuid::WithoutBraces); }

bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Leaves a socket file behind with nobody listening, as a crashed instance does.
void leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    ASSERT_LT(size_t(native.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

} // namespace

TEST(SingleInstance, LaterStartHandsOverAndTheFirstIsAskedToComeForward)
{
    const QString identity = uniqueIdentity();
    SingleInstance first(identity);
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
    ASSERT_EQ(first.claim(), SingleInstance::Role::Primary);
    EXPECT_TRUE(first.isListening());
    EXPECT_TRUE(first.serverName().contains(identity));
    EXPECT_TRUE(first.serverName().endsWith(QString::number(::getuid())));

    SingleInstance second(identity);
    EXPECT_EQ(second.claim(), SingleInstance::Role::HandedOver);
    EXPECT_FALSE(second.isListening());
    EXPECT_TRUE(waitFor([&] { return activations == 1; }));

    QStringList opened;
    QObject::connect(&first, &SingleInstance::openRequested, [&](const QString& path) { opened << path; });
    SingleInstance third(identity);
    const QStringList files{"/tmp/trip one.mcf", QString::fromUtf8("/tmp/\xc3\xa9t\xc3\xa9.mcf")};
    EXPECT_EQ(third.claim(files), SingleInstance::Role::HandedOver);
    EXPECT_TRUE(waitFor([&] { return activations == 2 && opened.size() == 2; }));
    EXPECT_EQ(opened, files);
}

TEST(SingleInstance, StaleSocketOfACrashedInstanceDoesNotBlockTheNextStart)
{
    const QString identity = uniqueIdentity();
    SingleInstance probe(identity);
    const QString socketPath = QDir::temp().filePath(probe.serverName());
    leaveStaleSocket(socketPath);

    SingleInstance next(identity);
    ASSERT_EQ(next.claim(), SingleInstance::Role::Primary);
    EXPECT_TRUE(next.isListening());

    int activations = 0;
    QObject::connect(&next, &SingleInstance::activationRequested, [&] { ++activations; });
    SingleInstance later(identity);
    EXPECT_EQ(later.claim(), SingleInstance::Role::HandedOver);
    EXPECT_TRUE(waitFor([&] { return activations == 1; }));
}

TEST(SingleInstance, EndedInstanceLetsTheNextOneRun)
{
    const QString identity = uniqueIdentity();
    {
        SingleInstance first(identity);
        ASSERT_EQ(first.claim(), SingleInstance::Role::Primary);
    }
    SingleInstance next(identity);
    EXPECT_EQ(next.claim(), SingleInstance::Role::Primary);
}
